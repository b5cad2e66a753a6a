#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "fakes/RecordingLog.h"
#include "fakes/TestPlatform.h"
#include "scenes/SceneCodec.h"
#include "scenes/SceneManager.h"

namespace swivlo {
namespace {

Scene scene(const char* name, SceneFeatures features = {}) {
    return Scene{QUuid::createUuid(), name, "tv", "blue", false, std::move(features)};
}

class SceneManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        platform.preferences.directory = folder.path().toStdString();
    }

    void store(const QVariant& value) { platform.preferences.setObject("SwivloScenes", value); }
    void storeScenes(const std::vector<Scene>& scenes) {
        store(QByteArray::fromStdString(*encodeScenes(scenes)));
    }
    std::optional<QVariant> stored() const { return platform.preferences.object("SwivloScenes"); }
    std::optional<std::vector<Scene>> storedScenes() const {
        const auto bytes = platform.preferences.dataValue("SwivloScenes");
        return bytes ? decodeScenes(bytes->toStdString()) : std::nullopt;
    }
    QStringList backups() const {
        return QDir(folder.path()).entryList({"SwivloScenes-unreadable-*.json"}, QDir::Files);
    }

    testing::TestPlatform platform;
    testing::RecordingLog log;
    QTemporaryDir folder;
};

TEST_F(SceneManagerTest, FreshStoreIsEmptyAndSavesTwoBytes) {
    SceneManager manager;
    EXPECT_TRUE(manager.scenes().empty());
    manager.saveScenes();
    ASSERT_TRUE(stored());
    EXPECT_EQ(stored()->typeId(), QMetaType::QByteArray) << "a data value, not text";
    EXPECT_EQ(stored()->toByteArray(), "[]");
}

TEST_F(SceneManagerTest, UpdateKeepsThePositionAndANewIdAppends) {
    SceneManager manager;
    const Scene a = scene("A"), b = scene("B"), c = scene("C");
    for (const Scene& s : {a, b, c}) {
        manager.addOrUpdateScene(s);
    }
    Scene renamed = b;
    renamed.name = "B2";
    renamed.isActive = true;
    manager.addOrUpdateScene(renamed);
    const std::vector<Scene> expected = {a, renamed, c};
    EXPECT_EQ(manager.scenes(), expected);
    EXPECT_EQ(storedScenes(), expected);
    const Scene d = scene("D");
    manager.addOrUpdateScene(d);
    EXPECT_EQ(manager.scenes().back(), d);
    EXPECT_EQ(storedScenes()->size(), 4u);
}

TEST_F(SceneManagerTest, DeleteRemovesEveryCopy) {
    const Scene a = scene("A"), b = scene("B");
    storeScenes({a, b, a});
    SceneManager manager;
    manager.deleteScene(a.id);
    EXPECT_EQ(manager.scenes(), std::vector<Scene>{b});
    EXPECT_EQ(storedScenes(), std::vector<Scene>{b});
}

TEST_F(SceneManagerTest, AnnouncesEveryChange) {
    const Scene a = scene("A");
    storeScenes({a});
    SceneManager manager;
    int changes = 0;
    QObject::connect(&manager, &SceneManager::scenesChanged, [&] { ++changes; });
    manager.addOrUpdateScene(scene("B"));
    EXPECT_EQ(changes, 1);
    manager.addOrUpdateScene(a);
    EXPECT_EQ(changes, 2);
    manager.deleteScene(a.id);
    EXPECT_EQ(changes, 3);
    manager.loadScenes();
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(manager.scenes().size(), 1u);
}

TEST_F(SceneManagerTest, AListThatCannotBeEncodedLeavesTheStoredValue) {
    const Scene a = scene("A");
    SceneManager manager;
    manager.addOrUpdateScene(a);
    const QByteArray before = stored()->toByteArray();
    manager.addOrUpdateScene(scene("bad \xff"));
    EXPECT_EQ(manager.scenes().size(), 2u);
    EXPECT_EQ(stored()->toByteArray(), before);
}

// A value the store cannot read is the user's data: the first save that replaces it keeps
// its bytes in a file beside the preferences, exactly as they were.
struct Unreadable {
    const char* why;
    QVariant value;
    QByteArray bytes;
};

class SceneManagerUnreadable : public SceneManagerTest,
                               public ::testing::WithParamInterface<Unreadable> {};

TEST_P(SceneManagerUnreadable, IsBackedUpBeforeTheFirstSaveReplacesIt) {
    store(GetParam().value);
    SceneManager manager;
    ASSERT_TRUE(manager.scenes().empty());
    EXPECT_TRUE(backups().isEmpty()) << "loading writes nothing";
    EXPECT_EQ(stored(), GetParam().value);
    const Scene a = scene("A");
    manager.addOrUpdateScene(a);

    ASSERT_EQ(backups().size(), 1) << GetParam().why;
    const QString path = QDir(folder.path()).filePath(backups().front());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), GetParam().bytes);
    EXPECT_EQ(storedScenes(), std::vector<Scene>{a});
    // One line when the load ignores the value, one naming the backup.
    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_TRUE(log.lines[0].starts_with("⚠️ Ignored preference \"SwivloScenes\""))
        << log.lines[0];
    EXPECT_TRUE(log.lines[1].starts_with("⚠️ ")) << log.lines[1];
    EXPECT_NE(log.lines[1].find(path.toStdString()), std::string::npos) << log.lines[1];

    manager.addOrUpdateScene(scene("B"));
    manager.deleteScene(a.id);
    EXPECT_EQ(backups().size(), 1) << "only the unreadable value is kept";
    EXPECT_EQ(log.lines.size(), 2u);
}

const QByteArray kGarbage("\x00[{\"id\xff not json", 17);

INSTANTIATE_TEST_SUITE_P(Values, SceneManagerUnreadable,
                         ::testing::Values(Unreadable{"not JSON", QVariant(kGarbage), kGarbage},
                                           Unreadable{"a list read from text with commas",
                                                      QVariant(QStringList{"[1", "2]"}), "[1,2]"}));

TEST_F(SceneManagerTest, AnUnreadableValueStaysWhenItCannotBeBackedUp) {
    platform.preferences.directory.clear();
    store(QByteArray("garbage"));
    SceneManager manager;
    manager.addOrUpdateScene(scene("A"));
    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_TRUE(log.lines[1].starts_with("⚠️ ")) << log.lines[1];
    EXPECT_EQ(stored()->toByteArray(), "garbage");

    platform.preferences.directory = folder.path().toStdString();
    manager.saveScenes();
    EXPECT_EQ(backups().size(), 1);
    EXPECT_EQ(log.lines.size(), 3u);
    EXPECT_EQ(storedScenes()->size(), 1u);
}

TEST_F(SceneManagerTest, TwoBackupsInOneSecondDoNotOverwriteEachOther) {
    for (int i = 0; i < 2; ++i) {
        store(QByteArray::number(i));
        SceneManager manager;
        manager.saveScenes();
    }
    QStringList contents;
    for (const QString& name : backups()) {
        QFile file(QDir(folder.path()).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        contents << QString::fromUtf8(file.readAll());
    }
    contents.sort();
    EXPECT_EQ(contents, QStringList({"0", "1"}));
}

}  // namespace
}  // namespace swivlo
