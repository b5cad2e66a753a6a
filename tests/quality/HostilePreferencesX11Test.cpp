// The real app started over hand-edited preferences files it cannot fully use: it shows its
// tray icon and panel, says once which keys it ignored, and quits leaving the file as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "HostilePreferences.h"
#include "X11App.h"

namespace {

using swivlo::testing::HostileFile;
using namespace swivlo::testing::x11;

// Starts the app, opens its panel and quits it cleanly; all it said.
QString startOpenAndQuit(SwivloProcess& app) {
    const auto icon = app.start();
    EXPECT_TRUE(icon && app.openPanelFromTray(*icon)) << "the panel opens with sane values";
    app.process.terminate();
    EXPECT_TRUE(app.process.waitForFinished(10000));
    const QString output = QString::fromUtf8(app.process.readAll());
    // In the sanitized build a report at exit makes the exit code non-zero.
    EXPECT_EQ(app.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.process.exitCode(), 0) << output.toStdString();
    return output;
}

class HostilePreferencesX11 : public ::testing::TestWithParam<HostileFile> {};

TEST_P(HostilePreferencesX11, StartsShowsThePanelLogsIgnoredKeysOnceAndKeepsTheFile) {
    SwivloProcess app;
    ASSERT_TRUE(app.writePreferences(GetParam().contents));
    const QString output = startOpenAndQuit(app);
    for (const auto& key : GetParam().ignoredKeys) {
        const QString line =
            QString::fromUtf8("⚠️ Ignored preference \"%1\"").arg(QString::fromStdString(key));
        EXPECT_EQ(output.count(line), 1) << key << "\n" << output.toStdString();
    }
    EXPECT_EQ(output.count(QString::fromUtf8("Ignored preference")),
              static_cast<qsizetype>(GetParam().ignoredKeys.size()))
        << output.toStdString();

    QFile file(app.preferencesPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll() == GetParam().contents) << "nothing the user wrote is lost";
}

INSTANTIATE_TEST_SUITE_P(Files, HostilePreferencesX11,
                         ::testing::ValuesIn(swivlo::testing::hostilePreferenceFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

// A preferences path that is no file to read: start-up neither hangs (a FIFO) nor runs out of
// memory (a link to /dev/zero, a huge file); it runs on the defaults, says so once, and never
// writes through the path.
struct OddPath {
    const char* name;
    std::function<bool(const QString& path)> make;
    friend void PrintTo(const OddPath& path, std::ostream* os) { *os << path.name; }
};

// What is at `path`: its type, size and link target.
std::string describe(const QString& path) {
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return "nothing";
    }
    return std::to_string(info.st_mode) + " " + std::to_string(info.st_size) + " " +
           QFile::symLinkTarget(path).toStdString();
}

class OddPreferencesPath : public ::testing::TestWithParam<OddPath> {};

TEST_P(OddPreferencesPath, StartsOnTheDefaultsSaysSoOnceAndNeverWritesThrough) {
    SwivloProcess app;
    ASSERT_TRUE(GetParam().make(app.preferencesPath()));
    const std::string before = describe(app.preferencesPath());
    const QString output = startOpenAndQuit(app);
    EXPECT_EQ(output.count(QStringLiteral("Preferences file not used: ") + app.preferencesPath()),
              1)
        << output.toStdString();
    EXPECT_EQ(describe(app.preferencesPath()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, OddPreferencesPath,
    ::testing::Values(OddPath{"NamedPipe",
                              [](const QString& path) {
                                  return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
                              }},
                      OddPath{"LinkToDevZero",
                              [](const QString& path) {
                                  return QFile::link(QStringLiteral("/dev/zero"), path);
                              }},
                      OddPath{"Folder", [](const QString& path) { return QDir().mkpath(path); }},
                      OddPath{"SparseGigabyte",
                              [](const QString& path) {
                                  QFile file(path);
                                  return file.open(QIODevice::WriteOnly) &&
                                         file.resize(qint64{1} << 30);
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
