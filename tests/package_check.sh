#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
# Checks the Debian package that `bash build.sh package` leaves: lintian on
# the source and the binary, the autopkgtest (debian/tests) run on this
# machine against the built .deb, then a purge that must leave nothing of the
# package. Installs system-wide, so it needs root. A pipstack that was
# installed before is replaced by this build and left installed: the check
# removes only what it installed itself.
#   bash tests/package_check.sh build-package/pipstack_*.changes
set -euo pipefail
fail() { echo "package check: $*" >&2; exit 1; }
[ $# -eq 1 ] && [[ $1 == *.changes ]] || fail "expected the one .changes file of the build, got: $*"
[ "$(id -u)" -eq 0 ] || fail "it installs the package system-wide: run it as root"
changes=$(realpath "$1")
deb=$(echo "${changes%/*}"/pipstack_*.deb)
[ -f "$deb" ] || fail "no single pipstack .deb beside $changes"
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=300 "$@" >/dev/null; }

echo "== lintian"
lintian --pedantic --fail-on error,warning "$changes" || fail "lintian reports errors or warnings"

# What the package brings, as installed paths (folders aside). The manual page
# must be among them even where this machine's dpkg leaves manual pages out.
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\.||')
grep -qx /usr/share/man/man6/pipstack.6.gz <<<"$files" || fail "the manual page is not in the package"
for language in de fr es it nl; do
    grep -qx "/usr/share/games/pipstack/translations/pipstack_$language.qm" <<<"$files" ||
        fail "the $language translation is not in the package"
done

echo "== autopkgtest"
installed_before=$(dpkg-query -W -f='${db:Status-Status}' pipstack 2>/dev/null || true)
if [ "$installed_before" = installed ]; then
    # apt would keep an installed 1.00 as it is and the test would try that.
    echo "pipstack is already installed: it is replaced by this build and stays installed"
    apt_get install --reinstall "$deb"
else
    trap 'dpkg -s pipstack >/dev/null 2>&1 && apt_get purge pipstack' EXIT
fi
# Its log stays beside the package, for a failure to be looked into.
out=${changes%/*}/autopkgtest
rm -rf "$out"
status=0
autopkgtest --quiet --output-dir "$out" "$changes" -- null >"$out.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || { cat "$out.log"; fail "the autopkgtest failed with status $status: $out/log"; }
cat "$out/summary"
[ "$installed_before" = installed ] && { echo "package check passed (purge not tried)"; exit 0; }

echo "== purge"
# A player's folder, as the game leaves it: the purge must not touch it.
export HOME=$(mktemp -d)
folder="$HOME/.local/share/pipstack"
mkdir -p "$folder" && printf ' 312 Ann\r\n' >"$folder/High Scores.dat" && cp /dev/null "$folder/Die1.bmp"
apt_get purge pipstack
! dpkg -s pipstack >/dev/null 2>&1 || fail "pipstack is still known to dpkg after the purge"
while read -r file; do
    [ ! -e "$file" ] || fail "$file is left after the purge"
done <<<"$files"
for folder_of_ours in /usr/libexec/pipstack /usr/share/games/pipstack /usr/share/doc/pipstack; do
    [ ! -e "$folder_of_ours" ] || fail "$folder_of_ours is left after the purge"
done
[ "$(cat "$folder/High Scores.dat")" = $' 312 Ann\r' ] && [ -e "$folder/Die1.bmp" ] || fail "the purge touched the player's folder"
rm -rf "$HOME"
echo "package check passed"
