#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
"""Plays Pipstack by keys under Orca and checks what Orca speaks.

Started by orca_check.sh inside a D-Bus session of its own, with DISPLAY,
HOME, PIPSTACK_GAME and PIPSTACK_SCRATCH set.
"""
import os
import pty
import re
import subprocess
import sys
import threading
import time

SCRATCH = os.environ["PIPSTACK_SCRATCH"]
LOG = os.path.join(SCRATCH, "orca.log")
children = []


def start(*command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **options):
    process = subprocess.Popen(command, stdout=stdout, stderr=stderr, **options)
    children.append(process)
    return process


class Speech:
    """Orca's SPEECH OUTPUT lines, read from its debug log as they come."""

    LINE = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)? ?(?:\{.*)?$")

    def __init__(self):
        self.offset = 0
        self.said = []   # every utterance so far
        self.mark = 0    # index into said: where the current step began

    def poll(self):
        try:
            with open(LOG, "rb") as log:
                log.seek(self.offset)
                chunk = log.read()
        except FileNotFoundError:
            return
        # Only whole lines; the rest is read again next time.
        end = chunk.rfind(b"\n") + 1
        self.offset += end
        for line in chunk[:end].decode("utf-8", "replace").splitlines():
            if m := self.LINE.search(line):
                self.said.append(m.group(1))

    def since(self):
        return self.said[self.mark:]

    def wait(self, pattern, limit=10.0):
        """The first utterance since the mark that matches, waiting up to limit."""
        regex = re.compile(pattern)
        deadline = time.monotonic() + limit
        while True:
            self.poll()
            for text in self.since():
                if m := regex.search(text):
                    return m
            if time.monotonic() > deadline:
                return None
            time.sleep(0.05)

    def settle(self, quiet=0.5, limit=10.0):
        """Everything said since the mark, once Orca has been idle a while.

        Idle, not silent: Orca works through the events before it speaks of
        them, and logs as it goes.
        """
        deadline = time.monotonic() + limit
        size, since = -1, time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.05)
            self.poll()
            if self.offset != size:
                size, since = self.offset, time.monotonic()
            elif time.monotonic() - since >= quiet:
                break
        return self.since()


speech = Speech()


def copy_log(master):
    with open(LOG, "wb") as log:
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:  # Orca has gone
                return
            if not chunk:
                return
            log.write(chunk.replace(b"\r\n", b"\n"))
            log.flush()


def key(*keys):
    """Presses keys, one at a time as a player does, and starts a new step."""
    speech.poll()
    speech.mark = len(speech.said)
    for k in keys:
        # A chord goes as a player plays it, the modifier held down first:
        # sent at once, the menu's access keys are lost on the way.
        *modifiers, last = k.split("+")
        for modifier in modifiers:
            subprocess.run(["xdotool", "keydown", modifier], check=True)
            speech.settle(quiet=0.2, limit=1)
        subprocess.run(["xdotool", "key", last], check=True)
        for modifier in reversed(modifiers):
            speech.settle(quiet=0.2, limit=1)
            subprocess.run(["xdotool", "keyup", modifier], check=True)


failures = []
# What Orca says besides the echo of the keys, which ends in a blank.
NOISE = re.compile(r"^(layered pane|.*\bimage\b.*|Player \d frame\.)$")


def step(keys, *expected, absent=(), item=""):
    """Presses keys and checks that Orca says each expected pattern, in order,
    and nothing that matches absent or is noise. Returns the utterances."""
    key(*keys.split())
    said = [text for text in speech.settle() if not text.endswith(" ")]
    if gone := [process.args[0] for process in children if process.poll() is not None]:
        sys.exit(f"after {keys!r}: {', '.join(gone)} ended")
    print(f"  {keys:<14} {' | '.join(said)}")
    position = 0
    for pattern in expected:
        found = next((i for i in range(position, len(said)) if re.search(pattern, said[i])), None)
        if found is None:
            failures.append(f"{item}: after {keys!r} expected {pattern!r}, heard {said}")
            break
        position = found + 1
    for text in said:
        if NOISE.search(text) or any(re.search(pattern, text) for pattern in absent):
            failures.append(f"{item}: after {keys!r} did not expect {text!r}")
    return said


DICE = r"^(\d)( held)?, (\d)( held)?, (\d)( held)?, (\d)( held)?, (\d)( held)?\. "


def roll(item="1 roll"):
    said = step("space", DICE + r"(Ready for roll [23]|No more rolls; score a box)\.$", absent=[r"push button"],
                item=item)
    for text in said:
        if m := re.search(DICE, text):
            return [int(m.group(i)) for i in (1, 3, 5, 7, 9)]
    return [0] * 5


