#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "scenes/Scene.h"

namespace swivlo {

class SceneManager;
class SwitchControl;

// One of the user's scenes: icon in its colour, name, summary and the on/off switch. A click
// outside the switch edits it; the context menu edits or deletes it.
class SceneRow : public QWidget {
    Q_OBJECT

public:
    SceneRow(Scene scene, SceneManager& manager, std::function<void()> onEdit,
             QWidget* parent = nullptr);
    const Scene& scene() const { return scene_; }
    SwitchControl* activeSwitch() const { return switch_; }
    // The context menu's actions, as the menu runs them.
    void edit();
    void remove();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    Scene scene_;
    SceneManager& manager_;
    std::function<void()> onEdit_;
    SwitchControl* switch_;
};

// A preset: a click adds a new scene made from it.
class PresetSceneRow : public QWidget {
    Q_OBJECT

public:
    PresetSceneRow(const Scene& scene, const QString& description, std::function<void()> onAdd,
                   QWidget* parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> onAdd_;
};

}  // namespace swivlo
