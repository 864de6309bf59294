#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
#
# One entry point for a fresh Debian 12 machine:
#   bash build.sh play   installs what is missing, builds, starts the game
#   bash build.sh test   installs what is missing, builds from nothing, runs every test headless,
#                        then again under the sanitizers, then the fuzz targets, then builds,
#                        installs and purges the Debian package
#   bash build.sh package  installs what is missing, leaves build-package/pipstack_*.deb
#   bash build.sh windows  installs what is missing, cross-builds the Windows zip and
#                        installer into build-windows/ (scripts/windows.sh)
set -euo pipefail
cd "$(dirname "$0")"

BUILD_PACKAGES=(cmake g++ make qt6-base-dev fonts-dejavu-core fonts-dejavu-extra)
# The install check validates the desktop entry and the AppStream metadata.
TEST_PACKAGES=(desktop-file-utils appstream lintian man-db)
PACKAGE_PACKAGES=(build-essential debhelper)

source scripts/packages.sh

build() { # build-dir, extra cmake arguments...
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

run_tests() { # build-dir, extra ctest arguments...
    local dir=$1
    shift
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen
    ctest --test-dir "$dir" --output-on-failure --no-tests=error "$@"
}

# Builds the Debian package from a copy of the sources, so that everything
# dpkg-buildpackage writes stays in build-package/. The suite runs in the test
# command, not here, and the one .deb asked for leaves out a debug-symbol one.
package() {
    rm -rf build-package
    mkdir -p build-package/pipstack
    tar --exclude=./.git --exclude=./build --exclude='./build-*' -cf - . | tar -xf - -C build-package/pipstack
    (cd build-package/pipstack &&
        DEB_BUILD_OPTIONS="nocheck noautodbgsym parallel=$(nproc)" dpkg-buildpackage -b -us -uc >../build.log 2>&1) ||
        { tail -n 40 build-package/build.log; echo "the package build failed: build-package/build.log" >&2; exit 1; }
    ls build-package/*.deb
}

case "${1:-}" in
play)
    install_missing "${BUILD_PACKAGES[@]}"
    build build
    cd build/play
    exec ../app/pipstack
    ;;
test)
    install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    rm -rf build-test
    build build-test
    # The everyday suite; the soak test runs below, under the sanitizers.
    run_tests build-test --label-exclude soak
    bash scripts/windows.sh test
    # A second build with AddressSanitizer and UndefinedBehaviorSanitizer runs
    # everything again, then the fuzz targets run for a bounded time.
    bash scripts/harden.sh
    # Last, as it installs the game system-wide and removes it again.
    package
    bash tests/package_check.sh build-package/pipstack_*.deb
    ;;
package)
    install_missing "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    package
    ;;
windows)
    bash scripts/windows.sh build
    ;;
*)
    echo "usage: bash build.sh play|test|package|windows" >&2
    exit 2
    ;;
esac
