#!/usr/bin/python3
"""Prints what a screen reader finds in the running program's accessibility
tree (AT-SPI), one line each, for the tests to compare:

    window ROLE 'NAME'                  each top-level window
    row N 'NAME' checked|unchecked      each row of the found-files list, from the top
    ROLE 'NAME' enabled|disabled        each push button and link
    actions 'NAME' ACTION...            the actions of each link

    a11y_dump.py PID [ROWS]

Waits up to 20 seconds for the program's window and for at least ROWS rows.
"""
import sys
import time

import pyatspi


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def walk(node, depth=0):
    yield node
    if depth < 12:
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from walk(child, depth + 1)


def rows(app):
    for node in walk(app):
        if node.getRoleName() == "table" and node.name == "Found files":
            table = node.queryTable()
            found = []
            for r in range(table.nRows):
                cell = table.getAccessibleAt(r, 0)
                checked = cell.getState().contains(pyatspi.STATE_CHECKED)
                found.append((cell.name, "checked" if checked else "unchecked"))
            return found
    return None


def dump(app):
    lines = []
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        lines.append(f"window {window.getRoleName()} {window.name!r}")
    for n, (name, state) in enumerate(rows(app) or [], 1):
        lines.append(f"row {n} {name!r} {state}")
    for node in walk(app):
        role = node.getRoleName()
        if role in ("push button", "link"):
            enabled = node.getState().contains(pyatspi.STATE_ENABLED)
            lines.append(f"{role} {node.name!r} {'enabled' if enabled else 'disabled'}")
        if role == "link":
            action = node.queryAction()
            names = [action.getName(i) for i in range(action.nActions)]
            lines.append(f"actions {node.name!r} {' '.join(names)}")
    return lines


def main():
    pid = int(sys.argv[1])
    wanted = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    deadline = time.monotonic() + 20
    while True:
        try:
            app = application(pid)
            if app is not None and app.childCount > 0:
                listed = rows(app)
                if listed is not None and len(listed) >= wanted:
                    print("\n".join(dump(app)))
                    return 0
        except Exception:  # the tree changed while it was read
            pass
        if time.monotonic() > deadline:
            print(f"program {pid} showed no window with {wanted} rows", file=sys.stderr)
            return 1
        time.sleep(0.3)


if __name__ == "__main__":
    sys.exit(main())
