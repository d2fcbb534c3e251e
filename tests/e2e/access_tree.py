#!/usr/bin/python3
"""What a screen reader is told of one program, through the accessibility bus.

  access_tree.py PID dump           one line per object reported as showing:
                                    ROLE<tab>NAME<tab>DESCRIPTION<tab>ACTIONS (comma-separated)
                                    <tab>VALUE<tab>STATES (active, focused)<tab>X,Y on the screen
  access_tree.py PID do NAME ACTION runs ACTION on the first showing object called NAME

Exits with 2 when the program is not (yet) on the bus, 3 when no such object or action.
"""
import sys

import pyatspi


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application leaving the bus meanwhile
            continue
    return None


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def extras(node):
    try:
        value = "%g" % node.queryValue().currentValue
    except NotImplementedError:
        value = ""
    held = node.getState()
    states = [n for n, s in (("active", pyatspi.STATE_ACTIVE), ("focused", pyatspi.STATE_FOCUSED))
              if held.contains(s)]
    return [value, ",".join(states), "%d,%d" % node.queryComponent().getPosition(0)]


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(node):
    # Hidden objects are walked too: a child reported showing under one would still be read.
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        if showing(child):
            yield child
        yield from walk(child)


def main():
    pid = int(sys.argv[1])
    app = application(pid)
    if app is None:
        return 2
    if sys.argv[2] == "dump":
        for node in walk(app):
            fields = [node.getRoleName(), node.name or "", node.description or "",
                      ",".join(actions(node))] + extras(node)
            print("\t".join(f.replace("\t", " ").replace("\n", " ") for f in fields))
        return 0
    name, wanted = sys.argv[3], sys.argv[4]
    for node in walk(app):
        if node.name == name and wanted in actions(node):
            action = node.queryAction()
            action.doAction(actions(node).index(wanted))
            return 0
    return 3


if __name__ == "__main__":
    sys.exit(main())
