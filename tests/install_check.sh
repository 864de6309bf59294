#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
# Installs into a scratch prefix and checks what a desktop expects to find,
# then starts the installed game once through its launcher.
set -euo pipefail
# The build folder, then the launcher's, the program's and the pictures'
# folders as configured, relative to the prefix, then what --version prints,
# then the languages besides English ("de fr").
build=$1 bin=$2 libexec=$3 data=$4 version_line=$5 languages=$6
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null

for file in "$bin/pipstack" "$libexec/pipstack" "$data/Die1.bmp" "$data/Die6@2x.bmp" \
            share/applications/io.github.pipstack.Pipstack.desktop \
            share/metainfo/io.github.pipstack.Pipstack.metainfo.xml \
            share/icons/hicolor/32x32/apps/io.github.pipstack.Pipstack.png \
            share/icons/hicolor/256x256/apps/io.github.pipstack.Pipstack.png share/man/man6/pipstack.6; do
    [ -e "$root/usr/$file" ] || { echo "missing after install: $file"; exit 1; }
done
# The manual page names the folder the pictures were installed in.
grep -qF "/$data/" "$root/usr/share/man/man6/pipstack.6" || { echo "the manual page names another picture folder"; exit 1; }
# Each language has its translation, and the desktop files describe the game in it.
for language in $languages; do
    [ -e "$root/usr/$data/translations/pipstack_$language.qm" ] || { echo "missing after install: the $language translation"; exit 1; }
    grep -q "^Comment\[$language\]=" "$root/usr/share/applications/io.github.pipstack.Pipstack.desktop" &&
        grep -q "<summary xml:lang=\"$language\">" "$root/usr/share/metainfo/io.github.pipstack.Pipstack.metainfo.xml" ||
        { echo "the desktop files do not speak $language"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/share/applications/io.github.pipstack.Pipstack.desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --explain "$root/usr/share/metainfo/io.github.pipstack.Pipstack.metainfo.xml" >/dev/null
fi

# The launcher makes the player's folder, fills in the pictures and runs the
# game there; the game runs until stopped.
export HOME="$root/home" XDG_DATA_HOME="$root/home/data" QT_QPA_PLATFORM=offscreen
# Arguments go through to the program, which answers without starting a game.
[ "$("$root/usr/$bin/pipstack" --version)" = "$version_line" ] || { echo "the launcher lost --version"; exit 1; }
[ ! -e "$XDG_DATA_HOME" ] || { echo "--version set up a player's folder"; exit 1; }
# The installed program finds its translations from its own folder.
LANGUAGE=fr "$root/usr/$bin/pipstack" --help | grep -qF "Afficher cette aide." ||
    { echo "the installed program does not speak French"; exit 1; }
status=0
timeout 2 "$root/usr/$bin/pipstack" || status=$?
[ "$status" -eq 124 ] || { echo "the installed game ended early with status $status"; exit 1; }
[ -e "$XDG_DATA_HOME/pipstack/Die3.bmp" ] || { echo "the launcher did not set up the player's folder"; exit 1; }
echo "install check passed"
