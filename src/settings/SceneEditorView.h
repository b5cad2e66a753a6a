#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "scenes/Scene.h"
#include "settings/SceneEditorModel.h"

class QLineEdit;
class QPushButton;

namespace swivlo {

class SceneManager;
class IconButton;
class CustomIconButton;
class ColorButton;
class CustomColorButton;
class FeatureBox;

// The sheet's form for a new or an existing scene. Save hands the scene to the store and
// closes; Cancel only closes.
class SceneEditorView : public QWidget {
    Q_OBJECT

public:
    SceneEditorView(SceneManager& manager, std::optional<Scene> scene, QWidget* parent = nullptr);

    SceneEditorModel& model() { return model_; }
    QLineEdit* nameField() const { return nameField_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* cancelButton() const { return cancel_; }
    const std::vector<IconButton*>& iconButtons() const { return iconButtons_; }
    CustomIconButton* customIconButton() const { return customIcon_; }
    const std::vector<ColorButton*>& colorButtons() const { return colorButtons_; }
    CustomColorButton* customColorButton() const { return customColor_; }
    FeatureBox* enabledBox() const { return enabledBox_; }
    FeatureBox* disabledBox() const { return disabledBox_; }

signals:
    void dismissed();

private:
    QWidget* iconRow();
    QWidget* colorRow();
    void refreshChoices();
    void saveAndDismiss();

    SceneManager& manager_;
    SceneEditorModel model_;
    QLineEdit* nameField_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::vector<IconButton*> iconButtons_;
    CustomIconButton* customIcon_ = nullptr;
    std::vector<ColorButton*> colorButtons_;
    CustomColorButton* customColor_ = nullptr;
    FeatureBox* enabledBox_ = nullptr;
    FeatureBox* disabledBox_ = nullptr;
};

}  // namespace swivlo
