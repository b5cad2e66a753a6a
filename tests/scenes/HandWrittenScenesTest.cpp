// Scenes in the real preferences file, as Swivlo writes them and as a user types them in by hand:
// names keep their UTF-8 text, and a value that cannot be read is backed up byte for byte.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "fakes/RecordingLog.h"
#include "fakes/TestPlatform.h"
#include "platform/desktop/IniFileValue.h"
#include "platform/desktop/SettingsPreferencesStore.h"
#include "scenes/SceneCodec.h"
#include "scenes/SceneManager.h"

namespace swivlo {
namespace {

QByteArray sceneJson(const QByteArray& name,
                     const char* id = "E621E1F8-C36C-495A-93FC-0C247A3E6E5F") {
    return QByteArray(R"({"id":")") + id + R"(","name":")" + name +
           R"(","icon":"tv","color":"blue","isActive":false,"features":{}})";
}

// The form Swivlo writes, with the text typed in as it is (no \x escapes).
QByteArray typedByteArray(QByteArray json) {
    json.replace("\\", "\\\\").replace("\"", "\\\"");
    return "\"@ByteArray(" + json + ")\"";
}

class HandWrittenScenes : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString path() const { return folder.filePath("Swivlo.conf"); }

    void writeFile(const QByteArray& contents) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }

    // A fresh start of the app over the file: its store, then its scenes.
    SceneManager& start() {
        manager.reset();
        store = std::make_unique<desktop::SettingsPreferencesStore>(path());
        Service<PreferencesStore>::install(store.get());
        manager = std::make_unique<SceneManager>();
        return *manager;
    }

    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const Scene& s : manager->scenes()) {
            result.push_back(s.name);
        }
        return result;
    }

    QStringList backups() const {
        return QDir(folder.path()).entryList({"SwivloScenes-unreadable-*.json"}, QDir::Files);
    }

    QByteArray backup() const {
        const QStringList found = backups();
        if (found.size() != 1) {
            return "<" + QByteArray::number(found.size()) + " backups>";
        }
        QFile file(QDir(folder.path()).filePath(found.front()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    testing::TestPlatform platform;
    testing::RecordingLog log;
    QTemporaryDir folder;
    std::unique_ptr<desktop::SettingsPreferencesStore> store;
    std::unique_ptr<SceneManager> manager;
};

struct Typed {
    const char* why;
    QByteArray file;
    std::vector<std::string> names;  // empty: the value cannot be read
    QByteArray backup;               // what a change must keep of an unreadable value
    // Text, not data: QSettings writes such a value back in its own form when another key is
    // saved, so only a scenes save straight after the start keeps it exactly.
    bool text = false;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const Typed& c, std::ostream* os) {
    *os << c.why;
}

class TypedScenes : public HandWrittenScenes, public ::testing::WithParamInterface<Typed> {};

TEST_P(TypedScenes, LoadWithTheirNamesOrAreBackedUpExactly) {
    const Typed& c = GetParam();
    writeFile(c.file);
    start();
    EXPECT_EQ(names(), c.names) << c.why;
    if (!c.text) {
        // Saving another setting rewrites the whole file: what was typed must survive it.
        store->setBool("autoClosePanel", false);
        start();
        EXPECT_EQ(names(), c.names) << c.why;
    }
    manager->saveScenes();
    if (c.names.empty()) {
        EXPECT_EQ(backup(), c.backup) << c.why;
        return;
    }
    EXPECT_TRUE(backups().isEmpty()) << c.why;
    start();
    EXPECT_EQ(names(), c.names) << c.why << ", after a save in Swivlo's own form";
}

const QByteArray kJapanese = "\xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x8e\x89";  // 日本 🎉
const QByteArray kCafe = "Caf\xc3\xa9";

INSTANTIATE_TEST_SUITE_P(
    Files, TypedScenes,
    ::testing::Values(
        Typed{"UTF-8 names typed into Swivlo's own form",
              "[General]\nSwivloScenes=" +
                  typedByteArray("[" + sceneJson(kJapanese) + "," +
                                 sceneJson(kCafe, "E621E1F8-C36C-495A-93FC-0C247A3E6E50") + "]") +
                  "\n",
              {kJapanese.toStdString(), kCafe.toStdString()},
              {}},
        Typed{"typed text beside escapes, CRLF line ends, a comment",
              "[General]\r\nautoClosePanel=true\r\nSwivloScenes=  \"@ByteArray([" +
                  sceneJson("Caf\\xc3\\xa9 " + kJapanese).replace("\"", "\\\"") +
                  "])\"  ; edited by hand\r\n",
              {(kCafe + " " + kJapanese).toStdString()},
              {}},
        Typed{"a typed list that lacks a member",
              "[General]\nSwivloScenes=" +
                  typedByteArray("[" + sceneJson(kCafe).chopped(15) + "}]") + "\n",
              {},
              "[" + sceneJson(kCafe).chopped(15) + "}]"},
        Typed{"JSON typed as text, not data",
              "[General]\nSwivloScenes=[{\"id\": 1, \"name\": \"" + kCafe + "\"}, 2]\n",
              {},
              "[{\"id\": 1, \"name\": \"" + kCafe + "\"}, 2]",
              true}));

// What Swivlo writes reads back as it was, whatever the bytes: escapes, quotes, commas and
// hexadecimal digits right after an escaped byte; the file's own reading agrees with Qt's.
TEST_F(HandWrittenScenes, WhatSwivloWritesReadsBackAsItWas) {
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b) {
        everyByte += static_cast<char>(b);
    }
    const QVariant values[] = {
        everyByte,
        QByteArray("\xc3\xa9"
                   "1f, \"quoted\" \\ ; = " +
                   kJapanese),
        QByteArray("  padded  "),
        QByteArray::fromStdString(*encodeScenes({Scene{QUuid::createUuid(),
                                                       kJapanese.toStdString(),
                                                       "tv",
                                                       "blue",
                                                       true,
                                                       {{"darkMode", true}}}})),
        QString::fromUtf8("@@at first, \"quoted\"; " + kCafe),
        QStringList{"one", " two ", "@three", QString::fromUtf8(kJapanese)},
    };
    for (const QVariant& value : values) {
        start();
        store->setObject("SwivloScenes", value);
        start();
        EXPECT_TRUE(store->object("SwivloScenes") == value) << value.toString().toStdString();

        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray contents = file.readAll();
        const QVariant qtReading = QSettings(path(), QSettings::IniFormat).value("SwivloScenes");
        if (value.typeId() == QMetaType::QByteArray) {
            EXPECT_TRUE(desktop::iniFileByteArray(contents, "SwivloScenes",
                                                  qtReading.toByteArray()) == value.toByteArray())
                << contents.toStdString();
        } else {
            EXPECT_TRUE(desktop::iniFileText(contents, "SwivloScenes", qtReading))
                << contents.toStdString();
        }
    }
}

}  // namespace
}  // namespace swivlo
