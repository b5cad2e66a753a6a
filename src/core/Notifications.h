#pragma once

#include <string>

namespace swivlo::Notification {

// In-app notifications: posted on the default centre with a name only.
inline const std::string suspendEventMonitor = "SuspendEventMonitor";
inline const std::string requestClosePopover = "RequestClosePopover";
// Something was changed from the panel (a switch, an action, a scene).
inline const std::string panelUsed = "PanelUsed";
inline const std::string showAccessibilityPermissionAlert = "ShowAccessibilityPermissionAlert";

}  // namespace swivlo::Notification
