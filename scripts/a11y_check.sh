#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
#
# Shows what a screen reader sees of a game in progress: starts the built
# game on a virtual display with accessibility on, starts a one-player game,
# rolls, holds the second die, and prints the accessibility tree.
#   bash scripts/a11y_check.sh            (after bash build.sh play or test)
# Needs: xvfb xauth xdotool at-spi2-core python3-pyatspi dbus
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
    exec xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash "$0"
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
workdir=$(mktemp -d)
(cd "$workdir" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$game") >/dev/null 2>&1 &
sleep 1.5
frame=$(xdotool search --name '^Pipstack$' | head -1)
xdotool windowfocus "$frame" key alt+o key n
sleep 0.5
xdotool type 1
xdotool key Return
sleep 0.5
xdotool windowfocus "$frame" key alt+r
sleep 0.3
# Die 2 sits 109 x 81 pixels into the frame: menu bar, window title, layout.
read -r x y < <(xdotool getwindowgeometry "$frame" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
xdotool mousemove $((x + 109)) $((y + 81)) click 1
sleep 0.3
/usr/bin/python3 scripts/a11y_check.py
kill %2 2>/dev/null || true
