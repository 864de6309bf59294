#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
#
# The game for 64-bit Windows, cross-built on Debian with MinGW-w64:
#   bash scripts/windows.sh build   leaves in build-windows/ the portable zip
#                                   pipstack-VERSION-windows-x64.zip and the
#                                   installer pipstack-VERSION-setup.exe, with
#                                   the VERSION of project() in CMakeLists.txt
#   bash scripts/windows.sh test    builds them, then runs the test suite, the
#                                   command-line check and the install check
#                                   under Wine, headless
# The Qt for MinGW comes from PIPSTACK_QT_MINGW (its unpacked folder or its
# tarball); else from ../shared/toolchains/ beside the clone; else the recipe
# in windows/ builds one from Debian's qt6-base source into a cache folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
version= # read from the build once it is configured
build=$root/build-windows
qt_tarball_name=qt6-mingw-6.4.2-x86_64.tar.xz

# Qt's host tools (moc, rcc, uic, lupdate, lrelease) come from Debian's own Qt
# of the same version, and so do Qt's own translations, which the MinGW Qt lacks.
# fonts-wine gives Wine the Tahoma that its dialogs use, standing in for the
# system font that Windows has and Wine lacks.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 qt6-base-dev qt6-base-dev-tools
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    xz-utils zip unzip nsis wine wine64 fonts-wine fonts-dejavu-core fonts-dejavu-extra xvfb xauth)
mingw_runtime=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll
    /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)

source scripts/packages.sh

# Prints the folder of a Qt for MinGW, unpacking or building one if need be.
find_qt() {
    local source=${PIPSTACK_QT_MINGW:-}
    if [ -z "$source" ] && [ -f "$root/../shared/toolchains/$qt_tarball_name" ]; then
        source=$root/../shared/toolchains/$qt_tarball_name
    fi
    if [ -z "$source" ]; then
        local cache=${XDG_CACHE_HOME:-$HOME/.cache}/pipstack
        source=$cache/$qt_tarball_name
        if [ ! -f "$source" ]; then
            echo "No Qt for MinGW found: building one from Debian's qt6-base source into $cache" >&2
            echo "(this takes about 20 minutes on two cores, once)" >&2
            mkdir -p "$cache"
            bash windows/build-qt6-mingw.sh "$cache/qt-work" >&2
            mv "$cache/qt-work/$qt_tarball_name" "$source"
            rm -rf "$cache/qt-work"
        fi
    fi
    if [ -d "$source" ]; then
        [ -x "$source/bin/qt-cmake" ] || source=$source/qt6-mingw
        [ -x "$source/bin/qt-cmake" ] || { echo "no Qt for MinGW in $PIPSTACK_QT_MINGW" >&2; exit 1; }
        echo "$source"
        return
    fi
    # Unpacked once beside the build folder, again only when the tarball changes.
    local unpacked=$root/build-windows-qt stamp
    stamp=$(stat -c '%s %Y' "$source")
    if [ "$(cat "$unpacked/stamp" 2>/dev/null)" != "$stamp" ]; then
        rm -rf "$unpacked"
        mkdir -p "$unpacked"
        tar -xf "$source" -C "$unpacked"
        echo "$stamp" >"$unpacked/stamp"
    fi
    echo "$unpacked/qt6-mingw"
}

# Copies programs and DLLs into a folder, stripped: ship FILE... FOLDER
ship() {
    local folder=${*: -1} file
    for file in "${@:1:$#-1}"; do
        x86_64-w64-mingw32-strip --strip-all -o "$folder/${file##*/}" "$file"
    done
}

