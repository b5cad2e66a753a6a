// The real app started over hand-edited preferences files it cannot fully use: it shows its
// tray icon and panel, says once which keys it ignored, and quits leaving the file as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "HostilePreferences.h"

namespace {

using swivlo::testing::HostileFile;

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool eventually(const std::function<bool()>& condition, int timeoutMs = 10000) {
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

// The app's viewable windows whose width is within [minWidth, maxWidth], as "id x y w h".
std::optional<QRect> swivloWindow(int minWidth, int maxWidth) {
    static const QRegularExpression line(QStringLiteral(
        R"((0x[0-9a-f]+) "Swivlo": \("swivlo" "Swivlo"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))"));
    for (const QString& text : run("xwininfo", {"-root", "-tree"}).split('\n')) {
        const auto m = line.match(text);
        const int width = m.captured(2).toInt();
        if (m.hasMatch() && width >= minWidth && width <= maxWidth &&
            run("xwininfo", {"-id", m.captured(1)}).contains("IsViewable")) {
            return QRect(m.captured(4).toInt(), m.captured(5).toInt(), width,
                         m.captured(3).toInt());
        }
    }
    return std::nullopt;
}

class HostilePreferencesX11 : public ::testing::TestWithParam<HostileFile> {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        QDir(home.path()).mkpath("config/Swivlo");
        QDir(home.path()).mkpath("runtime");
        QFile::setPermissions(home.filePath("runtime"), QFileDevice::ReadOwner |
                                                            QFileDevice::WriteOwner |
                                                            QFileDevice::ExeOwner);
        QFile file(confPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().contents);
    }

    void TearDown() override {
        if (app.state() != QProcess::NotRunning) {
            app.kill();
            app.waitForFinished(5000);
        }
    }

    QString confPath() const { return home.filePath("config/Swivlo/Swivlo.conf"); }

    QTemporaryDir home;
    QProcess app;
};

TEST_P(HostilePreferencesX11, StartsShowsThePanelLogsIgnoredKeysOnceAndKeepsTheFile) {
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
    env.insert("XDG_STATE_HOME", home.filePath("state"));
    env.remove("QT_QPA_PLATFORM");
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::MergedChannels);
    app.start(QStringLiteral(SWIVLO_BINARY), {});
    ASSERT_TRUE(app.waitForStarted());

    std::optional<QRect> icon;
    ASSERT_TRUE(eventually([&] { return (icon = swivloWindow(2, 48)).has_value(); }))
        << app.readAll().toStdString();
    // A click while the app is still busy starting can miss; click again until the panel shows.
    EXPECT_TRUE(eventually([&] {
        run("xdotool", {"mousemove", "0", "400"});  // enter the icon afresh each time
        run("xdotool", {"mousemove", QString::number(icon->center().x()),
                        QString::number(icon->center().y()), "click", "1"});
        return eventually([] { return swivloWindow(300, 300).has_value(); }, 2000);
    })) << "the panel opens with sane values";

    app.terminate();
    ASSERT_TRUE(app.waitForFinished(10000));
    const QString output = QString::fromUtf8(app.readAll());
    // In the sanitized build a report at exit makes the exit code non-zero.
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.exitCode(), 0) << output.toStdString();
    for (const auto& key : GetParam().ignoredKeys) {
        const QString line =
            QString::fromUtf8("⚠️ Ignored preference \"%1\"").arg(QString::fromStdString(key));
        EXPECT_EQ(output.count(line), 1) << key << "\n" << output.toStdString();
    }
    EXPECT_EQ(output.count(QString::fromUtf8("Ignored preference")),
              static_cast<qsizetype>(GetParam().ignoredKeys.size()))
        << output.toStdString();

    QFile file(confPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll() == GetParam().contents) << "nothing the user wrote is lost";
}

INSTANTIATE_TEST_SUITE_P(Files, HostilePreferencesX11,
                         ::testing::ValuesIn(swivlo::testing::hostilePreferenceFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
