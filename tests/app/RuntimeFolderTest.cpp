// Where the command line and the single-instance lock meet: a runtime folder or a socket that
// another local user could have put in place is never trusted.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "ProgramRun.h"

namespace {

constexpr uid_t nobody = 65534;

using swivlo::testing::x11::ProgramRun;

ProgramRun runSwivlo(const QStringList& arguments, const QProcessEnvironment& env) {
    return swivlo::testing::x11::runProgram(QStringLiteral(SWIVLO_BINARY), arguments, env, 10000);
}

// No display: the program must answer before it would need one.
QProcessEnvironment displayless() {
    auto env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) {
        env.remove(QString::fromLatin1(name));
    }
    return env;
}

struct FolderCase {
    const char* name;
    // Prepares what stands at the fallback path; false when this user cannot (not root).
    std::function<bool(const QString& path, const QString& scratch)> prepare;
    const char* problem;  // empty: the folder is used
    friend void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }
};

class RuntimeFolderTest : public ::testing::TestWithParam<FolderCase> {};

// Without XDG_RUNTIME_DIR, Swivlo uses a folder of its user's own in the temporary folder, and
// never one that someone else made or can enter.
TEST_P(RuntimeFolderTest, WithoutXdgRuntimeDirOnlyAPrivateFolderOfTheUsersIsUsed) {
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("swivlo-%1").arg(::geteuid()));
    if (!GetParam().prepare(path, temp.path())) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    auto env = displayless();
    env.insert(QStringLiteral("TMPDIR"), temp.path());

    const ProgramRun command = runSwivlo({QStringLiteral("--list")}, env);
    EXPECT_EQ(command.exitCode, 3);
    EXPECT_TRUE(command.out.isEmpty());
    const QString problem = QString::fromUtf8(GetParam().problem);
    if (problem.isEmpty()) {
        EXPECT_EQ(command.err, QStringLiteral("swivlo: Swivlo is not running.\n"));
        struct stat info = {};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        return;
    }
    EXPECT_EQ(command.err.count(QLatin1Char('\n')), 1) << command.err.toStdString();
    EXPECT_TRUE(command.err.contains(path + QLatin1Char(' ') + problem))
        << command.err.toStdString();

    const ProgramRun start = runSwivlo({}, env);
    EXPECT_EQ(start.exitCode, 1);
    EXPECT_TRUE(start.out.startsWith(QStringLiteral("❌ Swivlo cannot start: ")))
        << start.out.toStdString();
    EXPECT_TRUE(start.out.contains(problem)) << start.out.toStdString();
    EXPECT_TRUE(start.err.isEmpty()) << start.err.toStdString();
}

bool makeFolder(const QString& path, mode_t mode, uid_t owner) {
    const QByteArray name = QFile::encodeName(path);
    return ::mkdir(name.constData(), 0700) == 0 && ::chmod(name.constData(), mode) == 0 &&
           (owner == ::geteuid() || ::chown(name.constData(), owner, owner) == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RuntimeFolderTest,
    ::testing::Values(
        FolderCase{"NotThereYet", [](const QString&, const QString&) { return true; }, ""},
        FolderCase{
            "MadeByAnotherUser",
            [](const QString& path, const QString&) { return makeFolder(path, 0700, nobody); },
            "belongs to another user"},
        FolderCase{
            "OpenToOthers",
            [](const QString& path, const QString&) { return makeFolder(path, 0777, ::geteuid()); },
            "is open to other users"},
        FolderCase{"ALinkToAPrivateFolder",
                   [](const QString& path, const QString& scratch) {
                       const QString target = scratch + QStringLiteral("/elsewhere");
                       return makeFolder(target, 0700, ::geteuid()) && QFile::link(target, path);
                   },
                   "is not a folder"}),
    [](const auto& info) { return std::string(info.param.name); });

// Listens at the path as user "nobody", answers as a Swivlo would, and prints what it was sent.
const char* const plantedListener = R"(
import socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(1)
server.settimeout(10)
peer, _ = server.accept()
peer.settimeout(5)
received = b''
try:
    while b'\n' not in received:
        chunk = peer.recv(4096)
        if not chunk:
            break
        received += chunk
    peer.sendall(b'{"v":1,"ok":true,"message":"Dark Mode is on."}\n')
except OSError:
    pass
print(repr(received), flush=True)
)";

TEST(PlantedSocketTest, TheCommandLineSendsNothingToAnotherUsersSocket) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to listen as another user";
    }
    QTemporaryDir runtime;
    const QString socket = runtime.filePath(QStringLiteral("swivlo.socket"));
    // Another user may write here just long enough to put a socket in place.
    ASSERT_EQ(::chmod(QFile::encodeName(runtime.path()).constData(), 0777), 0);
    QProcess listener;
    listener.start(QStringLiteral("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups",
                                               "/usr/bin/python3", "-c", plantedListener, socket});
    ASSERT_TRUE(listener.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(socket) && waited.elapsed() < 10000) {
        QThread::msleep(20);
    }
    ASSERT_TRUE(QFile::exists(socket))
        << (listener.waitForFinished(100), listener.readAllStandardError().toStdString());
    ASSERT_EQ(::chmod(QFile::encodeName(runtime.path()).constData(), 0700), 0);

    auto env = displayless();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    const ProgramRun run = runSwivlo({"--on", "dark_mode"}, env);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_EQ(run.err, QStringLiteral("swivlo: %1 belongs to another user (uid 65534), not to a "
                                      "Swivlo of yours: nothing was sent.\n")
                           .arg(socket));
    ASSERT_TRUE(listener.waitForFinished(15000));
    EXPECT_EQ(listener.readAllStandardOutput(), "b''\n") << "the request never left";
}

}  // namespace
