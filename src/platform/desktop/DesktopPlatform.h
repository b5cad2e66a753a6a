#pragma once

#include "platform/desktop/DesktopApplication.h"
#include "platform/desktop/DesktopBundleInfo.h"
#include "platform/desktop/DesktopMainQueue.h"
#include "platform/desktop/PanelPopover.h"
#include "platform/desktop/QtScreens.h"
#include "platform/desktop/SettingsPreferencesStore.h"
#include "platform/desktop/X11EventMonitors.h"
#include "platform/desktop/X11KeyboardTap.h"
#include "platform/desktop/X11WindowStacking.h"
#include "platform/desktop/XdgAutostartLoginItems.h"
#include "platform/tray/TrayStatusBar.h"

namespace swivlo::desktop {

// The desktop implementations of the application's host interfaces, installed while this lives.
// Create it after the QApplication.
class DesktopPlatform {
public:
    DesktopPlatform();
    ~DesktopPlatform();
    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    DesktopMainQueue mainQueue;
    SettingsPreferencesStore preferences;
    tray::TrayStatusBar statusBar;
    PanelPopoverFactory popovers;
    X11EventMonitors monitors;
    DesktopApplication application;
    QtScreens screens;
    X11KeyboardTap keyboardTap;
    XdgAutostartLoginItems loginItems;
    DesktopBundleInfo bundleInfo;
    X11WindowStacking windowStacking;
};

}  // namespace swivlo::desktop
