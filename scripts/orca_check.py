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
            with open(LOG, encoding="utf-8", errors="replace") as log:
                log.seek(self.offset)
                chunk = log.read()
        except FileNotFoundError:
            return
        # Only whole lines; the rest is read again next time.
        end = chunk.rfind("\n") + 1
        self.offset += len(chunk[:end].encode("utf-8"))
        for line in chunk[:end].splitlines():
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


def main():
    start("openbox", "--sm-disable")
    prefs = os.path.join(SCRATCH, "orca")
    os.makedirs(prefs, exist_ok=True)
    # Orca writes its debug file through a block buffer, minutes behind what
    # it says, unless the file is a terminal: a pseudo-terminal it is, and
    # what comes out of it goes to the log line by line.
    master, slave = pty.openpty()
    start("orca", "--replace", "-u", prefs, "--debug-file", "/dev/stdout", stdout=slave)
    os.close(slave)
    threading.Thread(target=copy_log, args=(master,), daemon=True).start()
    if not speech.wait(r".", 30):
        sys.exit("Orca never spoke")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=os.path.join(os.environ["XDG_RUNTIME_DIR"], "game"))
    with open(os.path.join(SCRATCH, "game.log"), "wb") as log:
        global game
        game = start(os.environ["PIPSTACK_GAME"], cwd=os.path.join(SCRATCH, "play"), env=env, stdout=log, stderr=log)
    speech.wait(r"Pipstack", 20)
    print("start:", speech.settle())
    steps = os.environ.get("PIPSTACK_ORCA_KEYS", "").split() or ["alt+o", "n", "1", "Return", "space", "2", "shift+Tab", "Tab", "Tab", "Tab", "Right", "space", "alt+t", "Tab"]
    for k in steps:
        key(k)
        if os.environ.get("SHOT"):
            subprocess.run(["import", "-window", "root", os.path.join(SCRATCH, k + ".png")])
        print(f"{k}: {speech.settle()}")


try:
    main()
finally:
    for process in reversed(children):
        process.terminate()
    for process in children:
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
