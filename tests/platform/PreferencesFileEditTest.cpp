#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/desktop/SettingsPreferencesStore.h"

namespace swivlo {
namespace {

struct Edit {
    const char* name;
    QByteArray before;
    QByteArray after;
    std::vector<std::string> changed;
};

class PreferencesFileEdit : public ::testing::TestWithParam<Edit> {};

// Another program rewrites the file while the store is open: the store reads it again and tells
// of exactly the keys whose values differ.
TEST_P(PreferencesFileEdit, TellsOfTheKeysItChanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Swivlo.conf"));
    QFile seed(path);
    ASSERT_TRUE(seed.open(QIODevice::WriteOnly) && seed.write(GetParam().before) >= 0);
    seed.close();
    desktop::SettingsPreferencesStore store(path);
    std::vector<std::string> changed;
    QObject::connect(&store, &PreferencesStore::changed,
                     [&](const std::string& key) { changed.push_back(key); });

    QSaveFile edit(path);  // as editors save: a new file renamed over the old
    ASSERT_TRUE(edit.open(QIODevice::WriteOnly));
    edit.write(GetParam().after);
    ASSERT_TRUE(edit.commit());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !changed.empty(); }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(changed, GetParam().changed);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, PreferencesFileEdit,
    ::testing::Values(Edit{"OneValue",
                           "[General]\nhotkeyEnabled=false\nautoClosePanel=true\n",
                           "[General]\nhotkeyEnabled=true\nautoClosePanel=true\n",
                           {"hotkeyEnabled"}},
                      Edit{"AddedAndRemoved",
                           "[General]\nautoClosePanel=true\n",
                           "[General]\nhotkeyKeyCode=1\n",
                           {"autoClosePanel", "hotkeyKeyCode"}},
                      Edit{
                          "FromNothing", "", "[General]\nlaunchAtLogin=true\n", {"launchAtLogin"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A boolean typed into the file by hand, in the forms people write one.
TEST(HandTypedBoolean, ReadsAsTheValueItSpells) {
    const std::pair<QByteArray, std::optional<bool>> cases[] = {
        {"true", true}, {"Yes", true}, {"1", true},          {"FALSE", false},
        {"no", false},  {"0", false},  {"on", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Swivlo.conf"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\nautoClosePanel=" + text + "\n");
        file.close();
        const desktop::SettingsPreferencesStore store(path);
        EXPECT_EQ(store.boolValue("autoClosePanel"), expected) << text.data();
    }
}

}  // namespace
}  // namespace swivlo
