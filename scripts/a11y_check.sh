#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
#
# Shows what a screen reader gets from a game: starts the built game on a
# virtual display with accessibility on, starts a one-player game and plays
# one turn with the keyboard only (roll, hold die 2 by its digit and die 4 by
# Enter, press die 5 through its accessible action, roll again, score Chance,
# pass the turn), printing every event a screen reader speaks from as it
# comes; then prints the accessibility tree.
#   bash scripts/a11y_check.sh [:DISPLAY]   (after bash build.sh play or test)
# With a display number the virtual display runs there (say :94, to keep clear
# of other sessions); without one, xvfb-run picks a free one. Either way the
# game gets a D-Bus session and accessibility bus of its own.
# Needs: xvfb xauth xdotool openbox at-spi2-core python3-pyatspi dbus
set -euo pipefail
cd "$(dirname "$0")/.."
game=${PIPSTACK_GAME:-}
for candidate in build/app/pipstack build-test/app/pipstack; do
    [ -n "$game" ] || [ ! -x "$candidate" ] || game=$PWD/$candidate
done
[ -n "$game" ] || { echo "build the game first: bash build.sh test" >&2; exit 1; }
export PIPSTACK_GAME=$game

if [ -z "${PIPSTACK_A11Y_INNER:-}" ]; then
    export PIPSTACK_A11Y_INNER=1
    if [ -z "${1:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash "$0"
    fi
    Xvfb "$1" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb' EXIT
    sleep 1
    DISPLAY=$1 dbus-run-session -- bash "$0"
    exit
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
# Without a window manager no window becomes active, and Qt moves no focus
# and tells no screen reader about it.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 1
workdir=$(mktemp -d)
(cd "$workdir" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$game") >/dev/null 2>&1 &
game_pid=$!
trap 'kill $game_pid $wm $bus 2>/dev/null || true' EXIT
sleep 1.5
frame=$(xdotool search --onlyvisible --name '^Pipstack$' | head -1)
xdotool windowactivate --sync "$frame" key alt+o key n
sleep 0.5
xdotool type 1
xdotool key Return
sleep 0.5

check=scripts/a11y_check.py
/usr/bin/python3 $check listen 9 &
listener=$!
sleep 1.5
keys() { # one key at a time, as a player types them
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.3
    done
}
echo "== keys: Space (roll), 2 (hold die 2), Shift+Tab twice and Enter (hold die 4)"
keys space 2 shift+Tab shift+Tab Return
echo "== the press action of die 5"
/usr/bin/python3 $check press "Die 5"
sleep 0.3
echo "== keys: Tab twice and Space (roll again), Tab, Right, six times Down (Chance), Space (score)"
keys Tab Tab space Tab Right Down Down Down Down Down Down space
echo "== keys: Alt+T (pass the turn)"
keys alt+t
wait $listener
echo "== the accessibility tree"
/usr/bin/python3 $check tree
