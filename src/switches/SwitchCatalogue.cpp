#include "switches/SwitchCatalogue.h"
#include "core/Localized.h"

#include <QCoreApplication>

namespace swivlo {

QString Switch::featureTitle() const {
    return localized(title, featureNote);
}

QString Switch::summaryLabel() const {
    return localized(title, summaryNote);
}

namespace SwitchCatalogue {

const std::vector<Switch>& all() {
    using Kind = Switch::Kind;
    // The translator notes tell a scene feature's title apart from its shorter summary label.
    static const std::vector<Switch> switches = {
        {"hide_desktop", "hideDesktop", "Hide Desktop", "Label for Hide Desktop feature",
         "Short label for Hide Desktop feature in scene summary", "menubar.rectangle", "blue",
         Kind::toggle, nullptr, Capability::hideDesktop},
        {"hide_widgets", "hideWidgets", "Hide Widgets", "Label for Hide Widgets feature",
         "Short label for Hide Widgets feature in scene summary", "square.grid.2x2.fill", "orange",
         Kind::toggle, nullptr, Capability::hideWidgets},
        {"auto_hide_dock", "autoHideDock", "Auto Hide Dock", "Label for Auto Hide Dock feature",
         "Short label for Auto Hide Dock feature in scene summary", "dock.rectangle", "purple",
         Kind::toggle, nullptr, Capability::autoHideDock},
        {"stage_manager", "stageManager", "Stage Manager", "Label for Stage Manager feature",
         "Short label for Stage Manager feature in scene summary", "rectangle.split.3x3", "green",
         Kind::toggle, nullptr, Capability::stageManager},
        {"hide_all_windows", "", "Hide All Windows", nullptr, nullptr, "eye.slash.fill", "red",
         Kind::action, "Hide", Capability::hideAllWindows},
        {"dark_mode", "darkMode", "Dark Mode", "Label for Dark Mode feature",
         "Short label for Dark Mode feature in scene summary", "moon.fill", "indigo", Kind::toggle,
         nullptr, Capability::darkMode},
        {"keep_awake", "keepAwake", "Keep Awake", "Label for Keep Awake feature",
         "Short label for Keep Awake feature in scene summary", "bolt.fill", "yellow", Kind::toggle,
         nullptr, Capability::keepAwake},
        {"screen_cleaner", "", "Screen Cleaner", nullptr, nullptr, "sparkles", "cyan", Kind::action,
         "Start", std::nullopt},
    };
    return switches;
}

const Switch* byPanelId(std::string_view id) {
    for (const Switch& entry : all()) {
        if (entry.panelId == id) {
            return &entry;
        }
    }
    return nullptr;
}

const Switch* byCapability(Capability capability) {
    for (const Switch& entry : all()) {
        if (entry.capability == capability) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace SwitchCatalogue

}  // namespace swivlo
