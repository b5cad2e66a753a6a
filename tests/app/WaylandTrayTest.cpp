// The running app in headless Wayland compositors with Xwayland, as an unprivileged user on the
// session's own bus: sway, whose swaybar hosts StatusNotifierItems, and KWin and weston, without a
// tray, each started by support/wayland_session.sh; the panel is read from Xwayland.
#include <gtest/gtest.h>

#include <unistd.h>
#include <memory>

#include "X11App.h"

namespace {

using swivlo::testing::x11::eventually;
using swivlo::testing::x11::stopProcess;

// One compositor and its session bus, run by `nobody`; commands run as that user too.
class WaylandSession {
public:
    explicit WaylandSession(const QString& kind) {
        script.setChildProcessModifier([] { setsid(); });
        script.start(QStringLiteral(SWIVLO_WAYLAND_SESSION), {kind, dir.path()});
        const QString envFile = dir.filePath(QStringLiteral("run/env"));
        if (eventually([&] { return QFile::exists(envFile); }, 60000)) {
            QFile file(envFile);
            file.open(QIODevice::ReadOnly);
            const QString text = QString::fromUtf8(file.readAll());
            environment = text.split('\n', Qt::SkipEmptyParts);
        }
    }
    ~WaylandSession() {
        if (swivlo) {
            stopProcess(*swivlo, 5000);
        }
        if (script.processId() > 0) {
            ::kill(-static_cast<pid_t>(script.processId()), SIGTERM);
        }
        script.waitForFinished(10000);
    }
    bool started() const { return environment.size() >= 6 && !environment[2].endsWith('='); }

    QStringList asUser(const QString& program, const QStringList& args) const {
        return QStringList{"--reuid=nobody",    "--regid=nogroup", "--clear-groups", "env", "-i",
                           "PATH=/usr/bin:/bin"} +
               environment + QStringList{program} + args;
    }
    QString run(const QString& program, const QStringList& args, int* exitCode = nullptr) const {
        QProcess p;
        p.start(QStringLiteral("setpriv"), asUser(program, args));
        p.waitForFinished(20000);
        if (exitCode) {
            *exitCode = p.exitCode();
        }
        return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    }

    void startSwivlo() {
        swivlo = std::make_unique<QProcess>();
        swivlo->setProcessChannelMode(QProcess::MergedChannels);
        swivlo->start(QStringLiteral("setpriv"), asUser(QStringLiteral(SWIVLO_BINARY), {}));
        eventually([&] { return output().contains(QStringLiteral("Swivlo is running")); }, 10000);
    }
    QString output() {
        if (swivlo) {
            swivlo->waitForReadyRead(50);
            log += QString::fromUtf8(swivlo->readAll());
        }
        return log;
    }

    // The panel's frame on Xwayland's screen, when it is shown.
    std::optional<QRect> panel() const {
        static const QRegularExpression line(QStringLiteral(
            R"((0x[0-9a-f]+) "Swivlo": \("swivlo" "Swivlo"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))"));
        for (const QString& text :
             run(QStringLiteral("xwininfo"), {"-root", "-tree"}).split('\n')) {
            const auto m = line.match(text);
            if (m.hasMatch() && m.captured(2).toInt() >= 200 &&
                run(QStringLiteral("xwininfo"), {"-id", m.captured(1)})
                    .contains(QStringLiteral("IsViewable"))) {
                return QRect(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(2).toInt(),
                             m.captured(3).toInt());
            }
        }
        return std::nullopt;
    }

