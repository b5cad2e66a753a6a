"""A screen reader's actions on the running app do what clicks do: the same requests reach the
host, the same lines are logged and the controls show the outcome.

    accessibility_x11_test.py SWIVLO_BINARY   (inside dbus-run-session, on an X server with a tray)
"""

import subprocess
import sys
import time
import unittest

import pyatspi

from swivlo_atspi import (AccessibilityTestCase, Swivlo, do_action, eventually, find, is_checked,
                          shown_panel, swivlo_window)

BINARY = sys.argv.pop(1)

HIDE_WINDOWS = 'tell application "System Events"\n  set visible of every process to false'


class AccessibilityX11Test(AccessibilityTestCase):
    def start(self):
        app = Swivlo(BINARY).__enter__()
        self.addCleanup(app.__exit__, None, None, None)
        return app

    def panel(self, app):
        self.assertTrue(app.open_panel(), app.output)
        return find(app.accessible, "Swivlo", "filler")

    def test_panel_switches_and_buttons(self):
        app = self.start()
        panel = self.panel(app)

        for name, lines in [
            ("Hide Desktop", ["Command success: defaults write com.apple.finder CreateDesktop "
                              "-bool false", "Command success: killall Finder"]),
            ("Keep Awake", ["✅ Keep Awake enabled"]),
        ]:
            switch = find(panel, name, "check box")
            mark = app.mark()
            do_action(switch, "Toggle")
            for line in lines:
                self.assertTrue(app.said(line, mark), f"{name}: {app.output[mark:]}")
            self.assertTrue(eventually(lambda: is_checked(switch)), name)
        self.assertIs(app.host_state()["defaults"]["com.apple.finder"]["CreateDesktop"], False)

        mark = app.mark()
        do_action(find(panel, "Hide All Windows", "push button"), "Press")
        self.assertTrue(app.said("✅ AppleScript success: " + HIDE_WINDOWS, mark), app.output)

        mark = app.mark()
        do_action(find(panel, "Screen Cleaner", "push button"), "Press")
        self.assertTrue(app.said("✅ Screen Cleaner Mode activated", mark), app.output)
        do_action(find(app.accessible, "Exit Cleaning Mode", "push button"), "Press")
        self.assertTrue(app.said("✅ Screen Cleaner Mode deactivated", mark), app.output)

        do_action(find(self.panel(app), "Settings", "push button"), "Press")
        self.assertTrue(find(app.accessible, "Settings", "filler"), "the settings window shows")

        do_action(find(self.panel(app), "Quit", "push button"), "Press")
        self.assertEqual(app.process.wait(10), 0)

    def test_the_tray_icon_opens_the_panel_after_a_switch_flipped_at_once(self):
        app = self.start()
        panel = self.panel(app)
        # Flipped as soon as the panel shows, while the Finder's restart holds the panel open.
        do_action(find(panel, "Hide Desktop", "check box"), "Toggle")
        x, y, w, h = swivlo_window(2, 48)
        for attempt, offset in enumerate((0, w // 3)):
            # A second click away from the first is no double click, however soon it comes;
            # the user waits a second between them all the same.
            if attempt:
                time.sleep(1)
            subprocess.run(["xdotool", "mousemove", str(x + w // 2 + offset), str(y + h // 2),
                            "click", "1"], check=True, timeout=10)
            wanted = attempt == 1
            self.assertTrue(eventually(lambda: bool(shown_panel()) == wanted, 3),
                            f"click {attempt + 1}: the panel should be {'open' if wanted else 'closed'}"
                            f"\n{app.output}")

    def test_settings_window_and_picker(self):
        app = self.start()
        do_action(find(self.panel(app), "Settings", "push button"), "Press")
        settings = find(app.accessible, "Settings", "filler")

        do_action(find(settings, "Enable global shortcut", "check box"), "Toggle")
        field = find(settings, "Shortcut", "text")
        do_action(field, "SetFocus")
        text = field.queryText()
        self.assertTrue(eventually(lambda: text.getText(0, -1) == "Recording..."),
                        "focusing the field records, as a click does")

        do_action(find(settings, "Scene", "list item"), "Toggle")
        do_action(find(settings, "Focus", "push button"), "Press")
        # The new scene's row: a button named like the scene, holding its switch.
        scene_switch = find(settings, "Focus", "check box")
        self.assertTrue(scene_switch, "the preset was added")

        do_action(scene_switch.parent, "Press")
        editor = find(app.accessible, "Edit Scene", "dialog", timeout=10)
        self.assertTrue(editor, "the row opens the editor")

        custom = pyatspi.findDescendant(editor, lambda a: a.description == "Custom Icon")
        do_action(custom, "Press")
        picker = find(app.accessible, "Symbol Picker", "dialog", timeout=15)
        grid = find(picker, "Symbols", "list")
        cell = next(c for c in grid if c.name != custom.name)
        symbol = cell.name
        do_action(cell, "Toggle")
        self.assertTrue(eventually(lambda: not find(app.accessible, "Symbol Picker", timeout=0)),
                        "choosing a symbol closes the picker")
        self.assertEqual(custom.name, symbol)



if __name__ == "__main__":
    unittest.main()
