"""Tolvane as assistive technology sees it: the AT-SPI tree on a private session bus, read with pyatspi.

Import this module before anything else that may talk to D-Bus: on first import it starts the test
again under dbus-run-session, so that the accessibility bus, its registry and the program belong to
this test alone and end with it.
"""

import importlib.util
import os
import shutil
import sys
import time

_MARK = "TOLVANE_E2E_PRIVATE_BUS"
_missing = [what for what, there in (
    ("dbus-run-session (Debian package dbus-bin)", shutil.which("dbus-run-session")),
    ("at-spi2-registryd (Debian package at-spi2-core)", os.path.exists("/usr/libexec/at-spi2-registryd")),
    ("the Python module pyatspi (Debian package python3-pyatspi)", importlib.util.find_spec("pyatspi")),
) if not there]
if _missing:
    print("missing: " + ", ".join(_missing) + "; scripts/setup.sh installs them", file=sys.stderr)
    sys.exit(1)
if os.environ.get(_MARK) != "1":
    os.environ[_MARK] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])

# Qt exposes its accessibility tree without a screen reader running only when asked to.
os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

import pyatspi  # noqa: E402  (python3-pyatspi; after the bus is in place)
from gi.repository import GLib  # noqa: E402

from harness import CheckFailed  # noqa: E402

PICTURE_EVENT = "object:property-change:accessible-description"
NAME_EVENT = "object:property-change:accessible-name"


def pump(seconds=0.0):
    """Lets pyatspi handle what the bus has delivered, for at least the given time."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= deadline:
            return
        time.sleep(0.01)


def fresh(accessible):
    """The object with its cached name and description dropped, so the next read asks the program."""
    accessible.clear_cache()
    return accessible


def poll(predicate, timeout, what):
    deadline = time.monotonic() + timeout
    while True:
        pump()
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise CheckFailed(f"{what} within {timeout:.0f} s")
        time.sleep(0.05)


class Window:
    """The Tolvane window in the tree: its two buttons and the maze picture."""

    def __init__(self, process, timeout=20):
        def find():
            if process.poll() is not None:
                raise CheckFailed(f"Tolvane ended with status {process.returncode} before it joined the "
                                  f"accessibility bus")
            # The program joins the bus before its window exists: a child count read then stays
            # cached at 0 unless it is asked again.
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.get_process_id() == process.pid and fresh(app).childCount:
                    return app
            return None
        self.app = poll(find, timeout, "Tolvane did not show an accessible window")
        self.frame = self.app[0]
        self.command1, self.command2, self.picture = self._children()

    def _children(self):
        found = {}
        for child in self.frame:
            role = child.getRole()
            if role == pyatspi.ROLE_PUSH_BUTTON:
                found.setdefault("buttons", []).append(child)
            elif role == pyatspi.ROLE_IMAGE:
                found.setdefault("images", []).append(child)
        buttons, images = found.get("buttons", []), found.get("images", [])
        if len(buttons) != 2 or len(images) != 1:
            raise CheckFailed(f"expected two buttons and one image in the window, found "
                              f"{[(c.getRoleName(), c.name) for c in self.frame]}")
        return buttons[0], buttons[1], images[0]

    def description(self):
        return fresh(self.picture).description

    def wait_description(self, test, timeout, what):
        return poll(lambda: test(self.description()) and self.description(), timeout,
                    f"{what}; the maze picture says {self.description()!r}")

    @staticmethod
    def press(button):
        """Presses a button through its accessible action, as a switch or voice control user would."""
        action = button.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "Press" not in names:
            raise CheckFailed(f"the button {button.name!r} offers no Press action, only {names}")
        action.doAction(names.index("Press"))

    def close(self):
        """Closes the window through its accessible close action."""
        action = self.frame.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "close" not in names:
            raise CheckFailed(f"the window offers no close action, only {names}")
        action.doAction(names.index("close"))


class Listener:
    """Collects the description (or name) changes of one object while it is registered."""

    def __init__(self, source, kind=PICTURE_EVENT):
        self.source = source
        self.kind = kind
        self.seen = []  # (moment, text)
        pyatspi.Registry.registerEventListener(self._on_event, kind)

    def _on_event(self, event):
        if event.source == self.source:
            # Qt sends the object rather than the new text: read it, promptly, for the pumps are frequent.
            now = fresh(self.source)
            text = event.any_data if isinstance(event.any_data, str) else (
                now.name if self.kind == NAME_EVENT else now.description)
            self.seen.append((time.monotonic(), text))

    def close(self):
        pyatspi.Registry.deregisterEventListener(self._on_event, self.kind)
