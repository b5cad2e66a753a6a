// The program as a package puts it on disk: installed into a prefix of its own and started from
// there, with a tray host to show its icon.
#include <gtest/gtest.h>

#include "X11App.h"

namespace {

using namespace swivlo::testing::x11;

TEST(InstalledAppX11Test, StartsFromItsPrefixWithItsTrayIconAndPanel) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(SWIVLO_CMAKE),
                  {"--install", SWIVLO_BUILD_DIR, "--prefix", prefix.path()});
    ASSERT_TRUE(install.waitForFinished(60000) && install.exitCode() == 0)
        << install.readAll().toStdString();

    SwivloProcess app;
    app.program = prefix.filePath(QStringLiteral("bin/swivlo"));
    const auto icon = app.start();
    ASSERT_TRUE(icon.has_value()) << app.process.readAll().toStdString();
    EXPECT_TRUE(app.openPanelFromTray(*icon));
}

}  // namespace
