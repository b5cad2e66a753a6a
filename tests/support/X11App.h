#pragma once

// Driving the real app on an X server with a tray host, as the user and as "another
// application" would: xdotool for input, xwininfo to see what is on screen.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <functional>
#include <optional>

namespace swivlo::testing::x11 {

inline QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Sends input or window commands; false when xdotool failed.
inline bool xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Polls another process's state until it holds or the deadline passes.
inline bool eventually(const std::function<bool()>& condition, int timeoutMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (condition()) {
            return true;
        }
        QThread::msleep(50);
    }
    return condition();
}

// Another display than the test's own: xwininfo's arguments for it.
inline QStringList onDisplay(const QString& display) {
    return display.isEmpty() ? QStringList() : QStringList{QStringLiteral("-display"), display};
}

inline bool viewable(const QString& windowId, const QString& display = {}) {
    return run(QStringLiteral("xwininfo"), onDisplay(display) + QStringList{"-id", windowId})
        .contains(QStringLiteral("IsViewable"));
}

// The items the session's StatusNotifierWatcher lists, read with `session`'s own run().
template <typename Session>
QString watchedTrayItems(const Session& session) {
    return session.run(QStringLiteral("gdbus"),
                       {"call", "--session", "-d", "org.kde.StatusNotifierWatcher", "-o",
                        "/StatusNotifierWatcher", "-m", "org.freedesktop.DBus.Properties.Get",
                        "org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems"});
}

// Ends a process politely, then for good.
inline void stopProcess(QProcess& process, int timeoutMs = 10000) {
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished(timeoutMs);
        }
    }
}

// A viewable top-level or embedded window of the app whose width lies in [minWidth, maxWidth],
// with its absolute geometry; on the test's display, or on `display`.
inline std::optional<QRect> swivloWindow(int minWidth, int maxWidth, const QString& display = {}) {
    static const QRegularExpression line(QStringLiteral(
        R"((0x[0-9a-f]+) "Swivlo": \("swivlo" "Swivlo"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))"));
    const QString tree =
        run(QStringLiteral("xwininfo"), onDisplay(display) + QStringList{"-root", "-tree"});
    for (const QString& text : tree.split('\n')) {
        const auto m = line.match(text);
        const int width = m.captured(2).toInt();
        if (m.hasMatch() && width >= minWidth && width <= maxWidth &&
            viewable(m.captured(1), display)) {
            return QRect(m.captured(4).toInt(), m.captured(5).toInt(), width,
                         m.captured(3).toInt());
        }
    }
    return std::nullopt;
}

// A viewable top-level window of the app with this title.
inline bool windowShown(const QString& title) {
    const QString tree = run(QStringLiteral("xwininfo"), {"-root", "-tree"});
    const QRegularExpression line(QStringLiteral(R"((0x[0-9a-f]+) "%1": \("swivlo" "Swivlo"\))")
                                      .arg(QRegularExpression::escape(title)));
    for (auto it = line.globalMatch(tree); it.hasNext();) {
        if (viewable(it.next().captured(1))) {
            return true;
        }
    }
    return false;
}

inline std::optional<QRect> trayIcon() {
    return swivloWindow(2, 48);
}
inline std::optional<QRect> shownPanel(const QString& display = {}) {
    return swivloWindow(300, 300, display);
}

inline bool clickAt(QPoint p) {
    return xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
}

// A second click on the tray icon that is not the second half of a double click: it lands away
// from the first, which the toolkit takes as a new click however soon it comes.
inline bool clickIconAgain(QRect icon) {
    return clickAt(icon.center() + QPoint(icon.width() / 3, 0));
}

// Gives a window the input focus directly, as a window manager would.
inline bool focusWindow(unsigned long long windowId) {
    return xdotool({"windowfocus", "--sync", QString::number(windowId)});
}

// Openbox from Debian managing the session's windows while this lives.
class WindowManager {
public:
    // Returns once openbox runs its start-up command: a window mapped before it has taken
    // over the existing ones may never be managed.
    bool start() {
        const QString ready = marker.filePath(QStringLiteral("ready"));
        process.start(QStringLiteral("openbox"),
                      {"--sm-disable", "--startup", QStringLiteral("touch ") + ready});
        return process.waitForStarted() && eventually([&] { return QFile::exists(ready); }, 10000);
    }
    ~WindowManager() { stopProcess(process); }
    QProcess process;
    QTemporaryDir marker;
};

