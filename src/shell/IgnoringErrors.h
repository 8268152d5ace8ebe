#pragma once

#include <exception>
#include <type_traits>

namespace vitrano {

// Runs a handler of the main window so that whatever goes wrong inside it leaves the window
// usable: an error ends the handler silently with the result's default (false, empty).
template <typename Handler>
auto IgnoringErrors(Handler&& handler) -> decltype(handler()) {
    using TResult = decltype(handler());
    try {
        return handler();
    } catch (const std::exception&) {
        if constexpr (!std::is_void_v<TResult>) {
            return TResult{};
        }
    }
}

} // namespace vitrano
