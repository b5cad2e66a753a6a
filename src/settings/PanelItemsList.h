#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

namespace swivlo {

class GeneralSettings;

namespace settings {

// The "Panel Items" list: one 32-point row per item with a drag handle and a visibility
// switch. Any row can be dragged to a new place; the drop writes the whole order.
class PanelItemsList : public QWidget {
    Q_OBJECT

public:
    static constexpr int rowHeight = 32;
    static inline const char* mimeType = "application/x-swivlo-panel-item";

    PanelItemsList(GeneralSettings& model, QWidget* parent = nullptr);
    void rebuild();
    // Each row's switch shows the stored visibility again, rows staying where they are.
    void showStoredVisibility();
    // The list position a drop at `y` (in this widget) inserts before.
    int destinationFor(int y) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int rowAt(int y) const;

    GeneralSettings& model_;
    std::optional<QPoint> pressPoint_;
    int pressedRow_ = -1;
    std::optional<int> indicator_;
};

}  // namespace settings
}  // namespace swivlo
