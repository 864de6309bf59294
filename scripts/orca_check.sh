#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
#
# Plays the game with the keyboard under Orca, the screen reader a blind
# player uses on Debian, and checks what Orca says after each key: from its
# debug log's SPEECH OUTPUT lines, so no sound card is needed.
#   bash scripts/orca_check.sh [game [language]]   (after bash build.sh play or test)
# With "de" as the language the game plays one short turn in German instead,
# and the check hears the German words.
# Everything runs in a scratch folder, on a virtual display of its own and a
# D-Bus session of its own; Orca gets preferences of its own there too, so
# the player's are never read or changed. Installs what is missing as root.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng xvfb openbox dbus-x11 at-spi2-core \
    xdotool python3-pyatspi

game=${1:-}
export PIPSTACK_LANGUAGE=${2:-}
for candidate in build-test/app/pipstack build/app/pipstack; do
    [ -n "$game" ] || [ ! -x "$candidate" ] || game=$PWD/$candidate
done
[ -x "$game" ] || { echo "build the game first: bash build.sh test" >&2; exit 1; }
game=$(realpath "$game")

scratch=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    # Orca started a speech-dispatcher of its own, which would linger.
    speechd=$scratch/run/speech-dispatcher/pid/speech-dispatcher.pid
    [ ! -s "$speechd" ] || kill "$(cat "$speechd")" 2>/dev/null || true
    wait 2>/dev/null || true
    [ -n "${PIPSTACK_KEEP_SCRATCH:-}" ] && echo "kept $scratch" || rm -rf "$scratch"
}
trap finish EXIT

# Xvfb picks a free display and tells us which.
exec 5>"$scratch/display"
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
exec 5>&-
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$scratch/display")
# The test command runs the suite offscreen; the game here needs the display.
unset QT_QPA_PLATFORM

# A home of its own keeps Orca's and speech-dispatcher's files in the scratch folder.
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch/home/.config
mkdir -p "$HOME" "$XDG_RUNTIME_DIR/game" "$scratch/play"
chmod 700 "$XDG_RUNTIME_DIR" "$XDG_RUNTIME_DIR/game"
# Speech goes to a sound device that plays nothing: a machine without one
# would otherwise hold speech-dispatcher, and Orca with it, at the first word.
printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
printf '%s\n' 'AudioOutputMethod "alsa"' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' \
    'DefaultModule espeak-ng' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
export PIPSTACK_GAME=$game PIPSTACK_SCRATCH=$scratch
# The session bus and the accessibility bus talk to stderr; that goes to a file.
dbus-run-session -- sh -c 'exec python3 scripts/orca_check.py 2>&3' 3>&2 2>"$scratch/dbus.log" </dev/null
