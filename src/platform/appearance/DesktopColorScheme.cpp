#include "platform/appearance/DesktopColorScheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include "platform/host/linux/kde/KdeSupport.h"
#include "platform/host/linux/xfce/XfceSupport.h"
#include "platform/host/linux/xfce/Xfconf.h"

namespace swivlo {

ColorSchemeSource colorSchemeSourceFor(const Session& session) {
    switch (session.desktop) {
        case DesktopFamily::kde:
            return ColorSchemeSource::kdeglobals;
        case DesktopFamily::xfce:
            return ColorSchemeSource::xfconf;
        default:
            return ColorSchemeSource::portal;
    }
}

std::optional<bool> darkFromPortalValue(unsigned value) {
    if (value == 1 || value == 2) {
        return value == 1;
    }
    return std::nullopt;
}

std::optional<bool> darkFromThemeName(const QString& theme) {
    if (theme.trimmed().isEmpty()) {
        return std::nullopt;
    }
    return linuxhost::xfce::isDarkTheme(theme.trimmed());
}

std::optional<bool> darkFromKdeGlobals(const QString& text) {
    const auto lightness = linuxhost::kde::kdeColorScheme(text).windowLightness;
    if (!lightness) {
        return std::nullopt;
    }
    return *lightness < 0.5;
}

DesktopColorScheme::~DesktopColorScheme() = default;

void DesktopColorScheme::update(std::optional<bool> dark, const QString& description) {
    const bool different = dark != dark_;
    dark_ = dark;
    description_ = description;
    if (different) {
        emit changed();
    }
}

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString portalSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString xfconfService = QStringLiteral("org.xfce.Xfconf");
const QString themeName = QStringLiteral("/Net/ThemeName");

// The XDG settings portal: Read once, then its SettingChanged signal.
class PortalColorScheme : public DesktopColorScheme {
    Q_OBJECT

public:
    PortalColorScheme() {
        QDBusMessage read = QDBusMessage::createMethodCall(portalService, portalPath,
                                                           portalSettings, QStringLiteral("Read"));
        read.setArguments(
            {QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme")});
        // Asked without waiting: the portal may have to be started first.
        auto* watcher =
            new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(read), this);
        connect(
            watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* call) {
                const QDBusMessage reply = call->reply();
                if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                    // A variant holding a variant holding the number.
                    QVariant value = reply.arguments().first();
                    while (value.canConvert<QDBusVariant>()) {
                        value = value.value<QDBusVariant>().variant();
                    }
                    apply(value.toUInt());
                }
                call->deleteLater();
            });
        QDBusConnection::sessionBus().connect(portalService, portalPath, portalSettings,
                                              QStringLiteral("SettingChanged"), this,
                                              SLOT(settingChanged(QString, QString, QDBusVariant)));
    }

private slots:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value) {
        if (group == QLatin1String("org.freedesktop.appearance") &&
            key == QLatin1String("color-scheme")) {
            apply(value.variant().toUInt());
        }
    }

private:
    void apply(unsigned value) {
        update(darkFromPortalValue(value),
               QStringLiteral("the settings portal's color-scheme %1").arg(value));
    }
};

// XFCE's XSETTINGS theme through xfconf, the daemon xfsettingsd serves XSETTINGS from.
class XfconfColorScheme : public DesktopColorScheme {
    Q_OBJECT

public:
    XfconfColorScheme() {
        using linuxhost::xfce::Xfconf;
        if (const auto theme = Xfconf::get(QStringLiteral("xsettings"), themeName)) {
            apply(theme->toString());
        }
        QDBusConnection::sessionBus().connect(
            xfconfService, QStringLiteral("/org/xfce/Xfconf"), QStringLiteral("org.xfce.Xfconf"),
            QStringLiteral("PropertyChanged"), this,
            SLOT(propertyChanged(QString, QString, QDBusVariant)));
    }

private slots:
    void propertyChanged(const QString& channel, const QString& property,
                         const QDBusVariant& value) {
        if (channel == QLatin1String("xsettings") && property == themeName) {
            apply(value.variant().toString());
        }
    }

private:
    void apply(const QString& theme) {
        update(darkFromThemeName(theme), QStringLiteral("XSETTINGS theme ") + theme);
    }
};

// KDE's kdeglobals, rewritten whole when the colour scheme changes.
class KdeColorScheme : public DesktopColorScheme {
    Q_OBJECT

public:
    KdeColorScheme() : path_(linuxhost::kde::kdeglobalsPath()) {
        // The folder too: a file replaced by a rename is no longer watched.
        watcher_.addPath(QFileInfo(path_).absolutePath());
        if (QFile::exists(path_)) {
            watcher_.addPath(path_);
        }
        connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &KdeColorScheme::read);
        connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &KdeColorScheme::read);
        read();
    }

private:
    void read() {
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly)) {
            return update(std::nullopt, path_ + QStringLiteral(" missing"));
        }
        const QString text = QString::fromUtf8(file.readAll());
        update(darkFromKdeGlobals(text),
               QStringLiteral("KDE colour scheme ") + linuxhost::kde::kdeColorScheme(text).name);
    }

    QString path_;
    QFileSystemWatcher watcher_;
};

}  // namespace

std::unique_ptr<DesktopColorScheme> DesktopColorScheme::open(const Session& session) {
    switch (colorSchemeSourceFor(session)) {
        case ColorSchemeSource::kdeglobals:
            return std::make_unique<KdeColorScheme>();
        case ColorSchemeSource::xfconf:
            if (session.sessionBus) {
                return std::make_unique<XfconfColorScheme>();
            }
            break;
        case ColorSchemeSource::portal:
            if (session.sessionBus) {
                return std::make_unique<PortalColorScheme>();
            }
            break;
    }
    return nullptr;
}

}  // namespace swivlo

#include "DesktopColorScheme.moc"
