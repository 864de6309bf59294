#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
"""What a screen reader learns from the running game.

Run the game with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 on the same display and
session bus, then:
  a11y_check.py tree              prints every push button, label and picture
                                  with its accessible name and description
  a11y_check.py listen SECONDS    prints, as they come, the events a screen
                                  reader speaks from: focus, a window becoming
                                  active, and changed names and descriptions
  a11y_check.py press TEXT        presses, through its accessible action, the
                                  control whose name or description starts so
"""
import sys

import pyatspi
from gi.repository import GLib


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    games = [app for app in apps if app is not None and app.name.lower() == "pipstack"]
    if not games:
        sys.exit("no running Pipstack found on the accessibility bus")
    return games[0]


def nodes(node):
    try:
        yield node
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # a node that went away while we looked
        return
    for child in children:
        if child is not None:
            yield from nodes(child)


def say(node):
    try:
        text = f"{node.getRoleName()} {node.name!r}"
        if node.description:
            text += f", {node.description!r}"
        return text
    except Exception:
        return "(gone)"


def tree():
    def walk(node, depth):
        try:
            role = node.getRoleName()
            name, description = node.name, node.description
            children = [node.getChildAtIndex(i) for i in range(node.childCount)]
        except Exception:
            return
        if name or description:
            print(f"{'  ' * depth}{role}: name={name!r} description={description!r}")
        for child in children:
            if child is not None:
                walk(child, depth + 1)

    walk(game(), 0)


def listen(seconds):
    game()  # fail early when the game is not there

    def heard(event):
        kind = event.type
        if kind.startswith("object:state-changed:showing"):
            if event.source.getRoleName() != "notification":
                return  # only an announcement is news when it shows
        elif kind.startswith("object:state-changed:focused") and not event.detail1:
            return  # the focus went elsewhere: the next focus event says where
        detail = f" {event.detail1}" if kind.startswith("object:state-changed:") else ""
        print(f"{kind}{detail}: {say(event.source)}", flush=True)

    pyatspi.Registry.registerEventListener(
        heard, "focus:", "window:activate", "object:state-changed:focused", "object:state-changed:checked",
        "object:state-changed:showing",
        "object:property-change:accessible-name", "object:property-change:accessible-description")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    print("listening", flush=True)
    pyatspi.Registry.start()


def press(text):
    for node in nodes(game()):
        try:
            if node.name.startswith(text) or node.description.startswith(text):
                action = node.queryAction()
                names = [action.getName(i) for i in range(action.nActions)]
                action.doAction(names.index("Press"))
                print(f"pressed {say(node)}")
                return
        except (NotImplementedError, ValueError):
            sys.exit(f"{say(node)} offers no press action")
    sys.exit(f"nothing named or described as {text!r}")


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else "tree"
    if command == "tree":
        tree()
    elif command == "listen":
        listen(float(sys.argv[2]))
    elif command == "press":
        press(sys.argv[2])
    else:
        sys.exit(__doc__)
