"""Driving the running Swivlo as a screen reader does (AT-SPI) and as a user does (xdotool).

Run inside `dbus-run-session` on an X server with a tray host (scripts/xsession exec):

    with AccessibilityBus(), Swivlo(binary) as app:
        app.open_panel()
        switch = find(app.accessible, "Hide Desktop", "check box")
        do_action(switch, "Toggle")
"""

import json
import os
import re
import subprocess
import tempfile
import threading
import time
import unittest
import uuid

import pyatspi


def eventually(condition, timeout=5.0):
    """Polls another process's state until `condition` returns something true, or the deadline
    passes; returns the last result."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result or time.monotonic() >= deadline:
            return result
        time.sleep(0.05)


class AccessibilityBus:
    """The accessibility bus and its registry on the private session bus."""

    def __enter__(self):
        if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
            raise RuntimeError("run inside dbus-run-session")
        launcher = ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately", "--a11y=1"]
        self._processes = [subprocess.Popen(launcher),
                           subprocess.Popen(["/usr/libexec/at-spi2-registryd"])]
        return self

    def __exit__(self, *exc):
        for process in reversed(self._processes):
            process.terminate()
            process.wait(5)


class AccessibilityTestCase(unittest.TestCase):
    """Tests that read Swivlo through the accessibility bus, started once per class."""

    @classmethod
    def setUpClass(cls):
        cls.bus = AccessibilityBus().__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.bus.__exit__(None, None, None)


def _x(args):
    return subprocess.run(args, capture_output=True, text=True, timeout=10).stdout


def swivlo_window(min_width, max_width):
    """A viewable top-level or embedded Swivlo window whose width lies in [min_width, max_width],
    as (x, y, width, height), or None."""
    line = re.compile(r'(0x[0-9a-f]+) "Swivlo": \("swivlo" "Swivlo"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+'
                      r'\s+\+(-?\d+)\+(-?\d+)')
    for m in line.finditer(_x(["xwininfo", "-root", "-tree"])):
        width, height = int(m.group(2)), int(m.group(3))
        if min_width <= width <= max_width and "IsViewable" in _x(["xwininfo", "-id", m.group(1)]):
            return int(m.group(4)), int(m.group(5)), width, height
    return None


def screen_size():
    """(width, height) of the X screen."""
    root = _x(["xwininfo", "-root"])
    return tuple(int(re.search(rf"{name}: (\d+)", root).group(1)) for name in ("Width", "Height"))


def shown_panel():
    return swivlo_window(300, 300)


def scenes_preference(names):
    """A preferences line storing one inactive scene, without features, per name."""
    scenes = [{"id": str(uuid.uuid4()).upper(), "name": name, "icon": "moon.fill",
               "color": "indigo", "isActive": False, "features": {}} for name in names]
    text = json.dumps(scenes, separators=(",", ":")).replace("\\", "\\\\").replace('"', '\\"')
    return f'SwivloScenes="@ByteArray({text})"\n'


class Swivlo:
    """One Swivlo process with preferences, state and runtime folders of its own; its standard
    output is collected in `output`."""

    def __init__(self, binary, preferences="", host_state=None):
        self.binary = binary
        self._home = tempfile.TemporaryDirectory(prefix="swivlo-atspi-")
        home = self._home.name
        self.dirs = {name: os.path.join(home, name) for name in ("config", "runtime", "state")}
        os.makedirs(os.path.join(self.dirs["config"], "Swivlo"))
        os.makedirs(os.path.join(self.dirs["state"], "swivlo"))
        os.makedirs(self.dirs["runtime"], mode=0o700)
        with open(os.path.join(self.dirs["config"], "Swivlo", "Swivlo.conf"), "w") as f:
            f.write(preferences)
        if host_state is not None:
            with open(self.host_state_path, "w") as f:
                json.dump(host_state, f)
        self.output = ""
        self._lock = threading.Lock()

    @property
    def host_state_path(self):
        return os.path.join(self.dirs["state"], "swivlo", "simulated-host.json")

    def host_state(self):
        with open(self.host_state_path) as f:
            return json.load(f)

    def __enter__(self):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=self.dirs["config"], XDG_RUNTIME_DIR=self.dirs["runtime"],
                   XDG_STATE_HOME=self.dirs["state"])
        env.pop("QT_QPA_PLATFORM", None)
        self.process = subprocess.Popen([self.binary], env=env, stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT, text=True)
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()
        self.accessible = eventually(self._find_application, 20)
        if not self.accessible:
            raise RuntimeError("Swivlo did not show up on the accessibility bus:\n" + self.output)
        if not eventually(lambda: swivlo_window(2, 48), 10):
            raise RuntimeError("no tray icon:\n" + self.output)
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait(10)
        self._reader.join(5)
        self.process.stdout.close()
        self._home.cleanup()

    def _read(self):
        for line in self.process.stdout:
            with self._lock:
                self.output += line

    def _find_application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            child = desktop.getChildAtIndex(i)
            if child is not None and child.name == "Swivlo":
                return child
        return None

    def mark(self):
        """Where the output is now; `said` then looks only at what came after."""
        with self._lock:
            return len(self.output)

    def said(self, text, since=0, timeout=5.0):
        """True once `text` is in the output written after `since`."""
        def found():
            with self._lock:
                return text in self.output[since:]
        return eventually(found, timeout)

    def open_panel(self):
        """Clicks the tray icon until the panel shows; returns the panel's window geometry."""
        def attempt():
            icon = swivlo_window(2, 48)
            if icon:
                x, y, w, h = icon
                _x(["xdotool", "mousemove", "0", "400"])
                _x(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"])
            return eventually(shown_panel, 2)
        return eventually(attempt, 12)


def find(root, name, role=None, timeout=10.0):
    """The first showing object under `root` with this name (and role name), waiting for it to
    appear; None when it never does."""
    def match(accessible):
        return (accessible.name == name and (role is None or accessible.getRoleName() == role)
                and accessible.getState().contains(pyatspi.STATE_SHOWING))
    return eventually(lambda: pyatspi.findDescendant(root, match, breadth_first=True), timeout)


def focused(root):
    """The object under `root` that has the keyboard focus, or None."""
    return pyatspi.findDescendant(root, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))


def extents(accessible):
    """(x, y, width, height) on the screen."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def inside(inner, outer):
    x, y, w, h = inner
    ox, oy, ow, oh = outer
    return ox <= x and oy <= y and x + w <= ox + ow and y + h <= oy + oh


def key(*keys):
    """Presses keys in whichever window has the input focus, as the user does."""
    _x(["xdotool", "key", *keys])


def action_names(accessible):
    action = accessible.queryAction()
    return [action.getName(i) for i in range(action.nActions)]


def do_action(accessible, name):
    """Runs the named action, as a screen reader does when the user asks for it."""
    if accessible is None:
        raise AssertionError(f"nothing to {name}: the object was not found")
    names = action_names(accessible)
    if name not in names:
        raise AssertionError(f"{accessible.name!r} offers {names}, not {name!r}")
    accessible.queryAction().doAction(names.index(name))


def is_checked(accessible):
    return accessible.getState().contains(pyatspi.STATE_CHECKED)
