#!/usr/bin/python3
"""An AT-SPI client that reads the soak's windows as a screen reader does.

It listens to the events a screen reader listens to, and for each focus change
reads the object that has the focus and its ancestors. For each line
"read ROLE" on its standard input it waits until a window of that role
("dialog", "alert") is active, reads its whole tree (every object's name,
role, description, states, and its text or value) and answers with one line:
the window's role, how many objects it read and its name. It says "ready" once
it listens.
Usage: atspi_reader.py (run by soak_dialogs, which talks to it)
"""
import sys

import pyatspi
from gi.repository import GLib

# The events a screen reader asks for; Qt's bridge sends only those asked for.
EVENTS = [
    "window:",
    "focus:",
    "object:state-changed",
    "object:children-changed",
    "object:property-change",
    "object:text-changed",
    "object:text-caret-moved",
    "object:selection-changed",
    "object:active-descendant-changed",
]

READ_ATTEMPTS = 5


def describe(accessible):
    """What a screen reader speaks of one object; returns nothing, reads all."""
    accessible.name
    accessible.description
    accessible.getRoleName()
    accessible.getState().getStates()
    accessible.getAttributes()
    text = accessible.queryText() if "Text" in pyatspi.listInterfaces(accessible) else None
    if text is not None:
        text.getText(0, -1)
        text.caretOffset
    if "Value" in pyatspi.listInterfaces(accessible):
        accessible.queryValue().currentValue


def read_tree(accessible):
    """Reads accessible and everything under it; returns how many objects."""
    describe(accessible)
    count = 1
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            count += read_tree(child)
    return count


class Session:
    """The window that became active last, as the events tell, and the role of
    the window asked to be read next."""

    active = None
    active_role = None
    asked_role = None


def on_window_event(event):
    if event.type == "window:activate":
        Session.active, Session.active_role = event.source, event.source.getRoleName()
    elif event.type == "window:deactivate" and event.source == Session.active:
        Session.active = Session.active_role = None
    answer_when_active()


def answer_when_active():
    """Reads the active window once it is of the role asked for."""
    if Session.asked_role is None or Session.active_role != Session.asked_role:
        return
    Session.asked_role = None
    window = Session.active
    # A file list can change under the read, as the folder's listing comes in:
    # the window is read again from its start, as a screen reader would.
    for attempt in range(READ_ATTEMPTS):
        try:
            answer = f"{window.getRoleName()} {read_tree(window)} {window.name}"
            break
        except GLib.GError as error:
            answer = f"failed {error.message}"
    print(answer, flush=True)


def on_event(event):
    # A focus change is spoken with its context: the object, then its ancestors.
    try:
        if event.type.startswith("object:state-changed:focused") and not event.detail1:
            return
        accessible = event.source
        describe(accessible)
        if event.type.startswith(("focus", "object:state-changed:focused")):
            parent = accessible.parent
            while parent is not None and parent.getRole() != pyatspi.ROLE_APPLICATION:
                describe(parent)
                parent = parent.parent
    except GLib.GError:
        # The object went away before it was read, as a closed dialog's do.
        pass


def on_request(source, condition):
    line = sys.stdin.readline()
    if not line:
        pyatspi.Registry.stop()
        return False
    Session.asked_role = line.split()[1]
    answer_when_active()
    return True


def main():
    for event in EVENTS:
        pyatspi.Registry.registerEventListener(on_event, event)
    pyatspi.Registry.registerEventListener(on_window_event, "window:activate", "window:deactivate")
    GLib.io_add_watch(sys.stdin, GLib.PRIORITY_DEFAULT, GLib.IO_IN | GLib.IO_HUP, on_request)
    print("ready", flush=True)
    pyatspi.Registry.start()


if __name__ == "__main__":
    main()
