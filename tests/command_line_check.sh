#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
# Runs the program as from a terminal with no display: --help and --version
# answer on standard output, anything else is refused on one line of standard
# error with status 2. Had it tried to open a window, Qt would abort here.
set -euo pipefail
# The program, then what --version must print ("Pipstack 1.00").
program=$1 version_line=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
# English, whatever the desktop's language; French is asked for below.
unset LANGUAGE LC_MESSAGES LANG
export LC_ALL=C.UTF-8
fail() { echo "$*"; exit 1; }

[ "$("$program" --version)" = "$version_line" ] || fail "--version does not print '$version_line'"
[ "$("$program" -v)" = "$version_line" ] || fail "-v does not print the version"
[[ "$("$program" --help)" == "Usage: pipstack [options]"$'\n'* ]] || fail "--help does not print the usage line"

# Each case: the arguments, then the word the error must name.
for case in "--bogus:bogus" "-platform offscreen:platform" "stray:stray" "--version stray:stray" "--:--"; do
    words=${case%:*} named=${case##*:}
    status=0
    error=$("$program" $words 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] || fail "'$words' ended with status $status, not 2"
    [ "$(printf '%s\n' "$error" | wc -l)" -eq 1 ] || fail "'$words' printed more than one line: $error"
    [[ $error == *"'$named'"* ]] || fail "'$words' was refused without naming '$named': $error"
done
# The system's language, Qt's own words included (LC_ALL is what Wine turns
# into Windows' display language).
help=$(LANGUAGE=fr LC_ALL=fr_FR.UTF-8 "$program" --help 2>/dev/null)
[[ $help == "Utilisation : pipstack [options]"$'\n'* && $help == *"Afficher cette aide."* ]] ||
    fail "LANGUAGE=fr pipstack --help is not French: $help"
error=$(LANGUAGE=de LC_ALL=de_DE.UTF-8 "$program" stray 2>&1 >/dev/null) || true
[[ $error == *"unerwartetes Argument „stray“"* ]] || fail "the refusal is not German: $error"
echo "command line check passed"
