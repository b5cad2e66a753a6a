#pragma once

// A private desktop session for the Linux desktop host: a session bus of its own, on which the
// real dconf-service starts on demand and keeps the settings in the app's own config folder,
// with the real schemas (the dock's and desktop icons' from scripts/desktop-fixtures).
#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>

#include "X11App.h"

namespace swivlo::testing::x11 {

class DesktopSession {
public:
    // Shares `app`'s config and runtime folders, and points it at this session.
    explicit DesktopSession(SwivloProcess& app, const QString& desktop = QStringLiteral("GNOME")) {
        QProcess fixtures;
        fixtures.start(QStringLiteral(SWIVLO_DESKTOP_FIXTURES), {});
        fixtures.waitForFinished(120000);
        const QString folder = QString::fromUtf8(fixtures.readAllStandardOutput()).trimmed();
        if (folder.isEmpty()) {
            return;
        }
        env_ = app.environment();
        env_.insert(QStringLiteral("XDG_DATA_DIRS"), folder + QStringLiteral("/share:/usr/share"));
        env_.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("dconf"));
        bus_.setProcessEnvironment(env_);
        bus_.start(QStringLiteral("dbus-daemon"),
                   {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (!bus_.waitForReadyRead(10000)) {
            return;
        }
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        env_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
        for (const QString& name :
             {QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("XDG_DATA_DIRS"),
              QStringLiteral("GSETTINGS_BACKEND")}) {
            app.overrides.insert(name, env_.value(name));
        }
        app.overrides.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), desktop);
        // Ubuntu's Yaru-blue theme with its dark twin, as yaru-theme-gtk installs them.
        QDir(dataHome_.path()).mkpath(QStringLiteral("themes/Yaru-blue"));
        QDir(dataHome_.path()).mkpath(QStringLiteral("themes/Yaru-blue-dark"));
        app.overrides.insert(QStringLiteral("XDG_DATA_HOME"), dataHome_.path());
        app.overrides.insert(QStringLiteral("SWIVLO_HOST"), QStringLiteral("linux"));
    }
    ~DesktopSession() {
        // dconf-service leaves with its bus.
        bus_.kill();
        bus_.waitForFinished(5000);
    }
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    bool isValid() const { return !address_.isEmpty(); }
    // The session bus goes away, as when the session ends under a running program.
    void endBus() {
        bus_.kill();
        bus_.waitForFinished(5000);
    }

    // Starts a program on this session's bus.
    void start(QProcess& process, const QString& program, const QStringList& arguments) const {
        process.setProcessEnvironment(env_);
        process.start(program, arguments);
    }

    // The gsettings command on this session: its trimmed output.
    QString gsettings(const QStringList& arguments) const {
        QProcess process;
        start(process, QStringLiteral("gsettings"), arguments);
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }
    QString get(const QString& schema, const QString& key) const {
        return gsettings({QStringLiteral("get"), schema, key});
    }
    void set(const QString& schema, const QString& key, const QString& value) const {
        gsettings({QStringLiteral("set"), schema, key, value});
    }

private:
    QTemporaryDir dataHome_;
    QProcessEnvironment env_;
    QProcess bus_;
    QString address_;
};

}  // namespace swivlo::testing::x11
