#pragma once

// What the simulated host records for each switch change, written out literally (not built from
// the program's own texts), so a test fails when a text the program sends changes.
#include <string>
#include <vector>

namespace swivlo::testing::timelines {

using Texts = std::vector<std::string>;

inline Texts operator+(Texts a, const Texts& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline std::string word(bool v) {
    return v ? "true" : "false";
}

inline Texts desktopVisible(bool v) {
    return {"shell: defaults write com.apple.finder CreateDesktop -bool " + word(v),
            "shell: killall Finder", "restart: Finder"};
}
inline Texts widgetsHidden(bool v) {
    return {std::string("shell: defaults write com.apple.WindowManager StandardHideWidgets -int ") +
                (v ? "1" : "0"),
            "shell: killall WindowManager", "restart: WindowManager"};
}
inline Texts stageManager(bool v) {
    return {"shell: defaults write com.apple.WindowManager GloballyEnabled -bool " + word(v),
            "shell: killall WindowManager", "restart: WindowManager"};
}
inline Texts dock(bool v) {
    return {"script: tell application \"System Events\" to set autohide of dock preferences to " +
            word(v)};
}
inline Texts darkMode(bool v) {
    return {
        "script: tell application \"System Events\"\n  tell appearance preferences\n    set "
        "dark mode to " +
        word(v) + "\n  end tell\nend tell"};
}
inline const Texts hideWindows = {
    "script: tell application \"System Events\"\n  set visible of every process to false\nend "
    "tell"};
inline const Texts keepAwakeOn = {"launch: /usr/bin/caffeinate -d -i -s -u"};
inline const Texts keepAwakeOff = {"terminate: /usr/bin/caffeinate"};
inline const Texts suspendMonitor = {"notification: SuspendEventMonitor"};

}  // namespace swivlo::testing::timelines
