#pragma once

// Looking at and poking the X server's windows as another client would. Kept apart from the
// tests so the X11 headers' macros stay out of them.
namespace swivlo::testing::x11 {

// The viewable child of the root window that lies above all others; 0 when none.
unsigned long topmostWindow();

// The close request a window or session manager sends (WM_DELETE_WINDOW).
bool sendDeleteWindow(unsigned long window);

}  // namespace swivlo::testing::x11
