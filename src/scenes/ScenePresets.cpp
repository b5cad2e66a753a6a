#include "scenes/ScenePresets.h"
#include "core/Localized.h"

#include <QCoreApplication>

namespace swivlo {

namespace {

std::string name(const char* key) {
    return localized(key).toStdString();
}

ScenePreset preset(const char* nameKey, const char* icon, const char* color, SceneFeatures features,
                   const char* descriptionKey) {
    return {Scene{QUuid::createUuid(), name(nameKey), icon, color, false, std::move(features)},
            localized(descriptionKey)};
}

}  // namespace

std::vector<ScenePreset> presetScenes() {
    // Scene feature ids, as a scene stores them.
    const auto on = [](const char* id) { return std::pair{std::string(id), true}; };
    const auto off = [](const char* id) { return std::pair{std::string(id), false}; };

    std::vector<ScenePreset> presets;
    presets.push_back(
        preset(QT_TRANSLATE_NOOP("Swivlo", "Focus"), "brain.head.profile", "purple",
               {on("hideDesktop"), on("hideWidgets"), on("autoHideDock"), on("keepAwake")},
               QT_TRANSLATE_NOOP("Swivlo", "Minimize distractions for deep work")));
    presets.push_back(preset(QT_TRANSLATE_NOOP("Swivlo", "Recording"), "record.circle", "red",
                             {on("hideDesktop"), on("hideWidgets"), on("autoHideDock"),
                              off("stageManager"), on("keepAwake")},
                             QT_TRANSLATE_NOOP("Swivlo", "Clean screen for recording videos")));
    presets.push_back(preset(QT_TRANSLATE_NOOP("Swivlo", "Presentation"), "tv", "blue",
                             {on("hideDesktop"), on("hideWidgets"), on("autoHideDock"),
                              off("stageManager"), off("darkMode"), on("keepAwake")},
                             QT_TRANSLATE_NOOP("Swivlo", "Perfect for screen sharing and demos")));
    presets.push_back(preset(
        QT_TRANSLATE_NOOP("Swivlo", "Cinema"), "film", "indigo",
        {on("hideDesktop"), on("hideWidgets"), on("autoHideDock"), on("darkMode"), on("keepAwake")},
        QT_TRANSLATE_NOOP("Swivlo", "Immersive viewing experience")));
    presets.push_back(
        preset(QT_TRANSLATE_NOOP("Swivlo", "Reading"), "book.fill", "orange",
               {on("hideDesktop"), on("hideWidgets"), on("darkMode"), on("keepAwake")},
               QT_TRANSLATE_NOOP("Swivlo", "Comfortable for long reading sessions")));
    return presets;
}

Scene sceneFromPreset(const Scene& preset) {
    Scene scene = preset;
    scene.id = QUuid::createUuid();
    scene.isActive = false;
    return scene;
}

}  // namespace swivlo
