"""The panel in the running app: its height and place on the screen, the permission alert, and
the keyboard, seen through AT-SPI and driven with xdotool.

    panel_x11_test.py SWIVLO_BINARY   (inside dbus-run-session, on an X server with a tray)
"""

import sys
import unittest

from swivlo_atspi import (AccessibilityTestCase, Swivlo, do_action, eventually, extents, find,
                          focused, inside, is_checked, key, scenes_preference, screen_size,
                          shown_panel, swivlo_window)

BINARY = sys.argv.pop(1)

SWITCH_ROWS = ["Hide Desktop", "Hide Widgets", "Auto Hide Dock", "Stage Manager",
               "Hide All Windows", "Dark Mode", "Keep Awake", "Screen Cleaner"]


class PanelX11Test(AccessibilityTestCase):
    def open(self, preferences="", host_state=None):
        app = Swivlo(BINARY, "[General]\n" + preferences, host_state).__enter__()
        self.addCleanup(app.__exit__, None, None, None)
        self.assertTrue(app.open_panel(), app.output)
        return app, find(app.accessible, "Swivlo", "filler")

    def focused_name(self, panel, expected):
        """Waits for `expected` to have the focus; the name focused last otherwise."""
        def name():
            now = focused(panel)
            return now.name if now else None
        eventually(lambda: name() == expected, 3)
        return name()

    def test_eight_rows_leave_ten_points_above_the_footer(self):
        self.open()
        self.assertEqual(shown_panel()[3], 402)

    def test_tab_walks_the_rows_in_order_then_the_footer_and_survives_rebuilds(self):
        app, panel = self.open(scenes_preference(["Evening"]))
        order = SWITCH_ROWS + ["Evening", "Settings", "Quit"]
        for name in order:
            key("Tab")
            self.assertEqual(self.focused_name(panel, name), name)

        # Dark Mode changes the appearance and a scene the scene list: both rebuild the rows.
        for name, following in [("Dark Mode", "Keep Awake"), ("Evening", "Settings")]:
            for _ in order:
                if self.focused_name(panel, name) == name:
                    break
                key("Tab")
            key("space")
            self.assertTrue(eventually(lambda: is_checked(find(panel, name, "check box"))), name)
            self.assertEqual(self.focused_name(panel, name), name, "focus back on the rebuilt row")
            key("Tab")
            self.assertEqual(self.focused_name(panel, following), following)

    def test_permission_alert_fits_and_keeps_the_keyboard(self):
        hidden = ",".join(["hide_widgets", "auto_hide_dock", "stage_manager", "hide_all_windows",
                           "dark_mode", "keep_awake", "screen_cleaner"])
        app, panel = self.open(f"hiddenSwitchIDs=\"{hidden}\"\n", {"automationPermitted": False})
        alert = find(panel, "Permission Required", "filler")
        self.assertTrue(alert, "the Dock reading was refused")
        frame = shown_panel()
        for part in [alert.getChildAtIndex(0), find(alert, "Ignore"), find(alert, "Open Settings")]:
            self.assertTrue(inside(extents(part), frame), f"{extents(part)} in {frame}")

        self.assertEqual(self.focused_name(panel, "Open Settings"), "Open Settings")
        for name in ["Ignore", "Open Settings", "Ignore"]:
            key("Tab")
            self.assertEqual(self.focused_name(panel, name), name, "Tab stays in the alert")
        key("space")
        self.assertTrue(eventually(lambda: not find(panel, "Permission Required", timeout=0)))
        self.assertIsNone(find(app.accessible, "Settings", "filler", timeout=1), "not Settings")
        self.assertTrue(eventually(lambda: shown_panel() and shown_panel()[3] < frame[3]),
                        "the panel shrinks back once the alert is gone")

        # With nothing focused Escape closes the panel; the alert shows again at the next
        # opening, and there Escape means Ignore.
        key("Escape")
        self.assertTrue(eventually(lambda: not shown_panel()))
        self.assertTrue(app.open_panel())
        self.assertTrue(find(panel, "Permission Required", "filler"))
        key("Escape")
        self.assertTrue(eventually(lambda: not find(panel, "Permission Required", timeout=0)))
        self.assertTrue(shown_panel(), "Escape dismissed the alert, not the panel")

    def test_panel_taller_than_the_screen_scrolls_its_rows(self):
        names = [f"Scene {i}" for i in range(1, 9)]
        app, panel = self.open(scenes_preference(names))
        frame = shown_panel()
        icon = swivlo_window(2, 48)
        self.assertGreater(frame[1], icon[1] + icon[3] - 1, "below the tray icon")
        self.assertLessEqual(frame[1] + frame[3], screen_size()[1])
        for name in ["Settings", "Quit"]:
            self.assertTrue(inside(extents(find(panel, name)), frame), name)

        last = find(panel, names[-1], "check box")
        do_action(last, "SetFocus")
        footer_top = extents(find(panel, "Settings"))[1]
        self.assertTrue(eventually(lambda: extents(last)[1] + extents(last)[3] <= footer_top),
                        "the focused row scrolled into view")


if __name__ == "__main__":
    unittest.main()
