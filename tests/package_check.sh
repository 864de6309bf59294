#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
# Checks the Debian package the way a player meets it: lintian, a real
# install, the installed game through its launcher, the manual page, then a
# purge that must leave nothing of the package and every player's file behind.
# Installs system-wide, so it needs root; CI runs it on a throwaway machine.
#   bash tests/package_check.sh build-package/pipstack_*.deb
set -euo pipefail
fail() { echo "package check: $*" >&2; exit 1; }
[ $# -eq 1 ] || fail "expected exactly one package, got: $*"
[ "$(id -u)" -eq 0 ] || fail "it installs the package system-wide: run it as root"
deb=$(realpath "$1")
launcher=/usr/games/pipstack
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=300 "$@" >/dev/null; }

echo "== lintian"
lintian --fail-on error "$deb" || fail "lintian reports errors"

# What the package brings, as installed paths (folders aside). The manual page
# must be among them even where this machine's dpkg leaves manual pages out.
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\.||')
grep -qx /usr/share/man/man6/pipstack.6.gz <<<"$files" || fail "the manual page is not in the package"

# A player who already has a high-score file and a folder of the game's.
scratch=$(mktemp -d)
export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime"
unset XDG_DATA_HOME
folder="$HOME/.local/share/pipstack"
mkdir -p "$folder" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
printf ' 312 Ann\r\n 287 "Smith, Bob"\r\n' >"$folder/High Scores.dat"
cp "$folder/High Scores.dat" "$scratch/scores-before"
trap 'rm -rf "$scratch"; dpkg -s pipstack >/dev/null 2>&1 && apt_get purge pipstack' EXIT

echo "== install"
if dpkg -s pipstack >/dev/null 2>&1; then
    echo "purging the pipstack installed before"
    apt_get purge pipstack
fi
apt_get install "$deb"
[ -x "$launcher" ] || fail "$launcher is missing"

(
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
    [ "$("$launcher" --version)" = "Pipstack 1.00" ] || fail "--version does not print 'Pipstack 1.00'"
    status=0
    "$launcher" --no-such-option 2>/dev/null || status=$?
    [ "$status" -eq 2 ] || fail "an unknown option ended with status $status, not 2"
)

status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$launcher" || status=$?
[ "$status" -eq 124 ] || fail "the installed game ended early with status $status"
[ -e "$folder/Die6@2x.bmp" ] || fail "the launcher did not fill the player's folder"
cmp -s "$folder/High Scores.dat" "$scratch/scores-before" || fail "the player's high scores changed"

# Debian's slim images tell dpkg to leave out /usr/share/man; there the page
# can only be checked in the package, as above. man finds it without its
# index being brought up to date.
if [ -e /usr/share/man/man6/pipstack.6.gz ]; then
    [ "$(man -w 6 pipstack)" = /usr/share/man/man6/pipstack.6.gz ] || fail "man -w 6 pipstack does not find the page"
elif grep -Eqs '^path-exclude[= ]/usr/share/man' /etc/dpkg/dpkg.cfg.d/*; then
    echo "dpkg leaves manual pages out on this machine: pipstack(6) was checked in the package only"
else
    fail "the manual page was not installed"
fi

echo "== purge"
apt_get purge pipstack
! dpkg -s pipstack >/dev/null 2>&1 || fail "pipstack is still known to dpkg after the purge"
while read -r file; do
    [ ! -e "$file" ] || fail "$file is left after the purge"
done <<<"$files"
for folder_of_ours in /usr/libexec/pipstack /usr/share/games/pipstack /usr/share/doc/pipstack; do
    [ ! -e "$folder_of_ours" ] || fail "$folder_of_ours is left after the purge"
done
cmp -s "$folder/High Scores.dat" "$scratch/scores-before" || fail "the purge touched the player's high scores"
[ -e "$folder/Die1.bmp" ] || fail "the purge touched the player's folder"
echo "package check passed"
