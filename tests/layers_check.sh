#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
# Each folder includes only its own headers and those of the layers below it,
# and the layers meant to be plain C++ include no Qt. Run from anywhere.
set -uo pipefail
cd "$(dirname "$0")/.."

# folder: the folders its files may include from
declare -A allowed=(
    [core]="core platform/runtime"
    [platform/runtime]="platform/runtime"
    [platform/files]="platform/files platform/runtime"
    [platform/widgets]="platform/widgets platform/runtime"
    [platform/accessibility]="platform/accessibility platform/widgets platform/runtime"
    [highscores]="highscores core platform"
    [scorecard]="scorecard core platform"
    [app]="app highscores scorecard core platform"
)
plain=(core platform/runtime)

failures=0
for folder in "${!allowed[@]}"; do
    for file in "$folder"/*.h "$folder"/*.cpp; do
        [ -e "$file" ] || continue
        while IFS= read -r included; do
            ok=0
            for layer in ${allowed[$folder]}; do
                case "$included" in "$layer"/*) ok=1 ;; esac
            done
            if [ $ok -eq 0 ]; then
                echo "$file includes \"$included\", which $folder may not"
                failures=$((failures + 1))
            fi
        done < <(sed -n 's/^#include "\([^"]*\/[^"]*\)".*/\1/p' "$file")
    done
done
for folder in "${plain[@]}"; do
    if grep -nE '^#include *<Q|^#include *<qt' "$folder"/*.h "$folder"/*.cpp 2>/dev/null; then
        echo "$folder is plain C++, and includes Qt above"
        failures=$((failures + 1))
    fi
done
# Every C++ file of platform/ sits in a folder of its concern.
for stray in platform/*.h platform/*.cpp; do
    [ -e "$stray" ] && { echo "$stray is in no concern's folder"; failures=$((failures + 1)); }
done
echo "layers: $failures faults"
[ $failures -eq 0 ]
