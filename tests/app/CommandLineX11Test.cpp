// The command line against the running app: the built program, a second time, with control
// options, and raw clients on the control socket.
#include <gtest/gtest.h>
#include <signal.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

#include "SwivloCommand.h"

namespace {

using namespace swivlo::testing::x11;

// One scene, "Work", that turns Dark Mode on.
const QByteArray workScene =
    R"x([General]
SwivloScenes="@ByteArray([{\"id\":\"5E9C2B8A-1F4D-4C3B-9A7E-2D6F8B1C0A93\",\"name\":\"Work\",)x"
    R"x(\"icon\":\"moon.fill\",\"color\":\"indigo\",\"isActive\":false,)x"
    R"x(\"features\":{\"darkMode\":true}}])"
)x";

class CommandLineX11Test : public ::testing::Test {
protected:
    ProgramRun swivlo(const QStringList& arguments) { return swivloCommand(app, arguments); }

    QString socketPath() const { return app.home.filePath("runtime/swivlo.socket"); }

    // Whatever the app printed so far (it keeps running).
    QString appOutput() {
        app.process.waitForReadyRead(100);
        output += QString::fromUtf8(app.process.readAll());
        return output;
    }

    void start() { ASSERT_TRUE(app.start()) << app.process.readAll().toStdString(); }

    SwivloProcess app;
    QString output;
};

struct Step {
    QStringList arguments;
    int exitCode;
    const char* says;  // a pattern: on standard output when it succeeds, on standard error when not
};

TEST_F(CommandLineX11Test, EveryCommandReachesTheRunningSwivlo) {
    ASSERT_TRUE(app.writePreferences(workScene));
    start();
    const Step steps[] = {
        {{"--on", "dark_mode"}, 0, "Dark Mode is on.\n"},
        {{"--toggle", "dark_mode"}, 0, "Dark Mode is off.\n"},
        {{"--on", "keep_awake", "--for", "90m"}, 0, "Keep Awake is on, 1 h 30 min left.\n"},
        {{"--list"}, 0, "keep_awake +Keep Awake +on \\("},
        {{"--on", "keep_awake"}, 0, "Keep Awake is on"},
        {{"--list"}, 0, "keep_awake +Keep Awake +on\n"},  // on by hand ends the timer
        {{"--off", "keep_awake"}, 0, "Keep Awake is off.\n"},
        {{"--scene", "Work"}, 0, "Scene \"Work\" is on.\n"},
        {{"--scene", "5E9C2B8A-1F4D-4C3B-9A7E-2D6F8B1C0A93", "--off"}, 0, "is off.\n"},
        {{"--on", "hide_all_windows"}, 0, "Hide All Windows: done.\n"},
        {{"--on", "dark"}, 1, "no switch \"dark\""},
        {{"--list"}, 0, "keep_awake"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.arguments.join(' ').toStdString());
        const ProgramRun run = swivlo(step.arguments);
        EXPECT_EQ(run.exitCode, step.exitCode) << run.err.toStdString();
        const QString& text = step.exitCode == 0 ? run.out : run.err;
        EXPECT_TRUE(text.contains(QRegularExpression(QString::fromUtf8(step.says))))
            << text.toStdString();
        if (step.exitCode != 0) {
            EXPECT_TRUE(run.out.isEmpty());
            EXPECT_EQ(run.err.count('\n'), 1) << "one line";
        }
    }
    // The same log lines as the panel's switches.
    for (const char* line : {"✅ AppleScript success: tell application \"System Events\"",
                             "✅ Keep Awake enabled", "✅ Keep Awake disabled"}) {
        EXPECT_TRUE(eventually([&] { return appOutput().contains(QString::fromUtf8(line)); }))
            << line;
    }

    EXPECT_EQ(swivlo({"--open-panel"}).out, "The panel is open.\n");
    EXPECT_TRUE(eventually([] { return shownPanel().has_value(); }));
    EXPECT_EQ(swivlo({"--settings"}).out, "The settings window is open.\n");
    EXPECT_TRUE(eventually([] { return windowShown(QStringLiteral("Settings")); }));
    EXPECT_EQ(listedSwitch(app, "dark_mode")["state"], "off") << "the scene's end turned it back";
}

TEST_F(CommandLineX11Test, TheSocketIsTheUsersOnlyAndTakesOnlyBoundedRequests) {
    start();
    const auto permissions = QFileInfo(socketPath()).permissions();
    EXPECT_FALSE(permissions &
                 (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));

    const std::pair<QByteArray, QString> abuses[] = {
        {QByteArray(5000, 'x'), "longer than 4096 bytes"},
        {"{\"v\":1,\"command\":\"list\"", "no whole request in time"}};
    for (const auto& [sent, refusal] : abuses) {
        SCOPED_TRACE(refusal.toStdString());
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        ASSERT_TRUE(socket.waitForConnected(5000));
        socket.write(sent);
        socket.flush();
        QByteArray reply;
        while (!reply.contains('\n') && socket.waitForReadyRead(10000)) {
            reply += socket.readAll();
        }
        const QJsonObject answer = QJsonDocument::fromJson(reply).object();
        EXPECT_FALSE(answer["ok"].toBool());
        EXPECT_TRUE(answer["error"].toString().contains(refusal)) << reply.toStdString();
        EXPECT_TRUE(eventually([&] {
            return appOutput().contains(QStringLiteral("❌ Command line request refused: ") +
                                        refusal);
        }));
    }
    EXPECT_EQ(swivlo({"--list"}).exitCode, 0) << "still answering";
}

// Never started: RuntimeFolderTest's NotThereYet.
TEST_F(CommandLineX11Test, AfterSwivloWasKilledItSaysItIsNotRunning) {
    start();
    ::kill(static_cast<pid_t>(app.process.processId()), SIGKILL);
    app.process.waitForFinished(5000);
    ASSERT_TRUE(QFileInfo::exists(socketPath())) << "a killed Swivlo leaves its socket";
    const ProgramRun run = swivlo({"--toggle", "dark_mode"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, "swivlo: Swivlo is not running.\n");
    EXPECT_TRUE(run.out.isEmpty());
}

}  // namespace
