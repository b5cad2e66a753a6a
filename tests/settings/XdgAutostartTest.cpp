#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/desktop/XdgAutostartLoginItems.h"

namespace swivlo::desktop {
namespace {

TEST(XdgAutostartTest, OnWritesTheEntryAndOffRemovesIt) {
    QTemporaryDir config;
    const QString dir = config.path() + QStringLiteral("/autostart");  // not there yet
    XdgAutostartLoginItems items(dir, QStringLiteral("/opt/swivlo/bin/swivlo"));
    EXPECT_FALSE(items.isEnabled());

    ASSERT_TRUE(items.setEnabled(true));
    EXPECT_TRUE(items.isEnabled());
    QFile file(dir + QStringLiteral("/swivlo.desktop"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nExec=\"/opt/swivlo/bin/swivlo\"\n"));
    file.close();

    ASSERT_TRUE(items.setEnabled(false));
    EXPECT_FALSE(items.isEnabled());
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/swivlo.desktop")));
    EXPECT_TRUE(items.setEnabled(false));  // removing what is not there succeeds
}

TEST(XdgAutostartTest, ExecQuotesPathsWithSpacesAndSpecialCharacters) {
    const QByteArray text =
        XdgAutostartLoginItems::entryText(QStringLiteral("/home/a b/100%/$x\"y\\z"));
    EXPECT_TRUE(text.contains("\nExec=\"/home/a b/100%%/\\\\$x\\\\\"y\\\\\\\\z\"\n"))
        << text.data();
}

TEST(XdgAutostartTest, AnEntryTheSessionSwitchedOffCountsAsOff) {
    QTemporaryDir config;
    XdgAutostartLoginItems items(config.path(), QStringLiteral("/usr/bin/swivlo"));
    ASSERT_TRUE(items.setEnabled(true));
    QFile file(items.entryPath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("Hidden=true\n");
    file.close();
    EXPECT_FALSE(items.isEnabled());
    ASSERT_TRUE(items.setEnabled(true));  // turning it on again writes a fresh entry
    EXPECT_TRUE(items.isEnabled());
}

TEST(XdgAutostartTest, AnUnwritableFolderReportsFailure) {
    XdgAutostartLoginItems items(QStringLiteral("/proc/swivlo-cannot-be-here"),
                                 QStringLiteral("/usr/bin/swivlo"));
    EXPECT_FALSE(items.setEnabled(true));
    EXPECT_FALSE(items.isEnabled());
}

}  // namespace
}  // namespace swivlo::desktop
