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

# --advise: perfect play's figures, one a line, with no window.
[ "$("$program" --advise)" = "245.8708" ] || fail "--advise does not print the empty card's 245.8708"
advice=$("$program" --advise --used ones,twos,sixes,fh --upper 21 --dice 66621 --rolls-left 2)
pattern=$'^[0-9]+[.][0-9]{4}\t(keep( [1-6])+|keep nothing|score (threes|fours|fives|3k|4k|ss|ls|5k|chance))$'
# Nine open categories and the fifteen parts of the hand short of all of it.
[ "$(printf '%s\n' "$advice" | grep -cE "$pattern")" -eq 24 ] || fail "--advise --dice printed other lines: $advice"
[ "$(printf '%s\n' "$advice" | grep -c 'keep 1 2 6 6 6')" -eq 0 ] || fail "--advise offered to keep all five dice"
printf '%s\n' "$advice" | cut -f1 | sort -rnc || fail "--advise did not print the best action first: $advice"
[ "$("$program" --advise --used none --dice 11111 --rolls-left 0 | head -1 | cut -f2)" = "score 5k" ] ||
    fail "--advise would not score five ones as five of a kind"

# Each case: the arguments, then the word the error must name.
for case in "--advise --used ones,bogus:bogus" "--advise --used ones,ones:ones" "--advise --used ones,,twos:''" \
            "--advise --upper 106:106" "--advise --upper -1:-1" "--advise --used ones --upper 6:6" \
            "--advise --dice 1234 --rolls-left 0:1234" "--advise --dice 12347 --rolls-left 0:12347" \
            "--advise --dice 12345 --rolls-left 3:3" "--advise --rolls-left 1:--dice" \
            "--advise --dice 12345:--rolls-left" "--used ones:--advise" "--advise stray:stray"; do
    words=${case%:*} named=${case##*:}
    status=0
    error=$("$program" $words 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] || fail "'$words' ended with status $status, not 2"
    [ "$(printf '%s\n' "$error" | wc -l)" -eq 1 ] || fail "'$words' printed more than one line: $error"
    [[ $error == *"$named"* ]] || fail "'$words' was refused without naming '$named': $error"
done
echo "command line check passed"
