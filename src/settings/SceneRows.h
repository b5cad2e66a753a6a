#pragma once

#include <QAbstractButton>
#include <QString>
#include <functional>

#include "scenes/Scene.h"

namespace swivlo {

class SceneManager;
class SwitchControl;

// A row that acts on a click. A button to the accessibility interface, named by its title, so a
// screen reader's "Press" does what the click does.
class ClickableRow : public QAbstractButton {
    Q_OBJECT

public:
    explicit ClickableRow(QWidget* parent = nullptr);

protected:
    // The row's children draw it.
    void paintEvent(QPaintEvent*) override {}
};

// One of the user's scenes: icon in its colour, name, summary and the on/off switch. A click
// outside the switch edits it; the context menu edits or deletes it.
class SceneRow : public ClickableRow {
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
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    Scene scene_;
    SceneManager& manager_;
    std::function<void()> onEdit_;
    SwitchControl* switch_;
};

// A preset: a click adds a new scene made from it.
class PresetSceneRow : public ClickableRow {
    Q_OBJECT

public:
    PresetSceneRow(const Scene& scene, const QString& description, std::function<void()> onAdd,
                   QWidget* parent = nullptr);
};

}  // namespace swivlo
