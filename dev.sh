#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Vitrano into build/ and runs it or its tests.
#   ./dev.sh run     install what is missing, build, start the program
#   ./dev.sh test    install what is missing, build, run the whole test suite
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev
    zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev
)

install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    if ((${#missing[@]} > 0)); then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() {
    cmake -S . -B build -G Ninja -DVITRANO_EDITION="${VITRANO_EDITION:-Vitrano}"
    cmake --build build
}

case "${1:-}" in
run)
    install_missing
    build
    exec build/bin/vitrano
    ;;
test)
    install_missing
    build
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 1
    ;;
esac