def score_box(box, turn, points_pattern=r"\d+"):
    """From the roll button to score box (0..12) by arrows, then Space."""
    keys = "Tab " + ("Down " * box if box < 6 else "Right " + "Down " * (box - 6))
    key(*keys.split())
    speech.settle()
    step("space", rf"^You earned {points_pattern} points?\. (Grand total \d+\. )?Next Turn\.$", item="4 score")


def wait_until(test, limit):
    deadline = time.monotonic() + limit
    while not test():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.1)
    return True


def german_turn():
    """One turn in German: the game's words reach Orca translated."""
    print("A turn in German")
    step("alt+o n", r"Anzahl der Spieler", item="German dialog")
    step("1 Return", r"Wurf 1", r"^Zug 1\. Klick für Wurf 1\.$", item="German status")
    step("space", r"^\d( gehalten)?, .*Bereit für Wurf 2\.$", absent=[r"Ready for"], item="German roll")
    step("Tab", r"Einser: \d+, wenn eingetragen", item="German box")
    step("space", r"^Du erhältst \d+ Punkte?\. Nächster Zug\.$", item="German score")


def computer_turn():
    """The computer's turn, step by step as it plays: a roll, its score, and
    the hand-over back."""
    key("Return")
    heard = [speech.wait(pattern, limit) for pattern, limit in (
        (r"^Player 2$", 10), (DICE + r"Ready for roll 2\.$", 20),
        (r"^You earned \d+ points?\. Next Turn\.$", 30), (r"Player 1, it is your turn", 30))]
    speech.settle()
    print(f"  {'Return':<14} {' | '.join(speech.since())}")
    if not all(heard):
        failures.append(f"10 computer turn: heard {speech.since()}")


