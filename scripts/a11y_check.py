#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
"""Prints what a screen reader learns about the running game.

Run the game with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 on the same display and
session bus, start a game and roll, then run this script. It walks the
accessibility tree of the application named "pipstack" and prints every
push button, label and picture with its accessible name and description.
"""
import sys

import pyatspi


def walk(node, depth=0):
    try:
        role = node.getRoleName()
        name, description = node.name, node.description
    except Exception:  # a node that went away while we looked
        return
    if name or description:
        print(f"{'  ' * depth}{role}: name={name!r} description={description!r}")
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1)


desktop = pyatspi.Registry.getDesktop(0)
apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
games = [app for app in apps if app is not None and app.name.lower() == "pipstack"]
if not games:
    sys.exit("no running Pipstack found on the accessibility bus")
for game in games:
    walk(game)
