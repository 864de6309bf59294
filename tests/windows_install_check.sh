#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
# Plays a Windows player's part under Wine, in the Wine prefix set up by
# scripts/windows.sh: unpacks the portable zip and starts the game from it,
# runs the installer silently, starts the installed game, then uninstalls.
#   bash tests/windows_install_check.sh BUILD-FOLDER VERSION
set -euo pipefail
build=$1 version=$2
fail() { echo "windows install check: $*"; exit 1; }
drive_c=$WINEPREFIX/drive_c
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unix_path() { winepath -u "$1" 2>/dev/null; }
appdata=$(unix_path "$(wine cmd /c echo %APPDATA% | tr -d '\r')")
[ -d "$appdata" ] || fail "no %APPDATA% folder in the Wine prefix"
scores=$appdata/Pipstack

# Each game runs from its own folder's DLLs alone, headless: Qt's offscreen
# platform plugin is the one thing lent to it.
platforms=$(sed -n 's|^Qt6_DIR:PATH=\(.*\)/lib/cmake/Qt6$|\1/plugins/platforms|p' "$build/CMakeCache.txt")
WINEQT_QPA_PLATFORM_PLUGIN_PATH=$(winepath -w "$platforms" 2>/dev/null)
export WINEQT_QPA_PLATFORM_PLUGIN_PATH
runs_for_three_seconds() { # program
    local status=0
    (cd "$scratch" && WINEPATH= timeout 3 wine "$1" >/dev/null 2>&1) || status=$?
    [ "$status" -eq 124 ] || fail "$1 ended early with status $status"
}

echo "== The portable game"
(cd "$scratch" && unzip -q "$build/pipstack-$version-windows-x64.zip")
runs_for_three_seconds "$scratch/Pipstack/pipstack.exe"
[ -f "$scratch/Pipstack/translations/pipstack_fr.qm" ] && [ -f "$scratch/Pipstack/translations/qtbase_fr.qm" ] ||
    fail "the zip lacks the translations"
[ ! -e "$scores" ] || fail "the portable game made $scores instead of keeping its scores beside itself"
# Debugging information would double the download (libstdc++ alone carries 19 MB of it).
while IFS= read -r -d '' binary; do
    sections=$(x86_64-w64-mingw32-objdump -h "$binary")
    [[ $sections != *" .debug_"* ]] || fail "${binary#"$scratch/"} ships with debugging information"
done < <(find "$scratch/Pipstack" \( -name '*.exe' -o -name '*.dll' -o -name '*.com' \) -print0)

echo "== pipstack in cmd"
# cmd runs pipstack.com for "pipstack" and waits for it; %ERRORLEVEL% is then the game's status.
in_cmd() { (cd "$scratch/Pipstack" && WINEPATH= wine cmd /c "$1" 2>&1 | tr -d '\r') || true; }
answer=$(in_cmd "pipstack --version & echo %ERRORLEVEL%")
[ "$answer" = "Pipstack $version"$'\n0' ] || fail "'pipstack --version' in cmd answered: $answer"
answer=$(in_cmd "pipstack --bogus & echo %ERRORLEVEL%")
[[ $answer == "pipstack: "*"'bogus'"*$'\n2' ]] || fail "'pipstack --bogus' in cmd answered: $answer"
answer=$(in_cmd "pipstack /?")
[[ $answer == "Usage: pipstack [options]"$'\n'* ]] || fail "'pipstack /?' in cmd answered: $answer"
[ "$(stat -c %s "$scratch/Pipstack/pipstack.com")" -lt 65536 ] || fail "pipstack.com is no longer small"

echo "== The installer, silently"
wine "$build/pipstack-$version-setup.exe" /S
installed=$drive_c/Program\ Files/Pipstack
start_menu=$drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Pipstack.lnk
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pipstack'
for file in pipstack.exe pipstack.com Uninstall.exe uninstall.dat Qt6Widgets.dll libstdc++-6.dll platforms/qwindows.dll \
            styles/qwindowsvistastyle.dll licences/Qt/LGPL-3.0-only.txt \
            translations/pipstack_de.qm translations/qtbase_de.qm translations/pipstack_nl.qm translations/qtbase_nl.qm; do
    [ -f "$installed/$file" ] || fail "not installed: $file"
done
[ ! -e "$installed/portable.txt" ] || fail "the installed game was made portable"
# The version Explorer shows in the program's properties, from its resources.
for field in FileVersion ProductVersion; do
    shown=$(strings -el "$installed/pipstack.exe" | grep -A1 -x "$field" | sed -n 2p)
    [ "$shown" = "$version" ] || fail "pipstack.exe's $field reads '$shown', not $version"
done
[ -f "$start_menu" ] || fail "no Start menu entry"
wine reg query "$key" /v DisplayVersion 2>/dev/null | grep -q "$version" || fail "not in Apps & Features"
wine reg query "$key" /v UninstallString 2>/dev/null | grep -q 'Uninstall.exe' || fail "no uninstall command"

echo "== Setup and uninstall while the game runs"
# The game holds its files open: both must refuse, change nothing, and say so
# in their exit status.
whole_install() { (cd "$installed" && find . -type f -printf '%P %s %T@\n' | sort | md5sum); }
before=$(whole_install)
WINEPATH= timeout 120 wine "$installed/pipstack.exe" >/dev/null 2>&1 &
game=$!
sleep 3
status=0
wine "$build/pipstack-$version-setup.exe" /S || status=$?
[ "$status" -eq 2 ] || fail "a silent setup over the running game ended with status $status, not 2"
status=0
wine "$installed/Uninstall.exe" /S || status=$?
[ "$status" -eq 2 ] || fail "a silent uninstall under the running game ended with status $status, not 2"
[ "$(whole_install)" = "$before" ] || fail "setup or uninstall changed the install while the game ran"
kill "$game"
wait "$game" || true

echo "== The installed game"
runs_for_three_seconds "$installed/pipstack.exe"
[ -d "$scores" ] || fail "the installed game did not make its folder $scores"
# As a finished game leaves it.
printf ' 5 Ann\r\n' >"$scores/High Scores.dat"

echo "== The uninstaller, silently"
# It returns when the files are gone.
wine "$installed/Uninstall.exe" /S || fail "the silent uninstall ended with status $?"
[ ! -e "$installed" ] || fail "the uninstaller left $(cd "$installed" && find . -type f | head -3)"
[ ! -e "$start_menu" ] || fail "the uninstaller left the Start menu entry"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the Apps & Features entry"
[ "$(cat "$scores/High Scores.dat")" = $' 5 Ann\r' ] || fail "the uninstaller did not leave the high scores"
echo "windows install check passed"
