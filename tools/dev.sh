#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine: installs what is missing, builds, then
# starts the program (`run`), runs every test (`test`) or builds the Debian package (`package`).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${MORVENDA_BUILD_DIR:-$here/build}

packages=(
    cmake ninja-build g++ pkgconf python3
    qt6-base-dev qt6-translations-l10n qt6-webengine-dev
    libgtest-dev libbenchmark-dev libsimpleini-dev
    fonts-noto-cjk fonts-arphic-gbsn00lp fonts-arphic-gkai00mp xvfb xauth
    poppler-utils
    librsvg2-bin desktop-file-utils appstream
    dpkg-dev file
)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S "$here" -B "$build_dir" -G Ninja
    cmake --build "$build_dir"
}

case "${1:-}" in
    run)
        install_missing
        build
        # The browser engine will not start its sandbox as root; the program shows only its own
        # pages, so it goes without.
        if [ "$(id -u)" -eq 0 ]; then
            export QTWEBENGINE_DISABLE_SANDBOX=1
        fi
        if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
            exec xvfb-run -a "$build_dir/app/morvenda"
        fi
        exec "$build_dir/app/morvenda"
        ;;
    test)
        install_missing
        build
        cd "$build_dir"
        exec ctest --output-on-failure -j "$(nproc)"
        ;;
    package)
        install_missing
        build
        cd "$build_dir"
        exec cpack -G DEB
        ;;
    *)
        echo "usage: $0 run|test|package" >&2
        exit 2
        ;;
esac
