#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
# A fresh clone must make a Debian source package with dpkg-source alone, and
# that package must hold exactly the files git tracks and unpack again.
set -euo pipefail
fail() { echo "source check: $*" >&2; exit 1; }
repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
git clone --quiet "$repo" "$scratch/pipstack"
(cd "$scratch" && dpkg-source --build pipstack >build.log 2>&1) || { cat "$scratch/build.log"; echo; fail "dpkg-source -b failed"; }
version=$(dpkg-parsechangelog -l "$scratch/pipstack/debian/changelog" -S Version)
tarball=$scratch/pipstack_$version.tar.xz
[ -f "$tarball" ] || fail "dpkg-source made no pipstack_$version.tar.xz"
# dpkg-source leaves out git's own files, .gitignore among them.
diff <(git -C "$scratch/pipstack" ls-files | grep -vx .gitignore | sort) \
     <(tar -tf "$tarball" | grep -v '/$' | sed 's|^[^/]*/||' | sort) ||
    fail "the source package does not hold exactly the files git tracks"
dpkg-source --extract "$scratch/pipstack_$version.dsc" "$scratch/unpacked" >/dev/null 2>&1 || fail "the source package does not unpack"
echo "source check passed: pipstack_$version.dsc"
