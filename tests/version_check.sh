#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
# The Debian changelog and the AppStream release list write the version by
# hand, as their tools read it from them; both must agree with project() in
# CMakeLists.txt, the version the program prints.
#   bash tests/version_check.sh SOURCE-FOLDER VERSION
set -euo pipefail
source=$1 version=$2
fail() { echo "version check: $*"; exit 1; }

# The newest entry comes first in both.
changelog=$(sed -n '1s/^pipstack (\([^)]*\)).*/\1/p' "$source/debian/changelog")
[ "$changelog" = "$version" ] || fail "debian/changelog is at '$changelog', CMakeLists.txt at '$version'"
metainfo=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$source"/assets/*.metainfo.xml | head -1)
[ "$metainfo" = "$version" ] || fail "the AppStream metainfo's newest release is '$metainfo', CMakeLists.txt is at '$version'"
echo "version check passed: $version"
