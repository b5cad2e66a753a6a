#include "scenes/SceneManager.h"

#include <QDateTime>
#include <algorithm>
#include <utility>

#include "platform/PreferencesStore.h"
#include "scenes/SceneCodec.h"
#include "scenes/UnreadableValueBackup.h"

namespace swivlo {

SceneManager& SceneManager::shared() {
    static SceneManager* const instance = new SceneManager();
    return *instance;
}

SceneManager::SceneManager(QObject* parent) : QObject(parent) {
    loadScenes();
}

void SceneManager::loadScenes() {
    const auto stored = preferences().object(saveKey);
    if (!stored) {
        return;
    }
    const QByteArray bytes = stored->toByteArray();
    auto decoded = stored->typeId() == QMetaType::QByteArray
                       ? decodeScenes(std::string_view(bytes.constData(), bytes.size()))
                       : std::nullopt;
    if (!decoded) {
        preferences().reportIgnored(saveKey, "not a scenes list; kept until a backup is made");
        // An INI file edited by hand can hold text: it is kept as the file spells it.
        unreadableValue_ = preferences().storedBytes(saveKey).value_or(bytes);
        return;
    }
    unreadableValue_.reset();
    scenes_ = std::move(*decoded);
    emit scenesChanged();
}

void SceneManager::saveScenes() {
    const auto encoded = encodeScenes(scenes_);
    if (!encoded) {
        return;
    }
    if (unreadableValue_) {
        const QString directory = QString::fromStdString(preferences().preferencesDirectory());
        if (!backUpUnreadableScenes(*unreadableValue_, directory,
                                    QDateTime::currentDateTimeUtc())) {
            return;
        }
        unreadableValue_.reset();
    }
    preferences().setData(saveKey, QByteArray(encoded->data(), qsizetype(encoded->size())));
}

const Scene* SceneManager::findScene(const QUuid& id) const {
    const auto it =
        std::find_if(scenes_.begin(), scenes_.end(), [&](const Scene& s) { return s.id == id; });
    return it == scenes_.end() ? nullptr : &*it;
}

Scene* SceneManager::storedScene(const QUuid& id) {
    return const_cast<Scene*>(std::as_const(*this).findScene(id));
}

void SceneManager::addOrUpdateScene(const Scene& scene) {
    if (Scene* existing = storedScene(scene.id)) {
        *existing = scene;
    } else {
        scenes_.push_back(scene);
    }
    saveScenes();
    emit scenesChanged();
}

void SceneManager::deleteScene(const QUuid& id) {
    const auto removed = std::erase_if(scenes_, [&](const Scene& s) { return s.id == id; });
    saveScenes();
    if (removed > 0) {
        emit scenesChanged();
    }
}

}  // namespace swivlo