// One Swivlo process with preferences, state and runtime folders of its own.
class SwivloProcess {
public:
    SwivloProcess() {
        QDir(home.path()).mkpath(QStringLiteral("config/Swivlo"));
        QDir(home.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(
            home.filePath(QStringLiteral("runtime")),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    ~SwivloProcess() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    SwivloProcess(const SwivloProcess&) = delete;
    SwivloProcess& operator=(const SwivloProcess&) = delete;

    QString preferencesPath() const {
        return home.filePath(QStringLiteral("config/Swivlo/Swivlo.conf"));
    }

    bool writePreferences(const QByteArray& contents) const {
        QFile file(preferencesPath());
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
    }

    QProcessEnvironment environment() const {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("XDG_STATE_HOME"), home.filePath(QStringLiteral("state")));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        // Never the desktop the tests run on; a test of the Linux host says so.
        env.insert(QStringLiteral("SWIVLO_HOST"), QStringLiteral("simulated"));
        env.insert(overrides);
        return env;
    }
    // Variables the app gets besides (or instead of) the ones above.
    QProcessEnvironment overrides;
    // Set: the app's output goes through this process (a `cat`), as into `swivlo | head`.
    QProcess* outputReader = nullptr;

    // Starts the app and waits for its tray icon; nothing when it never appears.
    std::optional<QRect> start(const QStringList& arguments = {}) {
        process.setProcessEnvironment(environment());
        process.setProcessChannelMode(QProcess::MergedChannels);
        if (outputReader) {
            process.setStandardOutputProcess(outputReader);
            outputReader->start(QStringLiteral("cat"), {});
        }
        process.start(program, arguments);
        if (!process.waitForStarted()) {
            return std::nullopt;
        }
        // The icon is mapped before the tray host has placed it and resized itself around it,
        // so its position only counts once two readings a moment apart agree.
        std::optional<QRect> icon;
        eventually(
            [&] {
                const auto before = trayIcon();
                QThread::msleep(200);
                icon = trayIcon();
                return icon && icon == before;
            },
            10000);
        return icon;
    }

    // One click on the tray icon once the app says it is ready. With its output going to a
    // reader the line is not seen here: the icon being up then stands for it.
    bool openPanelFromTray(QRect icon) {
        const QByteArray ready = "✅ Swivlo is running\n";
        if (!outputReader && !eventually([&] {
                process.waitForReadyRead(50);
                return process.peek(process.bytesAvailable()).contains(ready);
            })) {
            return false;
        }
        xdotool({"mousemove", "0", "400"});
        clickAt(trayIcon().value_or(icon).center());
        return eventually([] { return shownPanel().has_value(); });
    }

    QString program = QStringLiteral(SWIVLO_BINARY);
    // Clicks the switch or button of the shown panel's first row (the one row, when the
    // others are hidden).
    static bool clickFirstRowControl() {
        const auto panel = shownPanel();
        return panel && clickAt(panel->topRight() + firstRowControl);
    }
    // From the panel's top right corner: inside the row's padding, half a row down.
    static constexpr QPoint firstRowControl{-45, 34};

    QTemporaryDir home;
    QProcess process;
};

// The processes whose parent is `parent` and whose command name is `name` (any when empty).
inline QList<qint64> childrenOf(qint64 parent, const QString& name) {
    QList<qint64> pids;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!isPid || !stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        // "pid (comm) state ppid ...": the name may hold spaces, the last ')' ends it.
        const QString text = QString::fromUtf8(stat.readAll());
        const auto open = text.indexOf(u'(');
        const auto close = text.lastIndexOf(u')');
        const QStringList rest = text.mid(close + 2).split(u' ');
        if (open > 0 && close > open && rest.size() > 1 &&
            (name.isEmpty() || text.mid(open + 1, close - open - 1) == name) &&
            rest[1].toLongLong() == parent) {
            pids.append(pid);
        }
    }
    return pids;
}

// The process has ended: it is gone, or only a zombie waiting for a parent to collect it.
inline bool hasEnded(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return true;
    }
    const QByteArray text = stat.readAll();
    const auto close = text.lastIndexOf(')');
    return close < 0 || text.mid(close + 2, 1) == "Z";
}

// An X server with a tray host of its own (scripts/xsession), for a test that kills the server
// or needs two displays. While it lives, the helpers above and every app started go to it.
class PrivateXSession {
public:
    // `becomeDisplay` false: the helpers and apps keep to the display they had.
    explicit PrivateXSession(bool becomeDisplay = true) : previousDisplay_(qgetenv("DISPLAY")) {
        QProcess script;
        auto env = QProcessEnvironment::systemEnvironment();
        // Past the display the test runs on, so the two never meet.
        env.insert(QStringLiteral("SWIVLO_XSESSION_DISPLAY"),
                   QString::number(previousDisplay_.mid(1).toInt() + 1));
        script.setProcessEnvironment(env);
        script.start(QStringLiteral(SWIVLO_XSESSION), {QStringLiteral("start")});
        script.waitForFinished(20000);
        const QString exports = QString::fromUtf8(script.readAllStandardOutput());
        static const QRegularExpression line(
            QStringLiteral(R"(export DISPLAY=(:\d+) SWIVLO_XSESSION_PIDS='(\d+) (\d+)')"));
        const auto m = line.match(exports);
        if (!m.hasMatch()) {
            return;
        }
        display = m.captured(1);
        serverPid = m.captured(2).toLongLong();
        trayPid = m.captured(3).toLongLong();
        if (becomeDisplay) {
            qputenv("DISPLAY", display.toUtf8());
        }
    }
    ~PrivateXSession() {
        qputenv("DISPLAY", previousDisplay_);
        for (const qint64 pid : {trayPid, serverPid}) {
            if (pid > 0) {
                ::kill(static_cast<pid_t>(pid), SIGTERM);
            }
        }
        eventually([this] { return serverPid <= 0 || hasEnded(serverPid); });
    }
    PrivateXSession(const PrivateXSession&) = delete;
    PrivateXSession& operator=(const PrivateXSession&) = delete;

    bool isValid() const { return !display.isEmpty(); }

    QString display;
    qint64 serverPid = 0;
    qint64 trayPid = 0;

private:
    QByteArray previousDisplay_;
};

}  // namespace swivlo::testing::x11
