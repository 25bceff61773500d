#!/usr/bin/python3
"""Reads the running program's accessibility tree over AT-SPI, the way a
screen reader sees it, and checks that its controls are named.

Usage: accessibility_tree.py  (the program runs already on this session bus)
"""
import sys
import time

import pyatspi

WANTED = [
    ("push button", "Begin here"),
    ("slider", "Level: number of notes"),
    ("check box", "Color hint"),
    ("push button", "Help"),
    ("push button", "Settings"),
    ("push button", "C4"),
    ("push button", "A0"),
    ("push button", "C8"),
]


def find_application(name, timeout):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == name:
                return app
        time.sleep(0.3)
    return None


def walk(node, depth, found, lines):
    try:
        role = node.getRoleName()
        label = node.name
    except Exception:
        return
    lines.append("%s%s: %s" % ("  " * depth, role, label))
    found.add((role, label))
    for child in node:
        if child is not None:
            walk(child, depth + 1, found, lines)


def main():
    app = find_application("orvelle", 20)
    if app is None:
        print("accessibility_tree: no application named orvelle on the bus")
        return 1
    # The window's tree fills in once it has been shown.
    missing = WANTED
    lines = []
    for _ in range(30):
        found, lines = set(), []
        walk(app, 0, found, lines)
        missing = [w for w in WANTED if w not in found]
        if not missing:
            break
        time.sleep(0.5)
    if missing:
        print("\n".join(lines))
        print("accessibility_tree: missing %s" % missing)
        return 1
    print("accessibility_tree: %d nodes, all controls named" % len(lines))
    return 0


if __name__ == "__main__":
    sys.exit(main())
