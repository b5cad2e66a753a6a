#include "settings/GeneralSettings.h"

#include <algorithm>
#include <set>

#include "platform/Preferences.h"
#include "platform/PreferencesStore.h"
#include "settings/LaunchAtLogin.h"
#include "switches/PanelItems.h"
#include "switches/SystemTools.h"

namespace swivlo {

namespace {

std::set<std::string> hiddenIds() {
    return PanelItems::idSet(Preferences::hiddenSwitchIDs());
}

}  // namespace

void GeneralSettings::reload() {
    orderedSwitches_.clear();
    for (const Switch* entry : PanelItems::orderedItems(Preferences::panelItemsOrder())) {
        const Support support = SystemTools::shared().availability(*entry);
        orderedSwitches_.push_back({std::string(entry->panelId), entry->title,
                                    support.available ? QString() : support.reason});
    }
}

void GeneralSettings::moveSwitches(std::vector<int> sources, int destination) {
    const int size = static_cast<int>(orderedSwitches_.size());
    std::sort(sources.begin(), sources.end());
    sources.erase(std::unique(sources.begin(), sources.end()), sources.end());
    std::erase_if(sources, [size](int i) { return i < 0 || i >= size; });
    if (sources.empty()) {
        return;
    }
    destination = std::clamp(destination, 0, size);
    std::vector<SwitchItem> moved;
    std::vector<SwitchItem> rest;
    for (int i = 0; i < size; ++i) {
        const bool isMoved = std::binary_search(sources.begin(), sources.end(), i);
        (isMoved ? moved : rest).push_back(orderedSwitches_[i]);
    }
    const auto before = std::count_if(sources.begin(), sources.end(),
                                      [destination](int i) { return i < destination; });
    rest.insert(rest.begin() + (destination - before), moved.begin(), moved.end());

    std::vector<std::string> ids;
    for (const auto& item : rest) {
        ids.push_back(item.id);
    }
    // The list keeps showing what is stored when the new order cannot be saved.
    if (preferences().setString(PreferencesKey::panelItemsOrder, PanelItems::joinIds(ids))) {
        orderedSwitches_ = std::move(rest);
    }
}

bool GeneralSettings::isShown(const std::string& id) const {
    return !hiddenIds().count(id);
}

void GeneralSettings::toggleVisibility(const std::string& id) {
    auto hidden = hiddenIds();
    if (!hidden.erase(id)) {
        hidden.insert(id);
    }
    preferences().setString(PreferencesKey::hiddenSwitchIDs,
                            PanelItems::joinIds({hidden.begin(), hidden.end()}));
}

bool GeneralSettings::launchAtLogin() const {
    return Preferences::launchAtLogin();
}

std::optional<std::string> GeneralSettings::setLaunchAtLogin(bool on) {
    return swivlo::setLaunchAtLogin(on);
}

bool GeneralSettings::autoClosePanel() const {
    return Preferences::autoClosePanel();
}

void GeneralSettings::setAutoClosePanel(bool on) {
    preferences().setBool(PreferencesKey::autoClosePanel, on);
}

bool GeneralSettings::hotkeyEnabled() const {
    return Preferences::hotkeyEnabled();
}

void GeneralSettings::setHotkeyEnabled(bool on) {
    preferences().setBool(PreferencesKey::hotkeyEnabled, on);
}

HotkeyRecorderView GeneralSettings::recorderView() const {
    return {Preferences::hotkeyKeyDisplayString(), &GeneralSettings::capture,
            &GeneralSettings::clear};
}

void GeneralSettings::capture(std::int64_t modifierFlags, std::int64_t keyCode,
                              const std::string& text) {
    Preferences::setShortcut(modifierFlags, keyCode, text);
}

void GeneralSettings::clear() {
    Preferences::clearShortcut();
}

}  // namespace swivlo
