#pragma once

#include <QByteArray>
#include <ostream>
#include <string>
#include <vector>

namespace swivlo::testing {

// Preferences files a user could leave behind by editing Swivlo.conf by hand, with the keys
// whose stored value the program must ignore (and say so once).
struct HostileFile {
    const char* name;
    QByteArray contents;
    std::vector<std::string> ignoredKeys;
};

// Names the case in failure messages instead of dumping its bytes.
inline void PrintTo(const HostileFile& file, std::ostream* os) {
    *os << file.name;
}

inline std::vector<HostileFile> hostilePreferenceFiles() {
    QByteArray longOrder;
    longOrder.reserve(1 << 20);
    while (longOrder.size() < (1 << 20)) {
        longOrder += "not_an_item,,$(reboot)&";
    }
    longOrder += ",keep_awake";
    return {
        {"EveryKeyOfTheWrongType",
         "[General]\n"
         "launchAtLogin=sometimes\n"
         "autoClosePanel=@ByteArray(true)\n"
         "hiddenSwitchIDs=@ByteArray(keep_awake)\n"
         "panelItemsOrder=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
         "hotkeyEnabled=12abc\n"
         "hotkeyModifierFlags=true-ish\n"
         "hotkeyKeyCode=1.5\n"
         "hotkeyKeyDisplayString=@ByteArray(\\xff\\xfe)\n"
         "SwivloScenes=[{\"id\": 1}]\n",
         {"launchAtLogin", "autoClosePanel", "hiddenSwitchIDs", "panelItemsOrder", "hotkeyEnabled",
          "hotkeyModifierFlags", "hotkeyKeyCode", "SwivloScenes"}},
        // Unquoted commas: it reads back as a list of a few hundred thousand pieces.
        {"AOneMegabyteOrderString", "[General]\npanelItemsOrder=" + longOrder + "\n", {}},
        {"NegativeAndHugeKeyCodes",
         "[General]\nhotkeyEnabled=true\nhotkeyKeyCode=-7\n"
         "hotkeyModifierFlags=-99999999999999999999999\n",
         {"hotkeyKeyCode", "hotkeyModifierFlags"}},
        {"AKeyCodeBeyondSixteenBits",
         "[General]\nhotkeyEnabled=true\nhotkeyKeyCode=4294967297\nhotkeyModifierFlags=-1\n",
         {"hotkeyKeyCode", "hotkeyModifierFlags"}},
        {"ATruncatedFile",
         "[General]\nautoClosePanel=true\nhiddenSwitchIDs=dark_mode\nhotkeyEnabled=true\n"
         "hotkeyKeyCode=1\nhotkeyModifierFlags=786432\npanelItemsOrder=\"keep_awake,dark_mo",
         {}},
        {"NonUtf8Bytes",
         "[General]\nhotkeyKeyDisplayString=\xc3\x28\xff\nhiddenSwitchIDs=keep_awake,\xfe\xfe\n"
         "panelItemsOrder=\xe2\x82,dark_mode\n",
         {}},
    };
}

}  // namespace swivlo::testing
