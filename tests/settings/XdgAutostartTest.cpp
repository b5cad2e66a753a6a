#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "fakes/TestPlatform.h"
#include "platform/Preferences.h"
#include "platform/desktop/XdgAutostartLoginItems.h"
#include "settings/LaunchAtLogin.h"

namespace swivlo::desktop {
namespace {

const QString binary = QStringLiteral("/opt/swivlo/bin/swivlo");

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

TEST(XdgAutostartTest, OnWritesTheEntryAndOffRemovesIt) {
    QTemporaryDir config;
    const QString dir = config.path() + QStringLiteral("/autostart");  // not there yet
    XdgAutostartLoginItems items(dir, binary);
    EXPECT_FALSE(items.isEnabled());

    std::string whyNot;
    ASSERT_TRUE(items.setEnabled(true, whyNot));
    EXPECT_TRUE(items.isEnabled());
    const QByteArray text = readFile(dir + QStringLiteral("/swivlo.desktop"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    // Once the program is removed, the session ignores the entry.
    EXPECT_TRUE(text.contains("\nTryExec=/opt/swivlo/bin/swivlo\n"));

    ASSERT_TRUE(items.setEnabled(false, whyNot));
    EXPECT_FALSE(items.isEnabled());
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/swivlo.desktop")));
    EXPECT_TRUE(items.setEnabled(false, whyNot));  // removing what is not there succeeds
}

TEST(XdgAutostartTest, ExecQuotesPathsWithSpacesAndSpecialCharacters) {
    const QByteArray text =
        XdgAutostartLoginItems::entryText(QStringLiteral("/home/a b/100%/$x\"y\\z"));
    EXPECT_TRUE(text.contains("\nExec=\"/home/a b/100%%/\\\\$x\\\\\"y\\\\\\\\z\"\n"))
        << text.data();
    EXPECT_TRUE(text.contains("\nTryExec=/home/a b/100%/$x\"y\\\\z\n")) << text.data();
}

// Turning Launch at login on over an entry the user or their session switched off: it is on
// afterwards, with the user's other keys and groups as they were.
TEST(XdgAutostartTest, TurningOnAnEntryTheUserSwitchedOffKeepsTheirKeys) {
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"[Desktop Entry]\nExec=\"/opt/swivlo/bin/swivlo\"\nHidden = true\n"
         "X-GNOME-Autostart-Delay=10\n",
         "[Desktop Entry]\nExec=\"/opt/swivlo/bin/swivlo\"\nHidden = false\n"
         "X-GNOME-Autostart-Delay=10\n"},
        // As GNOME's settings leave it.
        {"[Desktop Entry]\nExec=/opt/swivlo/bin/swivlo\nX-GNOME-Autostart-enabled=false\n",
         "[Desktop Entry]\nExec=/opt/swivlo/bin/swivlo\nX-GNOME-Autostart-enabled=true\n"},
        // A key the entry lacks goes into its own group, not the one after it.
        {"[Desktop Entry]\nName=Swivlo\n\n[Desktop Action quiet]\nExec=swivlo --quiet\n",
         "[Desktop Entry]\nName=Swivlo\nExec=\"/opt/swivlo/bin/swivlo\"\n"
         "TryExec=/opt/swivlo/bin/swivlo\n\n[Desktop Action quiet]\nExec=swivlo --quiet\n"},
    };
    for (const auto& [before, after] : cases) {
        QTemporaryDir config;
        XdgAutostartLoginItems items(config.path(), binary);
        writeFile(items.entryPath(), before);
        std::string whyNot;
        ASSERT_TRUE(items.setEnabled(true, whyNot)) << whyNot;
        EXPECT_TRUE(items.isEnabled()) << before.data();
        EXPECT_EQ(readFile(items.entryPath()).toStdString(), after.toStdString());
    }
}

TEST(XdgAutostartTest, AFolderThatIsAFileReportsWhy) {
    QTemporaryDir config;
    writeFile(config.filePath(QStringLiteral("autostart")), "not a folder");
    XdgAutostartLoginItems items(config.filePath(QStringLiteral("autostart")), binary);
    std::string whyNot;
    EXPECT_FALSE(items.setEnabled(true, whyNot));
    EXPECT_NE(whyNot.find("is not a folder"), std::string::npos) << whyNot;
    EXPECT_FALSE(items.isEnabled());
}

// What start-up makes of an entry the user edited by hand: read as the format defines it, and
// rewritten only to correct the program it starts.
struct EditedEntry {
    const char* name;
    QByteArray text;
    bool enabled;
    QByteArray after;  // empty: left byte for byte
    friend void PrintTo(const EditedEntry& entry, std::ostream* os) { *os << entry.name; }
};

class EditedAutostartEntry : public ::testing::TestWithParam<EditedEntry> {};

TEST_P(EditedAutostartEntry, StartUpReadsItAndChangesAtMostExec) {
    testing::TestPlatform platform;
    QTemporaryDir config;
    XdgAutostartLoginItems items(config.path(), binary);
    Service<LoginItems>::install(&items);
    writeFile(items.entryPath(), GetParam().text);

    reconcileLaunchAtLogin();

    EXPECT_EQ(Preferences::launchAtLogin(), GetParam().enabled);
    const QByteArray after = GetParam().after.isEmpty() ? GetParam().text : GetParam().after;
    EXPECT_EQ(readFile(items.entryPath()), after);
    Service<LoginItems>::install(&platform.loginItems);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EditedAutostartEntry,
    ::testing::Values(
        EditedEntry{"HiddenWithSpacesAroundTheEqualsSign",
                    "[Desktop Entry]\nType=Application\nExec=\"/opt/swivlo/bin/swivlo\"\n"
                    "Hidden = true\nX-GNOME-Autostart-Delay=10\n",
                    false,
                    {}},
        EditedEntry{"DisabledForGnome",
                    "[Desktop Entry]\nExec=/opt/swivlo/bin/swivlo\n"
                    "X-GNOME-Autostart-enabled\t=\tfalse\n",
                    false,
                    {}},
        EditedEntry{"NoDesktopEntryGroup", "Exec=/opt/swivlo/bin/swivlo\n", false, {}},
        // The program quoted, with a letter escaped as quoting allows: the same program.
        EditedEntry{"AnEscapedLetterInAQuotedPath",
                    "[Desktop Entry]\nExec=\"/opt/swivlo/bin/sw\\\\ivlo\"\n",
                    true,
                    {}},
        EditedEntry{"CommentsAndAnotherGroupsKeys",
                    "# mine\n[Desktop Action quiet]\nHidden=true\n\n[Desktop Entry]\n"
                    "# Hidden=true\nExec=/opt/swivlo/bin/swivlo\n",
                    true,
                    {}},
        EditedEntry{"AMovedBinaryWithArgumentsAndKeysOfTheirOwn",
                    "[Desktop Entry]\nName=Swivlo\nExec = /usr/local/bin/swivlo --quiet\n"
                    "X-GNOME-Autostart-Delay=10\nHidden=false\n",
                    true,
                    "[Desktop Entry]\nName=Swivlo\nExec = \"/opt/swivlo/bin/swivlo\" --quiet\n"
                    "X-GNOME-Autostart-Delay=10\nHidden=false\nTryExec=/opt/swivlo/bin/swivlo\n"},
        EditedEntry{"TryExecOfAMovedBinary",
                    "[Desktop Entry]\nTryExec = /usr/local/bin/swivlo\n"
                    "Exec=/opt/swivlo/bin/swivlo\n",
                    true,
                    "[Desktop Entry]\nTryExec = /opt/swivlo/bin/swivlo\n"
                    "Exec=/opt/swivlo/bin/swivlo\n"},
        EditedEntry{"TryExecOfTheProgram",
                    "[Desktop Entry]\nExec=/opt/swivlo/bin/swivlo\n"
                    "TryExec=/opt/swivlo/bin/swivlo\n",
                    true,
                    {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace swivlo::desktop
