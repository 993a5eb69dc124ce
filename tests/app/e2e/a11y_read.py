#!/usr/bin/python3
"""Prints every node of a running program's accessibility tree (AT-SPI) as a
screen reader finds it, one line each, fields separated by "|":

    ROLE|NAME|TEXT|X|Y|WIDTH|HEIGHT

TEXT is the node's text for text fields and labels, "" otherwise; the box is
in desktop coordinates. Waits up to 20 seconds for a window whose name is
WINDOW and prints that window's nodes (every window's when none is given).

    a11y_read.py PID [WINDOW]
"""
import sys
import time

import pyatspi


def walk(node, depth=0):
    yield node
    if depth < 14:
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from walk(child, depth + 1)


def line(node):
    role = node.getRoleName()
    text = ""
    if role in ("text", "label", "entry"):
        try:
            t = node.queryText()
            text = t.getText(0, t.characterCount)
        except NotImplementedError:
            pass
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        where = f"{box.x}|{box.y}|{box.width}|{box.height}"
    except NotImplementedError:  # a node with no place of its own
        where = "|||"
    clean = lambda s: s.replace("\n", "\\n").replace("|", "/")
    return f"{role}|{clean(node.name)}|{clean(text)}|{where}"


def read(pid, window):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except Exception:
            continue
        windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
        chosen = [w for w in windows if w is not None and (not window or w.name == window)]
        if not chosen:
            return None
        return [line(node) for w in chosen for node in walk(w)]
    return None


def main():
    pid = int(sys.argv[1])
    window = sys.argv[2] if len(sys.argv) > 2 else ""
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        try:
            lines = read(pid, window)
            if lines:
                print("\n".join(lines))
                return 0
        except Exception:  # the tree changed while it was read
            pass
        time.sleep(0.3)
    print(f"program {pid} showed no window {window!r}", file=sys.stderr)
    return 1


sys.exit(main())
