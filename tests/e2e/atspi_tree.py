#!/usr/bin/env python3
"""Reads the running viewer's accessible tree over AT-SPI, as a screen reader meets it.

Waits for the application and its main window, lists every showing object a screen reader
would announce without a name, and fails when the tree cannot be read or the window itself
has no name."""

import sys
import time

import pyatspi

APP_NAME = "zarvick-gallerion"
WINDOW_NAME = "The Zarvick Gallerion 2001"
TIMEOUT_S = 60

# Roles that only lay out other objects or are announced by their parent.
SILENT_ROLES = {
    pyatspi.ROLE_FILLER, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_SEPARATOR,
    pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_LABEL, pyatspi.ROLE_TEXT, pyatspi.ROLE_STATIC, pyatspi.ROLE_UNKNOWN,
    pyatspi.ROLE_REDUNDANT_OBJECT, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_MENU,
}


def find_window():
    deadline = time.monotonic() + TIMEOUT_S
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None or app.name != APP_NAME:
                continue
            for window in app:
                # The start-up window has the same title; the main window is the frame (its
                # title is spaced out as designed).
                if window is not None and " ".join((window.name or "").split()) == WINDOW_NAME and \
                        window.getRole() == pyatspi.ROLE_FRAME and \
                        window.getState().contains(pyatspi.STATE_SHOWING):
                    return app, window
        time.sleep(0.25)
    seen = []
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None:
            seen += [f"{app.name}: {w.getRoleName()} {w.name!r}" for w in app if w is not None]
    print("windows on the bus: " + ("; ".join(seen) or "none"))
    return None, None


def walk(node, depth, found):
    if node is None or depth > 64:
        return
    states = node.getState()
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    found["objects"] += 1
    if depth > 0 and node.getRole() not in SILENT_ROLES and not (node.name or "").strip():
        found["unnamed"].append(f"{node.getRoleName()} (child {node.getIndexInParent()} of "
                                f"{node.parent.getRoleName() if node.parent else '-'})")
    for child in node:
        walk(child, depth + 1, found)


def main():
    app, window = find_window()
    if window is None:
        print(f"no showing window named {WINDOW_NAME!r} of {APP_NAME!r} on the AT-SPI bus")
        return 1
    found = {"objects": 0, "unnamed": []}
    walk(window, 0, found)
    print(f"{window.getRoleName()} {window.name!r}: {found['objects']} showing objects, "
          f"{len(found['unnamed'])} without a name")
    for entry in found["unnamed"]:
        print("  " + entry)
    if found["objects"] < 10:
        print("the tree holds too few objects to be the main window's")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
