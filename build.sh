#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
#
# One entry point for a fresh Debian 12 machine:
#   bash build.sh play   installs what is missing, builds, starts the game
#   bash build.sh test   installs what is missing, builds from nothing, runs every test headless,
#                        the fault check, a game under Orca, the Windows build under Wine,
#                        then everything again under the sanitizers, the fuzz targets, and
#                        the Debian source and binary packages with their autopkgtest
#   bash build.sh package  installs what is missing, leaves build-package/pipstack_*.deb
#   bash build.sh windows  installs what is missing, cross-builds the Windows zip and
#                        installer into build-windows/ (scripts/windows.sh)
set -euo pipefail
cd "$(dirname "$0")"

# qt6-tools-dev gives CMake Qt's translation tools, qt6-l10n-tools lupdate and
# lrelease themselves, qt6-translations-l10n Qt's own words in each language.
BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
                fonts-dejavu-core fonts-dejavu-extra)
# The install check validates the desktop entry and the AppStream metadata;
# the fault check injects system call errors into saves with strace.
TEST_PACKAGES=(desktop-file-utils appstream lintian man-db autopkgtest strace)
PACKAGE_PACKAGES=(build-essential debhelper git)

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

# Builds the Debian source and binary packages from what is committed (git
# archive of HEAD), so untracked and uncommitted files stay out, and
# everything dpkg-buildpackage writes stays in build-package/. The suite runs
# in the test command, not here, and the one .deb asked for leaves out a
# debug-symbol one.
package() {
    if [ "$(git rev-parse --show-toplevel 2>/dev/null)" != "$PWD" ]; then
        echo "bash build.sh package builds what is committed to git, and $PWD is no git checkout;" >&2
        echo "in an unpacked source package, run dpkg-buildpackage -us -uc there instead" >&2
        exit 1
    fi
    git diff --quiet HEAD || echo "note: changes not committed yet are left out of the package" >&2
    rm -rf build-package
    mkdir build-package
    git archive --prefix=pipstack/ HEAD | tar -xf - -C build-package
    (cd build-package/pipstack &&
        DEB_BUILD_OPTIONS="nocheck noautodbgsym parallel=$(nproc)" dpkg-buildpackage -us -uc >../build.log 2>&1) ||
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
    # The everyday suite, then the fault check of the high-score file; the
    # soak test runs below, under the sanitizers.
    run_tests build-test --label-exclude 'soak|faults'
    run_tests build-test --label-regex faults
    # A whole game as a blind player plays it, with what the screen reader
    # Orca says checked at every step.
    bash scripts/orca_check.sh build-test/app/pipstack
    # A short turn in German: the translations reach the screen reader.
    bash scripts/orca_check.sh build-test/app/pipstack de
    # The Windows zip and installer, cross-built, and everything under Wine.
    bash scripts/windows.sh test
    # A second build with AddressSanitizer and UndefinedBehaviorSanitizer runs
    # everything again, then the fuzz targets run for a bounded time.
    bash scripts/harden.sh
    bash tests/source_check.sh
    # Last, as it installs the game system-wide and removes it again.
    package
    bash tests/package_check.sh build-package/pipstack_*.changes
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
