#pragma once

#include <QString>
#include <array>
#include <string_view>

namespace swivlo {

// The tabs of the settings window, in sidebar order.
enum class SettingsTab { general, scene, about };

inline constexpr std::array<SettingsTab, 3> allSettingsTabs = {
    SettingsTab::general, SettingsTab::scene, SettingsTab::about};

// The raw value, which is also the localisation key of the title.
std::string_view rawValue(SettingsTab tab);
QString title(SettingsTab tab);
// The system symbol shown beside the title.
QString symbolName(SettingsTab tab);

}  // namespace swivlo
