// The switch actions and readings of SystemTools, and the keep-awake child.
#include "app/Notifications.h"
#include "platform/GlobalDomain.h"
#include "platform/HostPaths.h"
#include "platform/LogOutput.h"
#include "platform/NotificationCenter.h"
#include "switches/SystemTools.h"

namespace swivlo {

void SystemTools::setDesktopIconsVisible(bool visible) {
    // Restarting the Finder steals focus; the panel must not take that for an outside click.
    NotificationCenter::defaultCenter().post(Notification::suspendEventMonitor);
    runShellCommand(HostTexts::desktopWrite(visible));
    runShellCommand(HostTexts::finderRestart);
}

void SystemTools::setWidgetsHidden(bool hide) {
    runShellCommand(HostTexts::widgetsWrite(hide));
    runShellCommand(HostTexts::windowManagerRestart);
}

void SystemTools::setStageManagerEnabled(bool enabled) {
    runShellCommand(HostTexts::stageManagerWrite(enabled));
    runShellCommand(HostTexts::windowManagerRestart);
}

bool SystemTools::isDesktopIconsVisible() {
    return HostTexts::desktopIconsVisibleFrom(runShellCommand(HostTexts::desktopRead));
}

bool SystemTools::isStageManagerEnabled() {
    return HostTexts::stageManagerEnabledFrom(runShellCommand(HostTexts::stageManagerRead));
}

bool SystemTools::isDarkModeEnabled() {
    const auto value = globalDomain().persistentValue("AppleInterfaceStyle");
    return value && value->typeId() == QMetaType::QString && value->toString() == "Dark";
}

bool SystemTools::isWidgetsHidden() {
    return HostTexts::widgetsHiddenFrom(runShellCommand(HostTexts::widgetsRead));
}

bool SystemTools::isDockAutoHidden() {
    return HostTexts::dockAutoHideFrom(runAppleScript(HostTexts::dockReadingScript));
}

void SystemTools::setDockAutoHide(bool autohide) {
    runAppleScript(HostTexts::dockScript(autohide));
}

void SystemTools::setDarkMode(bool dark) {
    runAppleScript(HostTexts::appearanceScript(dark));
}

void SystemTools::hideAllWindows() {
    runAppleScript(HostTexts::hideWindowsScript);
}

void SystemTools::setKeepAwake(bool on) {
    if (on) {
        // A running child already keeps the computer awake; a second one could never be
        // stopped, because only one handle is kept.
        if (isKeepAwakeRunning()) {
            logLine("✅ Keep Awake enabled");
            return;
        }
        std::string error;
        auto child = processRunner().launch(
            {HostPaths::caffeinate, {"-d", "-i", "-s", "-u"}, std::nullopt}, error);
        if (!child) {
            logLine("❌ Failed to start caffeinate: " + error);
            return;
        }
        caffeinateProcess_ = std::move(child);
        logLine("✅ Keep Awake enabled");
        return;
    }
    if (caffeinateProcess_) {
        caffeinateProcess_->terminate();
    }
    caffeinateProcess_.reset();
    logLine("✅ Keep Awake disabled");
}

bool SystemTools::isKeepAwakeRunning() const {
    return caffeinateProcess_ && caffeinateProcess_->isRunning();
}

void SystemTools::applicationWillTerminate() {
    if (caffeinateProcess_) {
        setKeepAwake(false);
    }
}

}  // namespace swivlo
