#!/usr/bin/python3
"""Replaces the text of an editable field found by its role and accessible
name, as a screen reader's text entry does (no keyboard needed, so it works
on a compositor without input devices).

    a11y_type.py PID ROLE NAME TEXT
"""
import os
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from a11y_dump import application, walk  # noqa: E402


def main():
    pid, role, name, text = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
    app = application(pid)
    for node in walk(app) if app is not None else []:
        if node.getRoleName() == role and node.name == name:
            return 0 if node.queryEditableText().setTextContents(text) else 1
    print(f"no {role} named {name!r}", file=sys.stderr)
    return 1


sys.exit(main())