def main():
    start("openbox", "--sm-disable")
    # Without the window manager no window becomes active, and nothing is
    # said; on a busy machine it can take a while to come up.
    if not wait_until(lambda: subprocess.run(["xdotool", "get_desktop"], stdout=subprocess.DEVNULL,
                                             stderr=subprocess.DEVNULL).returncode == 0, 60):
        sys.exit("the window manager did not start")
    prefs = os.path.join(SCRATCH, "orca")
    os.makedirs(prefs, exist_ok=True)
    # Orca writes its debug file through a block buffer, minutes behind what
    # it says, unless the file is a terminal: a pseudo-terminal it is, and
    # what comes out of it goes to the log line by line.
    master, slave = pty.openpty()
    # Orca runs once per user: a second one refuses to start, and --replace
    # would kill the first, wherever it reads for its user.
    if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], stdout=subprocess.DEVNULL).returncode == 0:
        sys.exit("Orca is running already for this user; the check needs to run its own")
    start("orca", "-u", prefs, "--debug-file", "/dev/stdout", stdout=slave)
    os.close(slave)
    threading.Thread(target=copy_log, args=(master,), daemon=True).start()
    if not speech.wait(r"Screen reader on", 60):
        sys.exit("Orca did not start")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               XDG_RUNTIME_DIR=os.path.join(os.environ["XDG_RUNTIME_DIR"], "game"))
    # Only the game speaks the language asked for; Orca's own words stay English.
    language = os.environ.get("PIPSTACK_LANGUAGE", "")
    if language:
        env["LANGUAGE"] = language
    with open(os.path.join(SCRATCH, "game.log"), "wb") as log:
        start(os.environ["PIPSTACK_GAME"], cwd=os.path.join(SCRATCH, "play"), env=env, stdout=log, stderr=log)
    if not speech.wait(r"Pipstack frame", 60):
        sys.exit("the game did not come up")
    speech.settle()

    if keys := os.environ.get("PIPSTACK_ORCA_KEYS"):  # to explore: say what each key makes Orca say
        for k in keys.split():
            step(k)
        return

    if language == "de":
        german_turn()
        return

    print("The warning setting, and two players: a turn and the hand-over")
    step("alt+o Down", r"^Next Turn Warning\.$", r"^Next Turn Warning now on\.$", item="9 warning")
    step("Escape Escape")
    step("alt+o n", r"Number of Players dialog")
    step("2 Return", r"^Roll 1 push button\.$", r"^Turn 1\. Click for roll #1\.$", item="5 hand-over")
    step("Tab", r"^Ones: open push button\.$", item="3 box")
    step("space", absent=[r"."], item="4 refused")
    step("shift+Tab")
    roll()
    score_box(12, 1)
    step("alt+t", r"Player 2, it is your turn", item="5 hand-over")
    step("Return", r"^Player 2$", r"^Roll 1 push button\.$", item="5 hand-over")
    print("The table opened from a game gives the focus back to the game")
    step("alt+o v", r"^Close push button\.$", item="8 table")
    if [text for text in speech.since() if not text.endswith(" ")][-1:] != ["Close push button."]:
        failures.append(f"8 table: Orca's last words should say where the focus is: {speech.since()}")
    step("Escape", r"^Roll 1 push button\.$", item="8 table")

    print("One player to the end")
    step("alt+o n")
    step("1 Return", r"^Roll 1 push button\.$", r"^Turn 1\. Click for roll #1\.$", item="5 new game")
    dice = roll()
    step("2", rf"^Die 2: {dice[1]}, held\.$", item="2 hold by digit")
    step("shift+Tab", rf"^Die 5: {dice[4]} check box not checked\.$", item="2 die")
    step("space", r"^checked$", item="2 hold on die")
    step("Left", rf"^Die 4: {dice[3]} check box not checked\.$", item="2 die")
    step("Right", rf"^Die 5: {dice[4]} check box checked\.$", item="2 die")
    step("space", r"^not checked$", item="2 let go on die")
    step("Tab")
    again = roll()
    if again[1] != dice[1]:
        failures.append(f"2 hold: die 2 was held at {dice[1]} but rolled to {again[1]}")
    step("2", rf"^Die 2: {again[1]}, let go\.$", item="2 let go by digit")
    step("Tab", r"^Ones: \d+ if scored push button\.$", item="3 box")
    step("shift+Tab")
    step("s", r"^Totals come after the last turn\. Scored so far: 0\.$", item="6 totals")
    score_box(0, 1)
    step("Down")
    step("Up", r"^Ones: scored \d+ push button\.$", item="3 box")
    step("space", absent=[r"."], item="4 refused")
    step("alt+t", r"^Roll 1 push button\.$", r"^Turn 2\. Click for roll #1\.$", item="5 next turn")
    for turn in range(2, 14):
        roll()
        score_box(turn - 1, turn)
        if turn in (2, 3):
            # On the button itself the focus comes back where Orca last had
            # it, which it takes as no news: the game says the turn, once.
            step(" ".join(["shift+Tab"] * turn), r"^Next Turn push button\.$", item="5 next turn on the button")
            said = step("space" if turn == 2 else "alt+t",
                        rf"^Roll 1 push button\. Turn {turn + 1}\. Click for roll #1\.$",
                        item="5 next turn on the button")
            if len([text for text in said if re.search(r"Turn \d+\. Click for roll", text)]) != 1:
                failures.append(f"5 next turn on the button: the turn should be said once: {said}")
        elif turn < 13:
            step("alt+t", rf"^Turn {turn + 1}\. Click for roll #1\.$", absent=[r"push button\. Turn"],
                 item="5 next turn")
    step("s", r"^Subtotal \d+, Bonus \d+, Total 1 \d+, Total 2 \d+, Grand Total \d+\.$", item="6 totals")
    step("alt+t", r"High Score", item="7 summary")
    step("A n n Return", r"^View High Scores push button\.$", r"^Player 1: \d+, a high score\.$",
         item="7 summary")
    step("Tab", r"^Close push button\.$", item="8 summary tab")
    step("Tab", r"^View High Scores push button\.$", item="8 summary tab")
    step("shift+Tab", r"^Close push button\.$", item="8 summary tab")
    step("shift+Tab", r"^View High Scores push button\.$", item="8 summary tab")
    step("space", r"^1\. Ann, \d+", absent=[r"^Close push button"], item="7 table on the new entry")
    step("Down", r"^2\. Nobody, 0", item="7 table rows")
    step("Up", r"^1\. Ann, \d+", item="7 table rows")
    step("Down", r"^2\. Nobody, 0", item="7 table rows")
    step("Tab", r"^Close push button\.$", item="8 table tab")
    step("Tab", r"^Reset push button\.$", item="8 table tab")
    step("Tab", r"^Close push button\.$", item="8 table tab")
    step("shift+Tab", r"^Reset push button\.$", item="8 table tab")
    step("Escape", r"^View High Scores push button\.$", item="8 back to the summary")
    step("Tab space", r"^Pipstack panel", item="8 back to the frame")

    print("The coach: a hint, and a turn the computer plays")
    step("alt+c p 2", item="10 player 2 to the computer")
    step("alt+c a n", item="10 normal pace")
    step("alt+o n", r"Number of Players dialog")
    step("2 Return", r"^Roll 1 push button\.$", item="10 new game")
    roll(item="10 roll")
    step("h", r"^(Keep [1-6 ]+ and roll|Roll all five dice|Score [^:]+): \d+\.\d expected at the end\.", item="10 hint")
    step("Tab space", r"^You earned \d+ points?\. Next Turn\.$", item="10 score")
    step("alt+t", r"Player 2, it is your turn", item="10 hand-over")
    computer_turn()
    step("Return", r"^Roll 1 push button\.$", item="10 back to the player")


try:
    main()
    if failures:
        print("\n".join(["Orca did not say what a player needs:"] + failures))
        sys.exit(1)
finally:
    for process in reversed(children):
        process.terminate()
    for process in children:
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
