# Compiler warnings and sanitizer switches shared by every target of the project.
add_library(vitrano_options INTERFACE)
target_compile_features(vitrano_options INTERFACE cxx_std_20)
target_compile_options(vitrano_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wsuggest-override -Wimplicit-fallthrough -Wold-style-cast -Wcast-qual
    -Wmissing-declarations -Wformat=2)
if(VITRANO_WERROR)
    target_compile_options(vitrano_options INTERFACE -Werror)
endif()
target_compile_definitions(vitrano_options INTERFACE
    QT_NO_KEYWORDS QT_DISABLE_DEPRECATED_UP_TO=0x060000)

if(VITRANO_SANITIZE)
    target_compile_options(vitrano_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(vitrano_options INTERFACE -fsanitize=address,undefined)
endif()

if(VITRANO_FUZZ)
    target_compile_options(vitrano_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    target_link_options(vitrano_options INTERFACE -fsanitize=address,undefined)
endif()
