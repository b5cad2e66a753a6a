#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

#include "scenes/SceneFeature.h"

class QVBoxLayout;

namespace swivlo {

class SceneEditorModel;

// One feature in a box. Drags carry the feature's id as plain text.
class FeatureItemRow : public QWidget {
    Q_OBJECT

public:
    FeatureItemRow(const SceneFeature& feature, bool isEnabled, SceneEditorModel& model,
                   QWidget* parent = nullptr);
    const SceneFeature& feature() const { return feature_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    SceneFeature feature_;
    std::optional<QPoint> pressPoint_;
};

// The Enabled or the Disabled box: lists its features and takes dropped plain text.
class FeatureBox : public QWidget {
    Q_OBJECT

public:
    FeatureBox(bool isEnabledBox, SceneEditorModel& model, QWidget* parent = nullptr);
    void rebuild();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool isEnabledBox_;
    SceneEditorModel& model_;
    QVBoxLayout* layout_;
    bool targeted_ = false;
};

}  // namespace swivlo
