#!/usr/bin/python3
"""Prints what assistive technology sees of a running program over AT-SPI.

Usage (with an X display, e.g. Xvfb and a window manager, in DISPLAY):
    scripts/atspi-dump.py [--press NAME]... [--wait SECONDS] PROGRAM [ARGUMENT]...

Starts its own D-Bus session and accessibility bus, runs PROGRAM in the
current folder with Qt's accessibility switched on, presses the named buttons
or menu items in turn (as a screen reader would), and prints every window's
tree: role, name, description, text and place on the screen (x, y, width,
height). Ends the program afterwards.
"""

import argparse
import os
import subprocess
import sys
import time

SESSION_MARK = "MIRAVELA_ATSPI_SESSION"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def in_own_session(argv):
    """Runs this script again inside a private D-Bus session."""
    environment = dict(os.environ, **{SESSION_MARK: "1"})
    command = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__)] + argv
    return subprocess.call(command, env=environment)


def find_application(pyatspi, pid, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            try:
                application = desktop.getChildAtIndex(index)
                if application.get_process_id() == pid and application.childCount > 0:
                    return application
            except Exception:  # an application that came and went meanwhile
                continue
        time.sleep(0.2)
    return None


def walk(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def press(pyatspi, application, name):
    """Does the first action of the first button or menu item called `name`."""
    pressable = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU}
    for node in walk(application):
        if node.name == name and node.getRole() in pressable:
            node.queryAction().doAction(0)
            return True
    return False


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def extents_of(pyatspi, node):
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return None
    return (box.x, box.y, box.width, box.height)


def dump(pyatspi, node, depth=0):
    fields = [node.getRoleName(), repr(node.name)]
    if node.description:
        fields.append("description=" + repr(node.description))
    text = text_of(node)
    if text:
        fields.append("text=" + repr(text))
    extents = extents_of(pyatspi, node)
    if extents:
        fields.append("at %d,%d %dx%d" % extents)
    print("  " * depth + " ".join(fields))
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            dump(pyatspi, child, depth + 1)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--press", action="append", default=[], metavar="NAME")
    parser.add_argument("--wait", type=float, default=1.0, metavar="SECONDS",
                        help="pause after starting and after each press")
    parser.add_argument("program", nargs=argparse.REMAINDER)
    arguments = parser.parse_args()
    if not arguments.program:
        parser.error("no program to run")
    if os.environ.get(SESSION_MARK) != "1":
        return in_own_session(sys.argv[1:])

    bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
    time.sleep(0.5)
    import pyatspi  # after the bus is up

    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    program = subprocess.Popen(arguments.program, env=environment)
    try:
        application = find_application(pyatspi, program.pid, timeout=30)
        if application is None:
            print("the program did not appear on the accessibility bus", file=sys.stderr)
            return 1
        time.sleep(arguments.wait)
        for name in arguments.press:
            if not press(pyatspi, application, name):
                print("nothing to press called %r" % name, file=sys.stderr)
            time.sleep(arguments.wait)
        dump(pyatspi, application)
        return 0
    finally:
        program.terminate()
        program.wait(timeout=10)
        bus.terminate()
        bus.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
