#!/usr/bin/python3
"""Does a control's first action through the accessibility tree (AT-SPI), as
a screen reader's "activate" does.

    a11y_press.py PID ROLE NAME
"""
import os
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from a11y_dump import application, walk  # noqa: E402


def main():
    pid, role, name = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    app = application(pid)
    for node in walk(app) if app is not None else []:
        if node.getRoleName() == role and node.name == name:
            node.queryAction().doAction(0)
            return 0
    print(f"no {role} named {name!r}", file=sys.stderr)
    return 1


sys.exit(main())
