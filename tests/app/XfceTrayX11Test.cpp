// The running app in XFCE's own panel, whose Status Tray is a StatusNotifierWatcher and host, on
// a bare X server with a private session bus: real clicks where the panel draws the icon.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <utility>

#include "SwivloCommand.h"

namespace {

using namespace swivlo::testing::x11;

const QByteArray controlOptionS =
    "[General]\nhotkeyEnabled=true\nhotkeyKeyCode=1\nhotkeyModifierFlags=786432\n";

// The session bus, and XFCE's panel once started.
struct XfceSession {
    XfceSession() {
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("XFCE"));
        bus.setProcessEnvironment(env);
        bus.start(QStringLiteral("dbus-daemon"),
                  {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (bus.waitForReadyRead(10000)) {
            address = QString::fromUtf8(bus.readLine()).trimmed();
            env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        }
    }
    ~XfceSession() {
        for (QProcess* p : {&panel, &windowManager, &bus}) {
            stopProcess(*p, 5000);
        }
    }
    // Starts the panel (and xfwm4, which turns its strut into the work area); true once its
    // top panel has reserved its strip of the screen.
    bool startPanel() {
        windowManager.setProcessEnvironment(env);
        windowManager.start(QStringLiteral("xfwm4"), {"--compositor=off"});
        panel.setProcessEnvironment(env);
        panel.start(QStringLiteral("xfce4-panel"), {});
        return eventually([] { return available().top() > 0; }, 30000);
    }
    static QRect available() {
        // _NET_WORKAREA, as the panel sets it.
        static const QRegularExpression numbers(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"));
        const auto m = numbers.match(run(QStringLiteral("xprop"), {"-root", "_NET_WORKAREA"}));
        return m.hasMatch() ? QRect(m.captured(1).toInt(), m.captured(2).toInt(),
                                    m.captured(3).toInt(), m.captured(4).toInt())
                            : QRect();
    }

    QTemporaryDir home;
    QProcessEnvironment env;
    QProcess bus;
    QProcess windowManager;
    QProcess panel;
    QString address;
};

QImage topStrip() {
    return QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 1280, 26).toImage();
}

// Where the panel drew a new icon: the narrow run of columns where a light glyph now stands on
// the dark panel. The pager, left of the tray, moves over to make room (dark on dark); the
// clock stays put.
std::optional<QRect> newIcon(const QImage& before) {
    const QImage after = topStrip();
    std::vector<int> changed;
    for (int x = 0; x < after.width(); ++x) {
        for (int y = 0; y < after.height(); ++y) {
            const auto light = [](QRgb c) { return qGray(c) > 170; };
            if (light(after.pixel(x, y)) && !light(before.pixel(x, y))) {
                changed.push_back(x);
                break;
            }
        }
    }
    std::optional<QRect> icon;
    for (std::size_t i = 0; i < changed.size();) {
        std::size_t j = i;
        while (j + 1 < changed.size() && changed[j + 1] - changed[j] <= 3) {
            ++j;
        }
        const int width = changed[j] - changed[i] + 1;
        if (width >= 8 && width <= 30) {
            icon = QRect(changed[i], 0, width, 26);
        }
        i = j + 1;
    }
    return icon;
}

TEST(XfceTrayX11Test, EveryWayOfOpeningPlacesThePanelUnderTheIcon) {
    XfceSession session;
    SwivloProcess app;
    Output log{app.process};
    ASSERT_FALSE(session.address.isEmpty());
    app.overrides.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), session.address);
    app.overrides.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("XFCE"));
    ASSERT_TRUE(app.writePreferences(controlOptionS));
    ASSERT_TRUE(session.startPanel());
    // The panel draws its plugins after it has reserved its strip: wait for it to settle.
    QImage before = topStrip();
    eventually(
        [&] {
            QThread::msleep(500);
            const QImage now = topStrip();
            return std::exchange(before, now) == now;
        },
        15000);
    ASSERT_TRUE(startWithoutTray(app, log)) << log.seen().toStdString();
    std::optional<QRect> icon;
    eventually(
        [&] {
            const auto first = newIcon(before);
            QThread::msleep(300);
            icon = newIcon(before);
            return icon && icon == first;
        },
        10000);
    ASSERT_TRUE(icon) << log.seen().toStdString();
    const int below = XfceSession::available().top();

    // Before any click: the top right corner under the tray's panel, wherever the pointer is.
    xdotool({"mousemove", "100", "600"});
    ASSERT_EQ(swivloCommand(app, {"--open-panel"}).exitCode, 0);
    ASSERT_TRUE(eventually([] { return shownPanel().has_value(); }));
    EXPECT_EQ(shownPanel()->topRight(), QPoint(1279, below + 4));
    xdotool({"key", "Escape"});
    ASSERT_TRUE(eventually([] { return !shownPanel(); }));

    // One click on the icon opens the panel right under it.
    clickAt(icon->center());
    ASSERT_TRUE(eventually([] { return shownPanel().has_value(); }));
    const QRect panel = *shownPanel();
    EXPECT_EQ(panel.top(), below + 4);
    EXPECT_LE(panel.left(), icon->center().x());
    EXPECT_GE(panel.right(), icon->center().x());

    // A click on the icon while it is open closes it, for good.
    clickAt(icon->center());
    EXPECT_TRUE(eventually([] { return !shownPanel(); }));
    EXPECT_FALSE(eventually([] { return shownPanel().has_value(); }, 1500)) << "opened again";

    // The shortcut, away from the icon, opens it where the click did.
    xdotool({"mousemove", "100", "600"});
    xdotool({"key", "ctrl+alt+s"});
    ASSERT_TRUE(eventually([] { return shownPanel().has_value(); }));
    EXPECT_EQ(*shownPanel(), panel);
}

}  // namespace
