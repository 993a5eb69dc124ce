#!/usr/bin/python3
"""Listens on the accessibility bus for the events a screen reader asks for.

Qt's bridge sends an event only while some client has registered for its
kind, so a bench without a listener measures a bridge that stays quiet. This
registers for roughly what Orca does, prints "ready" once the registry knows,
counts what arrives and prints the count when ended with SIGTERM or SIGINT.
Run it with Debian's python3 (python3-pyatspi, python3-gi).
"""
import signal
import sys

import pyatspi
from gi.repository import GLib

EVENTS = [
    "focus:",
    "window:activate",
    "window:deactivate",
    "object:state-changed",
    "object:property-change",
    "object:text-changed",
    "object:text-caret-moved",
    "object:value-changed",
    "object:children-changed",
    "object:selection-changed",
    "object:active-descendant-changed",
]

received = 0


def on_event(_event):
    global received
    received += 1


def stop():
    pyatspi.Registry.stop()
    return GLib.SOURCE_REMOVE


def main():
    pyatspi.Registry.registerEventListener(on_event, *EVENTS)
    for number in (signal.SIGTERM, signal.SIGINT):
        GLib.unix_signal_add(GLib.PRIORITY_HIGH, number, stop)
    print("ready", flush=True)
    pyatspi.Registry.start()
    print(f"events received: {received}", flush=True)


if __name__ == "__main__":
    sys.exit(main())
