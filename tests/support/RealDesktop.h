#pragma once

// A real desktop's components on an X server and session bus of their own, started once and
// kept for the whole test binary: XFCE 4.18 (xfconfd, xfsettingsd, xfwm4, xfce4-panel,
// xfdesktop), KDE Plasma 5.27 (kwin_x11, plasmashell) or GNOME Shell 43 with its dock and
// desktop icons extensions (GnomeShell.h).
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <memory>
#include <vector>

#include "GnomeShell.h"
#include "X11App.h"

namespace swivlo::testing::x11 {

class RealDesktop {
public:
    enum class Kind { xfce, kde, gnome };

    explicit RealDesktop(Kind kind) : kind_(kind) {
        if (kind == Kind::gnome) {
            startGnome();
            return;
        }
        for (const char* folder : {"config", "data", "cache", "runtime", "Desktop", "bus"}) {
            QDir(home_.path()).mkpath(QString::fromLatin1(folder));
        }
        QFile::setPermissions(home_.filePath("runtime"), QFileDevice::ReadOwner |
                                                             QFileDevice::WriteOwner |
                                                             QFileDevice::ExeOwner);
        // Something for the desktop to show as icons.
        QFile note(home_.filePath("Desktop/note.txt"));
        if (note.open(QIODevice::WriteOnly)) {
            note.write("a file on the desktop\n");
        }
        env_ = QProcessEnvironment::systemEnvironment();
        env_.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env_.remove(QStringLiteral("SESSION_MANAGER"));
        env_.insert("HOME", home_.path());
        for (const char* name : {"CONFIG_HOME", "DATA_HOME", "CACHE_HOME", "RUNTIME_DIR"}) {
            env_.insert(QStringLiteral("XDG_%1").arg(name),
                        home_.filePath(QString::fromLatin1(name).section('_', 0, 0).toLower()));
        }
        env_.insert("XDG_SESSION_TYPE", "x11");
        env_.insert("NO_AT_BRIDGE", "1");
        if (kind == Kind::xfce) {
            env_.insert("XDG_CURRENT_DESKTOP", "XFCE");
        } else {
            env_.insert("XDG_CURRENT_DESKTOP", "KDE");
            env_.insert("KDE_FULL_SESSION", "true");
            env_.insert("KDE_SESSION_VERSION", "5");
            env_.insert("QT_QPA_PLATFORM", "xcb");
        }
        if (startServer() && startBus()) {
            kind == Kind::xfce ? startXfce() : startKde();
        }
    }
    ~RealDesktop() {
        // The bus's activated services (xfconfd, kactivitymanagerd) first, then ours, the bus
        // and the X server last.
        if (bus_.processId() > 0) {
            for (const qint64 pid : childrenOf(bus_.processId(), {})) {
                ::kill(static_cast<pid_t>(pid), SIGTERM);
            }
        }
        for (auto it = components_.rbegin(); it != components_.rend(); ++it) {
            stopProcess(**it, 5000);
        }
        stopProcess(bus_, 5000);
        stopProcess(server_, 5000);
    }
    RealDesktop(const RealDesktop&) = delete;
    RealDesktop& operator=(const RealDesktop&) = delete;

    Kind kind() const { return kind_; }
    bool isValid() const { return ready_; }
    const QString& failure() const { return failure_; }
    const QString& display() const { return display_; }
    QString home() const { return gnome_ ? gnome_->home() : home_.path(); }
    const QProcessEnvironment& environment() const { return env_; }
    // The GNOME session, for its own questions (extension states, settings).
    const GnomeShell& gnome() const { return *gnome_; }

    // Points a Swivlo process at this desktop; its state and runtime folders stay its own.
    void host(SwivloProcess& app) const {
        if (gnome_) {
            gnome_->host(app);
            return;
        }
        for (const char* name : {"DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_CURRENT_DESKTOP",
                                 "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_SESSION_TYPE"}) {
            app.overrides.insert(name, env_.value(name));
        }
        app.overrides.insert("SWIVLO_HOST", "linux");
    }