# The folder both the zip and the installer are made from.
stage() {
    local stage=$build/stage/Pipstack
    rm -rf "$build/stage"
    mkdir -p "$stage/platforms" "$stage/styles" "$stage/licences/Qt" "$stage/licences/MinGW-w64"
    # Every program and DLL ships without its debugging information, a third
    # of the zip (libstdc++ alone is 23.7 MB with it, 4.3 MB without).
    ship "$build/pipstack.exe" "$build/pipstack.com" "$qt"/bin/Qt6{Core,Gui,Widgets}.dll "${mingw_runtime[@]}" "$stage/"
    ship "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
    ship "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
    # The installer's alone, not the zip's.
    ship "$build/Uninstall.exe" "$build/stage/"
    cp assets/Die*.bmp assets/pipstack.ico "$stage/"
    # The program's languages, each with Qt's own words for its dialogs (the
    # build puts Debian's beside ours).
    mkdir -p "$stage/translations"
    cp "$build"/translations/{pipstack,qtbase}_*.qm "$stage/translations/"
    sed "s/@VERSION@/$version/" windows/README.txt >"$stage/README.txt"
    sed -n '/^License: Expat/,/^$/p' debian/copyright | sed '1d; s/^ //; s/^\.$//' >"$stage/licences/Pipstack.txt"
    cp "$qt"/LICENSES/* "$stage/licences/Qt/"
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licences/MinGW-w64/gcc-runtime.txt"
    cp /usr/share/doc/mingw-w64-common/copyright "$stage/licences/MinGW-w64/winpthreads.txt"
    cp /usr/share/common-licenses/GPL-3 "$stage/licences/MinGW-w64/GPL-3.txt"
    local gcc_source mingw_source
    gcc_source=$(dpkg-query -W -f='${source:Package} ${source:Version}' gcc-mingw-w64-x86-64-posix-runtime)
    mingw_source=$(dpkg-query -W -f='${source:Package} ${source:Version}' mingw-w64-x86-64-dev)
    sed -e "s/@GCC_SOURCE@/$gcc_source/" -e "s/@MINGW_SOURCE@/$mingw_source/" \
        windows/SOURCES.txt >"$stage/licences/SOURCES.txt"
    # Windows programs expect CR LF in text files.
    find "$stage" -name '*.txt' -exec sed -i 's/\r*$/\r/' {} +
}

package() {
    local stage=$build/stage/Pipstack
    rm -f "$build/pipstack-$version-windows-x64.zip" "$build/pipstack-$version-setup.exe"
    # The zip is the portable game: the marker keeps its scores beside it.
    cp windows/portable.txt "$stage/portable.txt"
    sed -i 's/\r*$/\r/' "$stage/portable.txt"
    (cd "$build/stage" && zip -qr -X "$build/pipstack-$version-windows-x64.zip" Pipstack)
    rm "$stage/portable.txt"
    # The uninstaller removes exactly what was installed, and no folder that
    # still holds anything else.
    (cd "$stage" && {
        find . -type f | sort | sed -e 's|^\./||' -e 's|/|\\|g' -e 's|.*|Delete "$INSTDIR\\&"|'
        find . -mindepth 1 -type d | sort -r | sed -e 's|^\./||' -e 's|/|\\|g' -e 's|.*|RMDir "$INSTDIR\\&"|'
    }) >"$build/stage/uninstall-files.nsh"
    makensis -V2 -DBUILD="$build" -DSTAGE="$build/stage" -DOUTFILE="$build/pipstack-$version-setup.exe" \
        windows/pipstack.nsi
}

build_all() {
    install_missing "${WINDOWS_PACKAGES[@]}"
    qt=$(find_qt)
    echo "== Windows build against $qt"
    "$qt/bin/qt-cmake" -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine --no-warn-unused-cli >/dev/null
    version=$(sed -n 's/^!define VERSION "\(.*\)"$/\1/p' "$build/version.nsh")
    [ -n "$version" ] || { echo "no version in $build/version.nsh" >&2; exit 1; }
    cmake --build "$build" --parallel "$(nproc)"
    stage
    package
    ls -l "$build"/pipstack-$version-*
}

# A Wine of our own in a scratch folder: no display, no questions, and the
# Wine server up before ctest, whose pipe its services would otherwise hold.
start_wine() {
    wine_scratch=$(mktemp -d)
    trap 'wineserver -k 2>/dev/null || true; rm -rf "$wine_scratch"' EXIT
    mkdir -m 0700 "$wine_scratch/prefix"
    unset DISPLAY WAYLAND_DISPLAY
    export WINEPREFIX=$wine_scratch/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
    local dll_folders=("$qt/bin" "${mingw_runtime[@]%/*}")
    WINEPATH=$(printf 'Z:%s;' "${dll_folders[@]}" | tr / '\\')
    # Wine hands Windows programs the QT_ variables only as WINEQT_.
    export WINEPATH WINEQT_QPA_PLATFORM=offscreen WINEQT_FORCE_STDERR_LOGGING=1 \
        WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\dejavu'
    wineserver -p 600
    wine cmd /c exit >/dev/null 2>&1
    # Debian's Wine does not look for fonts-wine's fonts where that package
    # puts them; in the Fonts folder of the prefix it finds them, as Windows
    # finds its own.
    cp /usr/share/wine/fonts/tahoma{,bd}.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

case "${1:-}" in
build)
    build_all
    ;;
test)
    start=$SECONDS
    build_all
    built=$SECONDS
    start_wine
    echo "== The suite under Wine (Wine ready after $((SECONDS - built)) s)"
    ctest --test-dir "$build" --output-on-failure --no-tests=error --label-exclude 'soak|native'
    bash tests/windows_install_check.sh "$build" "$version"
    # Wine's programs draw into the display their server started in.
    echo "== The native look, in a display of its own"
    wineserver -k
    wineserver -w
    xvfb-run -a -s '-screen 0 1280x1024x24' bash -c \
        'wineserver -p 600 && wine cmd /c exit >/dev/null 2>&1 &&
         ctest --test-dir "$0" --output-on-failure --no-tests=error --label-regex native' "$build"
    echo "== Windows build $((built - start)) s, checks under Wine $((SECONDS - built)) s"
    ;;
*)
    echo "usage: bash scripts/windows.sh build|test" >&2
    exit 2
    ;;
esac
