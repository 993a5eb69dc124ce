#!/usr/bin/python3
"""Finds a control of a running program in the accessibility tree (AT-SPI)
by its role and accessible name, as a screen reader would, and prints the
screen position of its centre ("X Y"). Waits up to 20 seconds for it to show.

    a11y_locate.py PID ROLE NAME      e.g. a11y_locate.py 1234 "push button" "Browse..."
"""
import sys
import time

import pyatspi


def find(node, role, name, depth=0):
    try:
        state = node.getState()
        if (node.getRoleName() == role and node.name == name and state.contains(pyatspi.STATE_SHOWING)
                and state.contains(pyatspi.STATE_ENABLED)):
            return node
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None and depth < 12:
                found = find(child, role, name, depth + 1)
                if found is not None:
                    return found
    except Exception:  # a node that went away while it was read
        pass
    return None


def locate(pid, role, name):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except Exception:
            continue
        control = find(app, role, name)
        if control is not None:
            box = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            return box.x + box.width // 2, box.y + box.height // 2
    return None


def main():
    pid, role, name = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        where = locate(pid, role, name)
        if where is not None:
            print(*where)
            return 0
        time.sleep(0.3)
    print(f"no enabled, showing {role} named {name!r}", file=sys.stderr)
    return 1


sys.exit(main())
