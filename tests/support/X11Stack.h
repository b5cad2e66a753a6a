#pragma once

// Looking at and poking the X server's windows as another client would. Kept apart from the
// tests so the X11 headers' macros stay out of them.
namespace swivlo::testing::x11 {

// The viewable child of the root window that lies above all others; 0 when none.
unsigned long topmostWindow();

// The close request a window or session manager sends (WM_DELETE_WINDOW).
bool sendDeleteWindow(unsigned long window);

// A window of another client (a connection of its own), mapped over the given rectangle. An
// override-redirect one is placed by nobody, as menus and notifications are; a plain one is
// managed by the window manager, if any.
class ForeignWindow {
public:
    ForeignWindow(int x, int y, int width, int height, bool overrideRedirect);
    ~ForeignWindow();
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;
    bool isViewable() const;
    unsigned long id() const { return window_; }

private:
    void* display_ = nullptr;
    unsigned long window_ = 0;
};

}  // namespace swivlo::testing::x11
