#pragma once

#include <QByteArray>
#include <QObject>
#include <QUuid>
#include <optional>
#include <string>
#include <vector>

#include "core/PreferencesKeys.h"
#include "scenes/Scene.h"

namespace swivlo {

// The user's scenes, in display order, kept in the preferences store. Views redraw on
// `scenesChanged`. Main thread only.
class SceneManager : public QObject {
    Q_OBJECT

public:
    // The process's one store, created (and loaded) on first use and never released.
    static SceneManager& shared();

    // Loads from the installed preferences store. Tests make their own.
    explicit SceneManager(QObject* parent = nullptr);

    // The preferences key of the stored list (a data value holding JSON).
    static inline const std::string& saveKey = PreferencesKey::swivloScenes;

    const std::vector<Scene>& scenes() const { return scenes_; }
    // The first stored scene with this id, or null.
    const Scene* findScene(const QUuid& id) const;

    // Replaces the list with the stored one; a missing or unreadable value changes nothing.
    void loadScenes();
    // Stores the whole list; if it cannot be encoded the stored value stays as it was.
    void saveScenes();

    // Replaces the scene with the same id in place, or appends it. Switches are not touched.
    void addOrUpdateScene(const Scene& scene);
    // Removes every scene with this id. Switches are not touched.
    void deleteScene(const QUuid& id);

    // Deactivates any other active scene, applies this one's features, marks it active.
    void activateScene(const Scene& scene);
    // Sets each feature of this scene to the opposite of its value and clears its mark.
    void deactivateScene(const Scene& scene);
    // Deactivates the first scene marked active; saves either way.
    void deactivateActiveScene();

    // Sets the switch of every feature the scene sets, in catalogue order; ids the catalogue
    // does not know are skipped, and so are switches the host cannot do (with one log line
    // each). Revert sets each to the opposite value.
    void applyFeatures(const Scene& scene);
    void revertFeatures(const Scene& scene);

signals:
    void scenesChanged();

private:
    Scene* storedScene(const QUuid& id);
    // Sets the scene's switches to its values, or to the opposite values when inverted.
    void runFeatures(const Scene& scene, bool inverted);

    std::vector<Scene> scenes_;
    // The bytes of a stored value that could not be read: kept in a file before the first save
    // replaces them, so the user's data is never silently destroyed.
    std::optional<QByteArray> unreadableValue_;
};

}  // namespace swivlo