    QTemporaryDir dir;
    QProcess script;
    QStringList environment;
    std::unique_ptr<QProcess> swivlo;
    QString log;
};

QString registeredItems(const WaylandSession& session) {
    return session.run(
        QStringLiteral("dbus-send"),
        {"--session", "--print-reply", "--dest=org.kde.StatusNotifierWatcher",
         "/StatusNotifierWatcher", "org.freedesktop.DBus.Properties.Get",
         "string:org.kde.StatusNotifierWatcher", "string:RegisteredStatusNotifierItems"});
}

// The panel is shown and stays: an Xwayland window that loses the compositor's focus as it
// appears closes at once.
bool staysShown(const WaylandSession& session) {
    if (!eventually([&] { return session.panel().has_value(); }, 10000)) {
        return false;
    }
    QThread::msleep(1000);
    return session.panel().has_value();
}

// What swaybar sends for a left click on the icon: Activate with the click's place on the screen.
// (A real click needs a pointer device, which the headless backend has none of.)
void activate(const WaylandSession& sway, QPoint at) {
    static const QRegularExpression item(QStringLiteral(R"re("([^"/]+)(/[^"]+)")re"));
    const auto m = item.match(registeredItems(sway));
    sway.run(QStringLiteral("dbus-send"),
             {"--session", "--type=method_call", "--dest=" + m.captured(1), m.captured(2),
              "org.kde.StatusNotifierItem.Activate", "int32:" + QString::number(at.x()),
              "int32:" + QString::number(at.y())});
}

// Under the icon at the right end of the bar (and, before any click, in that corner), and not
// over the bar.
bool atTheTopRight(QRect panel) {
    return panel.right() == 1279 && panel.top() >= 20 && panel.top() < 40;
}

TEST(SwayTrayTest, TheIconRegistersAndItAndTheCommandLineOpenThePanel) {
    WaylandSession sway(QStringLiteral("sway"));
    ASSERT_TRUE(sway.started()) << "sway did not start";
    sway.startSwivlo();
    ASSERT_TRUE(
        eventually([&] { return registeredItems(sway).contains("StatusNotifierItem"); }, 10000))
        << registeredItems(sway).toStdString();
    EXPECT_FALSE(sway.output().contains(QStringLiteral("No system tray")));
    int exitCode = -1;
    sway.run(QStringLiteral(SWIVLO_BINARY), {"--open-panel"}, &exitCode);
    EXPECT_EQ(exitCode, 0);
    ASSERT_TRUE(staysShown(sway));
    EXPECT_TRUE(atTheTopRight(*sway.panel())) << "sway centres what nobody places";
    sway.run(QStringLiteral(SWIVLO_BINARY), {"--toggle-panel"});
    ASSERT_TRUE(eventually([&] { return !sway.panel(); }, 10000));

    // swaybar draws the tray at the right end of its bar.
    const QPoint icon(1270, 11);
    activate(sway, icon);
    ASSERT_TRUE(staysShown(sway));
    EXPECT_TRUE(atTheTopRight(*sway.panel()));
    activate(sway, icon);
    EXPECT_TRUE(eventually([&] { return !sway.panel(); }, 10000));
}

// KWin on Wayland without Plasma's panels, so without a tray: KWin lets the panel take the top
// right corner it asks for, where sway and weston place a window themselves.
TEST(KWinWaylandTest, TheCommandLineOpensThePanelAtTheTopRight) {
    WaylandSession kwin(QStringLiteral("kwin"));
    ASSERT_TRUE(kwin.started()) << "kwin_wayland did not start";
    kwin.startSwivlo();
    int exitCode = -1;
    kwin.run(QStringLiteral(SWIVLO_BINARY), {"--open-panel"}, &exitCode);
    EXPECT_EQ(exitCode, 0);
    ASSERT_TRUE(staysShown(kwin)) << kwin.output().toStdString();
    EXPECT_EQ(kwin.panel()->right(), 1279);
    EXPECT_LT(kwin.panel()->top(), 40);
}

TEST(WestonNoTrayTest, TheUserIsToldAndTheCommandLineStillOpensThePanel) {
    WaylandSession weston(QStringLiteral("weston"));
    ASSERT_TRUE(weston.started()) << "weston did not start";
    weston.startSwivlo();
    EXPECT_TRUE(eventually(
        [&] { return weston.output().contains(QStringLiteral("No system tray")); }, 10000))
        << weston.output().toStdString();

    int exitCode = -1;
    const QString answer = weston.run(QStringLiteral(SWIVLO_BINARY), {"--open-panel"}, &exitCode);
    EXPECT_EQ(exitCode, 0) << answer.toStdString();
    EXPECT_TRUE(staysShown(weston));
}

}  // namespace
