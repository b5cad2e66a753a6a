#pragma once

#include <optional>
#include <string>

namespace swivlo {

// The one object through which Swivlo drives the host: runs shell commands and scripts, changes
// and reads each switch, and holds the keep-awake child. Main thread only.
class SystemTools {
public:
    static SystemTools& shared();

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

    void setKeepAwake(bool on);
    bool isKeepAwakeRunning() const;

private:
    bool lastPermissionDenied_ = false;
};

}  // namespace swivlo
