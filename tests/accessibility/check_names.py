#!/usr/bin/python3
"""What a screen reader finds in the suite: starts the program with its
accessibility bridge on, reads its windows through the AT-SPI bus (as screen
readers do), and counts the controls on show that have no name: on the main
window, on the first screen of every module and on further screens of each,
reached with the buttons' own "Press" action. Prints each unnamed control and ends with status
1 when there is one, 2 when the program could not be reached."""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

# Roles of the controls a screen reader stops at and reads a name for.
CONTROLS = {
    "push button", "toggle button", "check box", "radio button", "text", "entry",
    "password text", "combo box", "list", "table", "tree", "tree table", "page tab",
    "spin button", "slider", "menu item",
}
# Each module, and the buttons that take it to its further screens.
MODULES = {
    "Learn Yoga": ["Yoga Asanas By Name", "Meditation"],
    "Zodiac Yoga": [],
    "Learn Aromatherapy": ["Learn / Test Aromatherapy"],
    "Learn Cartomancy": ["Memorize Meaning / Keywords", "Test Me"],
    "Learn Dream Interpretation": ["Click Here To Proceed"],
    "Learn Palmistry": ["Click Here To Proceed"],
}


def find_app(timeout=30):
    deadline = time.time() + timeout
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "learning-suite":
                return app
        time.sleep(0.3)
    return None


def walk(node, path=""):
    try:
        role = node.getRoleName()
        name = node.name or ""
        states = node.getState()
    except Exception:  # a control that went away while being read
        return
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    here = f"{path}/{role}"
    yield here, role, name
    for child in node:
        if child is not None:
            yield from walk(child, here)


def unnamed(app):
    return [path for path, role, name in walk(app) if role in CONTROLS and not name.strip()]


def press(app, caption):
    stack = [app]
    while stack:
        node = stack.pop()
        try:
            if node.getRoleName() == "push button" and node.name == caption:
                action = node.queryAction()
                for i in range(action.nActions):
                    if action.getName(i) in ("Press", "press", "click"):
                        action.doAction(i)
                        return True
            stack.extend(c for c in node if c is not None)
        except Exception:
            continue
    return False


def main():
    program = sys.argv[1]
    home = tempfile.mkdtemp(prefix="a11y-home-")
    runtime = tempfile.mkdtemp(prefix="a11y-run-")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               HOME=home, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=home + "/config",
               XDG_DATA_HOME=home + "/data")
    env.pop("QT_QPA_PLATFORM", None)  # the window system's bridge, not offscreen
    suite = subprocess.Popen([program], env=env)
    try:
        app = find_app()
        if app is None:
            print("the suite did not appear on the accessibility bus")
            return 2
        time.sleep(1.0)
        problems = {}
        problems["main window"] = unnamed(app)
        for module, steps in MODULES.items():
            for screen, caption in [(module, module)] + [(f"{module} > {s}", s) for s in steps]:
                if not press(app, caption):
                    problems[screen] = [f"no button '{caption}' to press"]
                    break
                time.sleep(1.5)
                problems[screen] = unnamed(app)
        total = 0
        for screen, found in problems.items():
            print(f"{screen}: {len(found)} unnamed")
            for path in found:
                print("   ", path)
            total += len(found)
        return 1 if total else 0
    finally:
        suite.terminate()
        try:
            suite.wait(10)
        except subprocess.TimeoutExpired:
            suite.kill()


if __name__ == "__main__":
    sys.exit(main())
