#pragma once

typedef struct _XDisplay Display;

namespace swivlo::desktop {

// A private Xlib connection to the X server Qt's windows are on, which `-display` may have set
// apart from $DISPLAY, closed on exec. None outside X11 or when the server cannot be reached.
Display* openPrivateConnection();

}  // namespace swivlo::desktop
