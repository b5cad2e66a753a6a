#include "platform/host/linux/xfce/XfceSwitches.h"

#include <QDir>
#include <QJsonObject>
#include <QStandardPaths>

#include "platform/LogOutput.h"
#include "platform/host/linux/RememberingSwitch.h"
#include "platform/host/linux/SessionBus.h"
#include "platform/host/linux/xfce/XfceSupport.h"
#include "platform/host/linux/xfce/Xfconf.h"

namespace swivlo::linuxhost::xfce {

namespace {

const QString xsettings = QStringLiteral("xsettings");
const QString themeName = QStringLiteral("/Net/ThemeName");
const QString xfwm4 = QStringLiteral("xfwm4");
const QString xfwm4Theme = QStringLiteral("/general/theme");
const QString desktopChannel = QStringLiteral("xfce4-desktop");
const QString iconStyle = QStringLiteral("/desktop-icons/style");
const QString panelChannel = QStringLiteral("xfce4-panel");

// xfdesktop's icon styles and the panel's hiding modes.
constexpr int noIcons = 0;
constexpr int fileIcons = 2;
constexpr unsigned neverHide = 0;
constexpr unsigned alwaysHide = 2;

// Where GTK and xfwm4 look for themes, the user's own first.
QStringList themeFolders() {
    QStringList folders = {QDir::homePath() + QStringLiteral("/.themes")};
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty()) {
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    }
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty()) {
        dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    }
    for (const QString& dir : (dataHome + u':' + dataDirs).split(u':', Qt::SkipEmptyParts)) {
        folders << dir + QStringLiteral("/themes");
    }
    return folders;
}

bool themeHas(const QString& name, const QStringList& parts) {
    if (name.isEmpty() || name.contains(u'/')) {
        return false;
    }
    for (const QString& folder : themeFolders()) {
        for (const QString& part : parts) {
            if (QDir(folder + u'/' + name + u'/' + part).exists()) {
                return true;
            }
        }
    }
    return false;
}

// GTK 3 carries Adwaita inside itself; other themes are folders.
bool gtkThemeExists(const QString& name) {
    return name == QStringLiteral("Adwaita") ||
           themeHas(name, {QStringLiteral("gtk-3.0"), QStringLiteral("gtk-2.0")});
}

bool xfwm4ThemeExists(const QString& name) {
    return themeHas(name, {QStringLiteral("xfwm4")});
}

const QString adwaitaDark = QStringLiteral("Adwaita-dark");
const QString adwaita = QStringLiteral("Adwaita");

QString stringAt(const QString& channel, const QString& property) {
    return Xfconf::get(channel, property).value_or(QVariant()).toString();
}

// Sets and reads back: xfconfd reports what its clients now see.
bool setAndCheck(const QString& channel, const QString& property, const QVariant& value) {
    if (!Xfconf::set(channel, property, value)) {
        return false;
    }
    const auto now = Xfconf::get(channel, property);
    if (!now || now->toString() != value.toString()) {
        logLine("❌ xfconf kept " + channel.toStdString() + " " + property.toStdString() + " at " +
                now.value_or(QVariant()).toString().toStdString());
        return false;
    }
    return true;
}

class DarkModeSwitch : public RememberingSwitch {
public:
    using RememberingSwitch::RememberingSwitch;

    Support support() const override {
        XfceFacts facts;
        facts.xfconf = Xfconf::available();
        facts.settingsDaemon = sessionbus::hasOwner(QStringLiteral("org.xfce.SettingsDaemon"));
        facts.darkTheme =
            facts.xfconf &&
            !darkTwin(stringAt(xsettings, themeName), gtkThemeExists, adwaitaDark).isEmpty();
        return xfceSupport(Capability::darkMode, facts);
    }

    std::optional<bool> isOn() override {
        const auto theme = Xfconf::get(xsettings, themeName);
        if (!theme) {
            return std::nullopt;
        }
        return isDarkTheme(theme->toString());
    }

protected:
    std::optional<QJsonObject> valuesToKeep() override {
        const QString theme = stringAt(xsettings, themeName);
        if (darkTwin(theme, gtkThemeExists, adwaitaDark).isEmpty()) {
            return std::nullopt;
        }
        return QJsonObject{{"theme", theme}, {"windowTheme", stringAt(xfwm4, xfwm4Theme)}};
    }

    bool apply(bool on, const std::optional<QJsonObject>& kept) override {
        const QString theme = stringAt(xsettings, themeName);
        const QString frame = stringAt(xfwm4, xfwm4Theme);
        QString newTheme;
        QString newFrame;
        if (on) {
            newTheme = darkTwin(theme, gtkThemeExists, adwaitaDark);
            newFrame = darkTwin(frame, xfwm4ThemeExists);
        } else if (kept) {
            newTheme = (*kept)[QStringLiteral("theme")].toString();
            newFrame = (*kept)[QStringLiteral("windowTheme")].toString();
        } else {
            newTheme = lightTwin(theme, gtkThemeExists, adwaita);
            newFrame = lightTwin(frame, xfwm4ThemeExists);
        }
        return !newTheme.isEmpty() && setAndCheck(xsettings, themeName, newTheme) &&
               (newFrame.isEmpty() || newFrame == frame ||
                setAndCheck(xfwm4, xfwm4Theme, newFrame));
    }
};

