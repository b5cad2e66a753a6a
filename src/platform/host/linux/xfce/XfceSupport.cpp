#include "platform/host/linux/xfce/XfceSupport.h"

#include "core/Localized.h"

namespace swivlo::linuxhost::xfce {

namespace {

Support missing(const char* reason) {
    return {false, localized(reason)};
}

const QString darkSuffix = QStringLiteral("-dark");

bool holdsTray(const PanelFacts& panel) {
    return panel.plugins.contains(QStringLiteral("systray")) ||
           panel.plugins.contains(QStringLiteral("statusnotifier"));
}

}  // namespace

Support xfceSupport(Capability capability, const XfceFacts& facts) {
    if (!facts.xfconf) {
        return missing("Needs xfconfd");
    }
    switch (capability) {
        case Capability::darkMode:
            if (!facts.settingsDaemon) {
                return missing("Needs xfsettingsd");
            }
            return facts.darkTheme ? Support{} : missing("No dark GTK theme installed");
        case Capability::hideDesktop:
            return facts.desktop ? Support{} : missing("Needs xfdesktop");
        case Capability::autoHideDock:
            if (!facts.panel) {
                return missing("No panel of XFCE's is running");
            }
            return facts.dockPanel ? Support{}
                                   : missing("No XFCE panel besides the one with the tray");
        default:
            return missing("No Linux counterpart");
    }
}

bool isDarkTheme(const QString& name) {
    return name.endsWith(darkSuffix, Qt::CaseInsensitive);
}

QString darkTwin(const QString& name, const std::function<bool(const QString&)>& exists,
                 const QString& fallback) {
    if (isDarkTheme(name)) {
        return name;
    }
    for (const QString& candidate : {name + darkSuffix, name + QStringLiteral("-Dark"), fallback}) {
        if (!candidate.isEmpty() && exists(candidate)) {
            return candidate;
        }
    }
    return {};
}

QString lightTwin(const QString& name, const std::function<bool(const QString&)>& exists,
                  const QString& fallback) {
    if (!isDarkTheme(name)) {
        return name;
    }
    for (const QString& candidate : {name.chopped(darkSuffix.size()), fallback}) {
        if (!candidate.isEmpty() && exists(candidate)) {
            return candidate;
        }
    }
    return {};
}

std::optional<int> chooseDock(const std::vector<PanelFacts>& panels) {
    std::optional<int> first;
    for (const PanelFacts& panel : panels) {
        if (holdsTray(panel)) {
            continue;
        }
        if (panel.plugins.contains(QStringLiteral("launcher"))) {
            return panel.id;
        }
        if (!first) {
            first = panel.id;
        }
    }
    return first;
}

}  // namespace swivlo::linuxhost::xfce
