#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ProcessRunner.h"
#include "switches/HostTexts.h"

namespace swivlo {

// The one object through which Swivlo drives the host: runs shell commands and scripts, changes
// and reads each switch, and holds the keep-awake child. Main thread only. It reaches the host
// through the installed ProcessRunner, ScriptRunner and GlobalDomain, and logs through logLine.
class SystemTools {
public:
    static SystemTools& shared();

    SystemTools(const SystemTools&) = delete;
    SystemTools& operator=(const SystemTools&) = delete;

    static inline const std::string shellEnvironment = "PATH=/usr/bin:/bin:/usr/sbin:/sbin";

    // Runs `command` with /bin/zsh -c; the combined, trimmed output, or none when the shell
    // could not be started or the output is not UTF-8.
    std::optional<std::string> runShellCommand(const std::string& command);
    // Runs an AppleScript text; its string result, or none on any error.
    std::optional<std::string> runAppleScript(const std::string& source);
    bool lastPermissionDenied() const { return lastPermissionDenied_; }

    void setDesktopIconsVisible(bool visible);
    void setWidgetsHidden(bool hide);
    void setStageManagerEnabled(bool enabled);
    bool isDesktopIconsVisible();
    bool isStageManagerEnabled();
    bool isDarkModeEnabled();

    // Each of these is one run of the text HostTexts gives for it.
    bool isWidgetsHidden();
    bool isDockAutoHidden();
    void setDockAutoHide(bool autohide);
    void setDarkMode(bool dark);
    void hideAllWindows();

    void setKeepAwake(bool on);
    bool isKeepAwakeRunning() const;
    const ChildProcess* caffeinateProcess() const { return caffeinateProcess_.get(); }

    // At quit: ends the keep-awake child so the computer does not stay awake without Swivlo.
    void applicationWillTerminate();

    // Tests only: ends any keep-awake child and clears the flags, as at start.
    static void resetSharedForTesting();

private:
    SystemTools() = default;

    bool lastPermissionDenied_ = false;
    std::unique_ptr<ChildProcess> caffeinateProcess_;
};

}  // namespace swivlo