    // A desktop program's trimmed standard output.
    QString run(const QString& program, const QStringList& arguments) const {
        QProcess process;
        process.setProcessEnvironment(env_);
        process.start(program, arguments);
        process.waitForFinished(20000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }
    bool onBus(const QString& name) const {
        return run("dbus-send", {"--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
                                 "org.freedesktop.DBus.NameHasOwner", "string:" + name})
            .contains("boolean true");
    }
    // What plasmashell's script printed.
    QString plasmaScript(const QString& script) const {
        const QString reply =
            run("gdbus", {"call", "--session", "-d", "org.kde.plasmashell", "-o", "/PlasmaShell",
                          "-m", "org.kde.PlasmaShell.evaluateScript", script});
        // "('printed',)"
        return reply.mid(2, reply.size() - 5);
    }
    QString xfconf(const QString& channel, const QString& property) const {
        return run("xfconf-query", {"-c", channel, "-p", property});
    }
    void setXfconf(const QString& channel, const QString& property, const QString& type,
                   const QString& value) const {
        run("xfconf-query", {"-c", channel, "-p", property, "-n", "-t", type, "-s", value});
    }

private:
    bool fail(const QString& why) {
        failure_ = why;
        return false;
    }

    bool startServer() {
        int n = qEnvironmentVariable("DISPLAY").mid(1).toInt() + 1;
        while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
               QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))) {
            ++n;
        }
        display_ = QStringLiteral(":%1").arg(n);
        env_.insert("DISPLAY", display_);
        server_.start("Xvfb", {display_, "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
        if (!eventually([&] { return QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)); },
                        10000)) {
            return fail("Xvfb did not start on " + display_);
        }
        return true;
    }

    // XFCE's bus activates only xfconfd: the file manager and portals its programs would
    // otherwise wake cost a minute of CPU and show nothing here.
    bool startBus() {
        QString services;
        if (kind_ == Kind::xfce) {
            QFile::link("/usr/share/dbus-1/services/org.xfce.Xfconf.service",
                        home_.filePath("bus/org.xfce.Xfconf.service"));
            services = "<servicedir>" + home_.filePath("bus") + "</servicedir>";
        } else {
            services = "<standard_session_servicedirs/>";
        }
        QFile config(home_.filePath("bus.conf"));
        if (!config.open(QIODevice::WriteOnly)) {
            return fail("no bus configuration");
        }
        config.write(("<busconfig><type>session</type><keep_umask/><listen>unix:dir=" +
                      home_.filePath("runtime") + "</listen><auth>EXTERNAL</auth>" + services +
                      "<policy context=\"default\"><allow send_destination=\"*\" "
                      "eavesdrop=\"true\"/><allow eavesdrop=\"true\"/><allow own=\"*\"/>"
                      "</policy></busconfig>\n")
                         .toUtf8());
        config.close();
        bus_.setProcessEnvironment(env_);
        bus_.start("dbus-daemon", {"--config-file=" + config.fileName(), "--nofork", "--nopidfile",
                                   "--print-address=1"});
        if (!bus_.waitForReadyRead(10000)) {
            return fail("no session bus");
        }
        env_.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromUtf8(bus_.readLine()).trimmed());
        return true;
    }

    QProcess& launch(const QString& program, const QStringList& arguments) {
        components_.push_back(std::make_unique<QProcess>());
        QProcess& process = *components_.back();
        process.setProcessEnvironment(env_);
        process.setStandardOutputFile(home_.filePath(QFileInfo(program).fileName() + ".log"));
        process.setStandardErrorFile(home_.filePath(QFileInfo(program).fileName() + ".log"));
        process.start(program, arguments);
        return process;
    }

    bool waitFor(const QStringList& names, int timeoutMs) {
        for (const QString& name : names) {
            if (!eventually([&] { return onBus(name); }, timeoutMs)) {
                return fail(name + " did not appear on the session bus");
            }
        }
        return true;
    }

    void startXfce() {
        launch("xfsettingsd", {"--no-daemon", "--disable-wm-check"});
        launch("xfwm4", {"--compositor=off"});
        launch("xfce4-panel", {});
        launch("xfdesktop", {});
        ready_ = waitFor(
            {"org.xfce.Xfconf", "org.xfce.SettingsDaemon", "org.xfce.Panel", "org.xfce.xfdesktop"},
            60000);
    }

    void startGnome() {
        gnome_ = std::make_unique<GnomeShell>(false);
        env_ = QProcessEnvironment::systemEnvironment();
        env_.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env_.insert(gnome_->environment());
        display_ = gnome_->display();
        ready_ = gnome_->isReady();
        if (!ready_) {
            failure_ = gnome_->problem();
        }
    }

    void startKde() {
        env_.insert("KWIN_COMPOSE", "N");
        launch("kwin_x11", {});
        launch("plasmashell", {"--no-respawn"});
        // The shell answers before it has laid out its panel.
        ready_ =
            waitFor({"org.kde.KWin", "org.kde.plasmashell"}, 60000) &&
            (eventually([&] { return plasmaScript("print(panels().length)") == "1"; }, 60000) ||
             fail("plasmashell laid out no panel"));
    }

    Kind kind_;
    QTemporaryDir home_;
    QProcessEnvironment env_;
    QString display_;
    QProcess server_;
    QProcess bus_;
    std::vector<std::unique_ptr<QProcess>> components_;
    std::unique_ptr<GnomeShell> gnome_;
    bool ready_ = false;
    QString failure_;
};

}  // namespace swivlo::testing::x11
