#pragma once

#include <optional>
#include <string>

// The exact texts Swivlo sends to the macOS host for each switch, and the rules that read a
// switch's state from the host's answer. MacHost sends them, so every switch and scene sends the
// same bytes.
namespace swivlo::HostTexts {

// Values are sent as literal words: "true"/"false" for -bool settings and scripts, "1"/"0" for
// the one -int setting.
inline std::string boolWord(bool value) {
    return value ? "true" : "false";
}
inline std::string intWord(bool value) {
    return value ? "1" : "0";
}

inline const std::string desktopWritePrefix =
    "defaults write com.apple.finder CreateDesktop -bool ";
inline const std::string widgetsWritePrefix =
    "defaults write com.apple.WindowManager StandardHideWidgets -int ";
inline const std::string stageManagerWritePrefix =
    "defaults write com.apple.WindowManager GloballyEnabled -bool ";
inline const std::string finderRestart = "killall Finder";
inline const std::string windowManagerRestart = "killall WindowManager";
inline const std::string desktopRead = "defaults read com.apple.finder CreateDesktop";
inline const std::string widgetsRead = "defaults read com.apple.WindowManager StandardHideWidgets";
inline const std::string stageManagerRead = "defaults read com.apple.WindowManager GloballyEnabled";

inline const std::string dockScriptPrefix =
    "tell application \"System Events\" to set autohide of dock preferences to ";
inline const std::string dockReadingScript =
    "tell application \"System Events\" to get autohide of dock preferences";
inline const std::string appearanceScriptPrefix =
    "tell application \"System Events\"\n  tell appearance preferences\n    set dark mode to ";
inline const std::string appearanceScriptSuffix = "\n  end tell\nend tell";
inline const std::string hideWindowsScript =
    "tell application \"System Events\"\n  set visible of every process to false\nend tell";

inline std::string desktopWrite(bool visible) {
    return desktopWritePrefix + boolWord(visible);
}
inline std::string widgetsWrite(bool hide) {
    return widgetsWritePrefix + intWord(hide);
}
inline std::string stageManagerWrite(bool enabled) {
    return stageManagerWritePrefix + boolWord(enabled);
}
inline std::string dockScript(bool autohide) {
    return dockScriptPrefix + boolWord(autohide);
}
inline std::string appearanceScript(bool dark) {
    return appearanceScriptPrefix + boolWord(dark) + appearanceScriptSuffix;
}

// Reading rules; comparisons are exact and case-sensitive.
// Desktop icons: hidden when the Finder's setting says "0" or "false". A setting never
// written (the read fails) is the system's default, visible.
inline bool desktopHiddenFrom(const std::optional<std::string>& output) {
    return output && (*output == "0" || *output == "false");
}
// Stage Manager: "1" or "true".
inline bool stageManagerEnabledFrom(const std::optional<std::string>& output) {
    return output && (*output == "1" || *output == "true");
}
// Widgets: only "1" (an -int setting; "true" does not count).
inline bool widgetsHiddenFrom(const std::optional<std::string>& output) {
    return output && *output == "1";
}
// Dock auto-hide: the script result "true".
inline bool dockAutoHideFrom(const std::optional<std::string>& result) {
    return result && *result == "true";
}

}  // namespace swivlo::HostTexts
