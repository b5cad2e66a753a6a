#pragma once

// A real GNOME Shell 43 session (gnome_shell_session.sh) on a virtual X server of its own, with
// the dock, desktop icons and AppIndicator extensions, for the Linux host's tests. Start it once
// per test binary: it takes a few seconds.
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

#include "X11App.h"

namespace swivlo::testing::x11 {

class GnomeShell {
public:
    static inline const QString dock = QStringLiteral("dash-to-dock@micxgx.gmail.com");
    static inline const QString ding = QStringLiteral("ding@rastersoft.com");
    static inline const QString appIndicator = QStringLiteral("ubuntu-appindicators@ubuntu.com");

    // `ubuntu`: the extensions enabled by the session mode, as Ubuntu does.
    explicit GnomeShell(bool ubuntu) : ubuntu_(ubuntu) {
        // A display beside the test's own, free of a server.
        int display = QString::fromLatin1(qgetenv("DISPLAY")).mid(1).toInt() + 2;
        while (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(display))) {
            ++display;
        }
        display_ = QStringLiteral(":%1").arg(display);
        script_.setChildProcessModifier([] { ::setsid(); });
        script_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        script_.start(QStringLiteral(SWIVLO_GNOME_SHELL_SESSION),
                      {QString::number(display), folder_.path(),
                       ubuntu ? QStringLiteral("ubuntu") : QStringLiteral("debian")});
        if (!eventually([&] { return QFile::exists(folder_.filePath("env")); }, 20000)) {
            return;
        }
        QFile file(folder_.filePath("env"));
        file.open(QIODevice::ReadOnly);
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (const int equals = line.indexOf('='); equals > 0) {
                env_.insert(QString::fromUtf8(line.left(equals)),
                            QString::fromUtf8(line.mid(equals + 1)));
            }
        }
        // Up once both extensions run; then out of the overview the shell goes into once, some
        // time after start, until it stays out for a while.
        if (!eventually([&] { return state(dock) == 1 && state(ding) == 1; }, 60000)) {
            return;
        }
        QElapsedTimer out;
        out.start();
        ready_ = eventually(
            [&] {
                if (overviewActive()) {
                    call("org.freedesktop.DBus.Properties.Set",
                         {"org.gnome.Shell", "OverviewActive", "<false>"});
                    // Seen ignored now and then: Escape, as a user leaves it.
                    run(QStringLiteral("xdotool"), {"key", "Escape"});
                    out.restart();
                }
                return out.elapsed() > 3000;
            },
            30000);
    }
    ~GnomeShell() {
        if (script_.processId() > 0) {
            ::kill(-static_cast<pid_t>(script_.processId()), SIGTERM);
            if (!script_.waitForFinished(5000)) {
                ::kill(-static_cast<pid_t>(script_.processId()), SIGKILL);
                script_.waitForFinished(5000);
            }
        }
    }
    GnomeShell(const GnomeShell&) = delete;
    GnomeShell& operator=(const GnomeShell&) = delete;

    bool isReady() const { return ready_; }
    // What went wrong when it is not ready.
    QString problem() const {
        QFile log(folder_.filePath(QStringLiteral("session.log")));
        log.open(QIODevice::ReadOnly);
        return QStringLiteral("display %1, overview %2, extensions %3 %4; session log:\n%5")
            .arg(display_)
            .arg(overviewActive())
            .arg(state(dock))
            .arg(state(ding))
            .arg(QString::fromUtf8(log.readAll().right(3000)));
    }
    const QString& display() const { return display_; }
    QString home() const { return folder_.filePath(QStringLiteral("home")); }
    // The session's environment, for the app and the tools.
    const QProcessEnvironment& environment() const { return env_; }

    QString run(const QString& program, const QStringList& arguments) const {
        QProcess process;
        process.setProcessEnvironment(env_);
        process.start(program, arguments);
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }
    // Points a Swivlo process at this session as the Linux desktop host. All of the session's
    // environment: dconf's clients read the database in XDG_CONFIG_HOME that the service writes,
    // and watch XDG_RUNTIME_DIR for its changes.
    void host(SwivloProcess& app) const {
        app.overrides.insert(env_);
        app.overrides.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
        app.overrides.insert(QStringLiteral("SWIVLO_HOST"), QStringLiteral("linux"));
    }
    QString get(const QString& schema, const QString& key) const {
        return run(QStringLiteral("gsettings"), {"get", schema, key});
    }
    void set(const QString& schema, const QString& key, const QString& value) const {
        run(QStringLiteral("gsettings"), {"set", schema, key, value});
    }
    void reset(const QString& schema, const QString& key) const {
        run(QStringLiteral("gsettings"), {"reset", schema, key});
    }
    // A method of the shell's object, through gdbus.
    QString call(const QString& method, const QStringList& arguments) const {
        return run(QStringLiteral("gdbus"),
                   QStringList{"call", "--session", "-d", "org.gnome.Shell", "-o",
                               "/org/gnome/Shell", "-m", method} +
                       arguments);
    }
    bool overviewActive() const {
        return call("org.freedesktop.DBus.Properties.Get", {"org.gnome.Shell", "OverviewActive"})
            .contains("true");
    }

    // What the running shell says of an extension: 1 running, 2 disabled, 6 initialized; -1
    // when it did not answer.
    int state(const QString& uuid) const {
        static const QRegularExpression number(QStringLiteral(R"('state': <([0-9.]+)>)"));
        const auto match =
            number.match(call("org.gnome.Shell.Extensions.GetExtensionInfo", {uuid}));
        return match.hasMatch() ? static_cast<int>(match.captured(1).toDouble()) : -1;
    }
    // Both extensions running, enabled as the session started them: the Debian way in
    // enabled-extensions, the Ubuntu way by the session mode with the lists empty.
    bool restoreExtensions() const {
        reset("org.gnome.shell", "disabled-extensions");
        if (ubuntu_) {
            reset("org.gnome.shell", "enabled-extensions");
        } else {
            set("org.gnome.shell", "enabled-extensions",
                QStringLiteral("['%1', '%2', '%3']").arg(dock, ding, appIndicator));
        }
        return eventually(
            [&] { return state(dock) == 1 && state(ding) == 1 && state(appIndicator) == 1; },
            10000);
    }
    bool setExtension(const QString& uuid, bool enabled) const {
        call(enabled ? "org.gnome.Shell.Extensions.EnableExtension"
                     : "org.gnome.Shell.Extensions.DisableExtension",
             {uuid});
        return eventually([&] { return (state(uuid) == 1) == enabled; }, 10000);
    }

private:
    QTemporaryDir folder_;
    QProcess script_;
    QString display_;
    QProcessEnvironment env_;
    bool ubuntu_;
    bool ready_ = false;
};

}  // namespace swivlo::testing::x11
