#include "platform/host/linux/kde/KdeSupport.h"

#include <QColor>
#include <QDir>

#include "core/Localized.h"

namespace swivlo::linuxhost::kde {

namespace {

Support missing(const char* reason) {
    return {false, localized(reason)};
}

const QString dark = QStringLiteral("Dark");
const QString light = QStringLiteral("Light");

QString firstExisting(const QStringList& candidates,
                      const std::function<bool(const QString&)>& exists, const QString& fallback) {
    for (const QString& candidate : candidates) {
        if (!candidate.isEmpty() && exists(candidate)) {
            return candidate;
        }
    }
    return fallback;
}

}  // namespace

Support kdeSupport(Capability capability, const KdeFacts& facts) {
    if (!facts.plasmaShell) {
        return missing("Needs plasmashell");
    }
    switch (capability) {
        case Capability::darkMode:
            return facts.colorSchemeTool ? Support{} : missing("Needs plasma-apply-colorscheme");
        case Capability::hideDesktop:
            return facts.folderDesktop ? Support{} : missing("The desktop shows no Folder View");
        case Capability::autoHideDock:
            return facts.panel ? Support{} : missing("No Plasma panel");
        default:
            return missing("No Linux counterpart");
    }
}

KdeColorScheme kdeColorScheme(const QString& kdeglobals) {
    KdeColorScheme scheme;
    QString group;
    for (const QString& raw : kdeglobals.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[')) {
            group = line;
        } else if (group == QLatin1String("[General]") &&
                   line.startsWith(QLatin1String("ColorScheme=")) &&
                   !line.section(u'=', 1).isEmpty()) {
            scheme.name = line.section(u'=', 1);
        } else if (group == QLatin1String("[Colors:Window]") &&
                   line.startsWith(QLatin1String("BackgroundNormal="))) {
            const QStringList rgb = line.section(u'=', 1).split(u',');
            if (rgb.size() >= 3) {
                scheme.windowLightness =
                    QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt()).lightnessF();
            }
        }
    }
    return scheme;
}

QString kdeglobalsPath() {
    const QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    return (home.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : home) +
           QStringLiteral("/kdeglobals");
}

bool isDarkScheme(const QString& scheme, std::optional<double> windowLightness) {
    if (windowLightness) {
        return *windowLightness < 0.5;
    }
    return scheme.contains(dark, Qt::CaseInsensitive);
}

QString darkScheme(const QString& scheme, const std::function<bool(const QString&)>& exists) {
    if (scheme.endsWith(dark) && exists(scheme)) {
        return scheme;
    }
    const QString base = scheme.endsWith(light) ? scheme.chopped(light.size()) : scheme;
    return firstExisting({base + dark}, exists, QStringLiteral("BreezeDark"));
}

QString lightScheme(const QString& scheme, const std::function<bool(const QString&)>& exists) {
    const QString base = scheme.endsWith(dark) ? scheme.chopped(dark.size()) : QString();
    return firstExisting({base.isEmpty() ? QString() : base + light, base}, exists,
                         QStringLiteral("BreezeLight"));
}

std::optional<int> chooseDock(const std::vector<PlasmaPanel>& panels) {
    for (const PlasmaPanel& panel : panels) {
        for (const QString& widget : panel.widgets) {
            if (widget == QStringLiteral("org.kde.plasma.icontasks") ||
                widget == QStringLiteral("org.kde.plasma.taskmanager")) {
                return panel.id;
            }
        }
    }
    for (const PlasmaPanel& panel : panels) {
        if (panel.location == QStringLiteral("bottom")) {
            return panel.id;
        }
    }
    if (panels.empty()) {
        return std::nullopt;
    }
    return panels.front().id;
}

}  // namespace swivlo::linuxhost::kde
