#include "settings/SettingsTab.h"
#include "core/Localized.h"

#include <QCoreApplication>

namespace swivlo {

std::string_view rawValue(SettingsTab tab) {
    switch (tab) {
        case SettingsTab::general:
            return "General";
        case SettingsTab::scene:
            return "Scene";
        case SettingsTab::about:
            return "About";
    }
    return "General";
}

QString title(SettingsTab tab) {
    // The keys are listed here so the translation tools see them.
    switch (tab) {
        case SettingsTab::general:
            return localized("General");
        case SettingsTab::scene:
            return localized("Scene");
        case SettingsTab::about:
            return localized("About");
    }
    return {};
}

QString symbolName(SettingsTab tab) {
    switch (tab) {
        case SettingsTab::general:
            return QStringLiteral("gear");
        case SettingsTab::scene:
            return QStringLiteral("wand.and.rays");
        case SettingsTab::about:
            return QStringLiteral("info.circle");
    }
    return {};
}

}  // namespace swivlo
