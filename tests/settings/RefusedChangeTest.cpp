// Changes made in the settings window that cannot take: the preferences file is read-only or is
// no file at all, or the session refuses the login item. The switch shows what is stored again,
// drawn so too, nobody hears of a change, and the window says why.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "ReadOnlyFile.h"
#include "SettingsFixture.h"
#include "core/PreferencesKeys.h"
#include "platform/Preferences.h"
#include "platform/desktop/SettingsPreferencesStore.h"
#include "scenes/SceneManager.h"
#include "settings/MessageArea.h"
#include "settings/SettingsView.h"
#include "ui/SwitchControl.h"

namespace swivlo {
namespace {

enum class Cause { readOnlyFile, namedPipe, loginItemRefused };

struct RefusedChange {
    const char* name;
    Cause cause;
    const char* row;  // the switch the user flips
    const char* why;  // in the window's message
    int warnings;     // log lines for two tries, start-up included
    friend void PrintTo(const RefusedChange& change, std::ostream* os) { *os << change.name; }
};

class RefusedChangeTest : public testing::SettingsTest,
                          public ::testing::WithParamInterface<RefusedChange> {
protected:
    void SetUp() override {
        path = folder.filePath(QStringLiteral("Swivlo.conf"));
        switch (GetParam().cause) {
            case Cause::readOnlyFile: {
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write("[General]\nautoClosePanel=false\n");
                file.close();
                readOnly = std::make_unique<testing::ReadOnlyFile>(path);
                if (!readOnly->ok()) {
                    GTEST_SKIP() << "this file system cannot make a file read-only for root";
                }
                break;
            }
            case Cause::namedPipe:
                ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
                break;
            case Cause::loginItemRefused:
                loginItems.failWrites = true;
                return;
        }
        store = std::make_unique<desktop::SettingsPreferencesStore>(path);
        Service<PreferencesStore>::install(store.get());
    }
    void TearDown() override { Service<PreferencesStore>::install(&platform.preferences); }

    QTemporaryDir folder;
    QString path;
    std::unique_ptr<testing::ReadOnlyFile> readOnly;
    std::unique_ptr<desktop::SettingsPreferencesStore> store;
};

SwitchControl* switchNamed(QWidget& view, const QString& name) {
    for (auto* control : view.findChildren<SwitchControl*>()) {
        if (control->accessibleName() == name) {
            return control;
        }
    }
    return nullptr;
}

TEST_P(RefusedChangeTest, TheSwitchFallsBackAndTheWindowSaysWhy) {
    SceneManager manager;
    SettingsView view(manager, {});
    view.resize(SettingsView::minimumSize);
    view.show();
    SwitchControl* control = switchNamed(view, QString::fromUtf8(GetParam().row));
    ASSERT_NE(control, nullptr);
    int changes = 0;
    const auto observer =
        QObject::connect(&preferences(), &PreferencesStore::changed, [&] { ++changes; });

    for (int attempt = 0; attempt < 2; ++attempt) {
        QTest::mouseClick(control, Qt::LeftButton);
        EXPECT_FALSE(control->isChecked());
        EXPECT_EQ(control->knobTarget(), 0.0) << "drawn on while it is off";
    }
    QObject::disconnect(observer);

    ASSERT_TRUE(view.messageArea()->isVisible());
    EXPECT_THAT(view.messageArea()->label()->text().toStdString(),
                ::testing::HasSubstr(GetParam().why));
    EXPECT_EQ(std::count_if(host.log.lines.begin(), host.log.lines.end(),
                            [](const std::string& line) { return line.starts_with("⚠️"); }),
              GetParam().warnings)
        << ::testing::PrintToString(host.log.lines);
    if (GetParam().cause != Cause::loginItemRefused) {
        EXPECT_EQ(changes, 0) << "a change nobody saved is not reported";
        EXPECT_FALSE(Preferences::autoClosePanel());
    }
    if (GetParam().cause == Cause::namedPipe) {
        struct stat info = {};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "never written through";
    }

    QTest::mouseClick(view.messageArea()->dismissButton(), Qt::LeftButton);
    EXPECT_FALSE(view.messageArea()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Causes, RefusedChangeTest,
    ::testing::Values(RefusedChange{"ReadOnlyPreferencesFile", Cause::readOnlyFile,
                                    "Close panel after action", "Swivlo.conf is read-only", 1},
                      RefusedChange{"PreferencesPathIsANamedPipe", Cause::namedPipe,
                                    "Close panel after action",
                                    "Swivlo.conf is a named pipe, not a regular file", 1},
                      RefusedChange{"LoginItemRefused", Cause::loginItemRefused, "Launch at login",
                                    "the login items cannot be changed", 2}),
    [](const auto& info) { return std::string(info.param.name); });

// A run of failures for one reason is one log line; after a save that worked, the next failure
// is news again.
using SaveFailureLog = testing::SettingsTest;

TEST_F(SaveFailureLog, EachRunOfSaveFailuresIsLoggedOnce) {
    auto& store = platform.preferences;
    const std::pair<std::optional<std::string>, int> saves[] = {
        {"the disk is full", 1}, {"the disk is full", 1},   {"the folder is gone", 2},
        {std::nullopt, 2},       {"the folder is gone", 3},
    };
    for (const auto& [failure, logged] : saves) {
        store.refuseWrites = failure;
        EXPECT_EQ(store.setBool(PreferencesKey::autoClosePanel, false), !failure);
        EXPECT_EQ(std::count_if(host.log.lines.begin(), host.log.lines.end(),
                                [](const std::string& line) {
                                    return line.starts_with("⚠️ Preferences not saved: ");
                                }),
                  logged)
            << failure.value_or("saved");
    }
}

}  // namespace
}  // namespace swivlo