class HideDesktopSwitch : public RememberingSwitch {
public:
    using RememberingSwitch::RememberingSwitch;

    Support support() const override {
        XfceFacts facts;
        facts.xfconf = Xfconf::available();
        facts.desktop = sessionbus::hasOwner(QStringLiteral("org.xfce.xfdesktop"));
        return xfceSupport(Capability::hideDesktop, facts);
    }

    std::optional<bool> isOn() override {
        if (!Xfconf::available()) {
            return std::nullopt;
        }
        // Unset means xfdesktop's default, file icons.
        return Xfconf::get(desktopChannel, iconStyle).value_or(fileIcons).toInt() == noIcons;
    }

protected:
    std::optional<QJsonObject> valuesToKeep() override {
        const auto style = Xfconf::get(desktopChannel, iconStyle);
        return QJsonObject{{"style", style ? QJsonValue(style->toInt()) : QJsonValue()}};
    }

    bool apply(bool on, const std::optional<QJsonObject>& kept) override {
        if (on) {
            return setAndCheck(desktopChannel, iconStyle, qint32(noIcons));
        }
        if (kept && (*kept)[QStringLiteral("style")].isNull()) {
            return Xfconf::reset(desktopChannel, iconStyle) &&
                   !Xfconf::get(desktopChannel, iconStyle).has_value();
        }
        const int restored = kept ? (*kept)[QStringLiteral("style")].toInt() : fileIcons;
        return setAndCheck(desktopChannel, iconStyle, qint32(restored));
    }
};

// The panels xfce4-panel runs, with their plugins' names.
std::vector<PanelFacts> panels() {
    const QMap<QString, QVariant> plugins = Xfconf::all(panelChannel, QStringLiteral("/plugins"));
    std::vector<PanelFacts> found;
    for (const QVariant& id :
         Xfconf::get(panelChannel, QStringLiteral("/panels")).value_or(QVariantList()).toList()) {
        PanelFacts panel{id.toInt(), {}};
        const QString ids = QStringLiteral("/panels/panel-%1/plugin-ids").arg(panel.id);
        for (const QVariant& plugin :
             Xfconf::get(panelChannel, ids).value_or(QVariantList()).toList()) {
            panel.plugins << plugins.value(QStringLiteral("/plugins/plugin-%1").arg(plugin.toInt()))
                                 .toString();
        }
        found.push_back(panel);
    }
    return found;
}

QString hidingOf(int panel) {
    return QStringLiteral("/panels/panel-%1/autohide-behavior").arg(panel);
}

class AutoHideDockSwitch : public RememberingSwitch {
public:
    using RememberingSwitch::RememberingSwitch;

    Support support() const override {
        XfceFacts facts;
        facts.xfconf = Xfconf::available();
        facts.panel = sessionbus::hasOwner(QStringLiteral("org.xfce.Panel"));
        facts.dockPanel = facts.xfconf && chooseDock(panels()).has_value();
        return xfceSupport(Capability::autoHideDock, facts);
    }

    std::optional<bool> isOn() override {
        const auto dock = chooseDock(panels());
        if (!dock) {
            return std::nullopt;
        }
        // "Intelligently" leaves the dock on screen until a window covers it: not hidden.
        return Xfconf::get(panelChannel, hidingOf(*dock)).value_or(neverHide).toUInt() ==
               alwaysHide;
    }

protected:
    std::optional<QJsonObject> valuesToKeep() override {
        const auto dock = chooseDock(panels());
        if (!dock) {
            return std::nullopt;
        }
        const auto hiding = Xfconf::get(panelChannel, hidingOf(*dock));
        return QJsonObject{{"panel", *dock},
                           {"hiding", hiding ? QJsonValue(int(hiding->toUInt())) : QJsonValue()}};
    }

    bool apply(bool on, const std::optional<QJsonObject>& kept) override {
        const auto dock = chooseDock(panels());
        if (!dock) {
            return false;
        }
        if (on) {
            return setAndCheck(panelChannel, hidingOf(*dock), quint32(alwaysHide));
        }
        const int panel = kept ? (*kept)[QStringLiteral("panel")].toInt(*dock) : *dock;
        if (kept && (*kept)[QStringLiteral("hiding")].isNull()) {
            return Xfconf::reset(panelChannel, hidingOf(panel));
        }
        const unsigned restored =
            kept ? unsigned((*kept)[QStringLiteral("hiding")].toInt()) : neverHide;
        return setAndCheck(panelChannel, hidingOf(panel), quint32(restored));
    }
};

}  // namespace

std::map<Capability, std::unique_ptr<DesktopSwitch>> makeSwitches(FoundValues& found) {
    return makeRememberingSwitches<DarkModeSwitch, HideDesktopSwitch, AutoHideDockSwitch>(
        found, QStringLiteral("xfce"));
}

}  // namespace swivlo::linuxhost::xfce
