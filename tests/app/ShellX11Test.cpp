// The running app on a real X server with a tray host, driven with xdotool as the user and as
// "another application" would.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <functional>

namespace {

struct XWindow {
    QString id;
    QRect geometry;  // absolute
};

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void xdotool(const QStringList& args) {
    run(QStringLiteral("xdotool"), args);
}

// Polls an outside process's state until it holds or the deadline passes.
bool eventually(const std::function<bool()>& condition, int timeoutMs = 5000) {
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

QList<XWindow> swivloWindows() {
    static const QRegularExpression line(QStringLiteral(
        R"((0x[0-9a-f]+) "Swivlo": \("swivlo" "Swivlo"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))"));
    QList<XWindow> windows;
    const QString tree = run(QStringLiteral("xwininfo"), {"-root", "-tree"});
    for (const QString& text : tree.split('\n')) {
        const auto m = line.match(text);
        if (m.hasMatch()) {
            windows.push_back({m.captured(1), QRect(m.captured(4).toInt(), m.captured(5).toInt(),
                                                    m.captured(2).toInt(), m.captured(3).toInt())});
        }
    }
    return windows;
}

bool isViewable(const XWindow& w) {
    return run(QStringLiteral("xwininfo"), {"-id", w.id}).contains(QStringLiteral("IsViewable"));
}

std::optional<XWindow> trayIcon() {
    for (const auto& w : swivloWindows()) {
        if (w.geometry.width() <= 48 && w.geometry.height() <= 48 && w.geometry.width() > 1 &&
            isViewable(w)) {
            return w;
        }
    }
    return std::nullopt;
}

std::optional<XWindow> shownPanel() {
    for (const auto& w : swivloWindows()) {
        if (w.geometry.width() == 300 && isViewable(w)) {
            return w;
        }
    }
    return std::nullopt;
}

void clickAt(QPoint p) {
    xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
}

class ShellX11Test : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        QDir(home.path()).mkpath(QStringLiteral("config/Swivlo"));
        QDir(home.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(
            home.filePath(QStringLiteral("runtime")),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        other.setWindowTitle(QStringLiteral("Other application"));
        other.setGeometry(100, 300, 400, 300);
        other.show();
        QCoreApplication::processEvents();
    }

    void TearDown() override {
        if (app.state() != QProcess::NotRunning) {
            app.terminate();
            app.waitForFinished(5000);
        }
    }

    QProcessEnvironment environment() const {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("XDG_STATE_HOME"), home.filePath(QStringLiteral("state")));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return env;
    }

    void writePreferences(const QByteArray& ini) {
        QFile file(home.filePath(QStringLiteral("config/Swivlo/Swivlo.conf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ini);
    }

    XWindow startApp() {
        app.setProcessEnvironment(environment());
        app.setProcessChannelMode(QProcess::MergedChannels);
        app.start(QStringLiteral(SWIVLO_BINARY), {});
        EXPECT_TRUE(app.waitForStarted());
        std::optional<XWindow> icon;
        EXPECT_TRUE(eventually([&] { return (icon = trayIcon()).has_value(); }))
            << app.readAll().toStdString();
        return icon.value_or(XWindow{});
    }

    void focusOther() { xdotool({"windowfocus", "--sync", QString::number(other.winId())}); }

    QTemporaryDir home;
    QProcess app;
    QWidget other;
};

TEST_F(ShellX11Test, ClickingTheTrayIconOpensAPanelBelowItAndClickingAgainClosesIt) {
    const XWindow icon = startApp();
    ASSERT_FALSE(shownPanel()) << "nothing is shown at launch";

    clickAt(icon.geometry.center());
    std::optional<XWindow> panel;
    ASSERT_TRUE(eventually([&] { return (panel = shownPanel()).has_value(); }));
    EXPECT_EQ(panel->geometry.width(), 300);
    EXPECT_GT(panel->geometry.top(), icon.geometry.bottom());
    EXPECT_LE(panel->geometry.right(), 1279) << "kept inside the screen";

    clickAt(icon.geometry.center());
    EXPECT_TRUE(eventually([] { return !shownPanel(); }));
}

TEST_F(ShellX11Test, ClickInAnotherApplicationClosesTheShownPanel) {
    const XWindow icon = startApp();
    clickAt(icon.geometry.center());
    ASSERT_TRUE(eventually([] { return shownPanel().has_value(); }));
    clickAt(other.geometry().center());
    EXPECT_TRUE(eventually([] { return !shownPanel(); }));
}

TEST_F(ShellX11Test, StoredShortcutTogglesThePanelFromAnotherApplication) {
    // Control-Option-S: key code 1, flags 0xC0000.
    writePreferences(
        "[General]\nhotkeyEnabled=true\nhotkeyKeyCode=1\nhotkeyModifierFlags=786432\n");
    startApp();
    focusOther();
    // With Shift added it must not fire: if it did, the exact shortcut right after would
    // close the panel again instead of opening it.
    xdotool({"key", "ctrl+alt+shift+s"});
    xdotool({"key", "ctrl+alt+s"});
    ASSERT_TRUE(eventually([] { return shownPanel().has_value(); }));

    focusOther();
    xdotool({"key", "ctrl+alt+s"});
    EXPECT_TRUE(eventually([] { return !shownPanel(); }));
}

TEST_F(ShellX11Test, ShortcutEnabledWhileRunningWorksWithoutRestart) {
    startApp();
    writePreferences(
        "[General]\nhotkeyEnabled=true\nhotkeyKeyCode=1\nhotkeyModifierFlags=786432\n");
    focusOther();
    EXPECT_TRUE(eventually([] {
        xdotool({"key", "ctrl+alt+s"});
        return eventually([] { return shownPanel().has_value(); }, 500);
    }));
}

TEST_F(ShellX11Test, SecondLaunchSaysSoAndLeavesTheFirstRunning) {
    startApp();
    QProcess second;
    second.setProcessEnvironment(environment());
    second.start(QStringLiteral(SWIVLO_BINARY), {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAllStandardOutput(), "Swivlo is already running.\n");
    EXPECT_EQ(app.state(), QProcess::Running);
    EXPECT_TRUE(trayIcon().has_value());
}

}  // namespace
