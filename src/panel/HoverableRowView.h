#pragma once

#include <QWidget>

#include "panel/Row.h"

class QAbstractButton;

namespace swivlo {

class AnimatedValue;

// One panel row: a tinted symbol badge, the title (with a caption under it when the row has
// one), and the row's switch or capsule button. A faint rounded highlight fades in while the
// pointer is over the row. The row holds no state of its own: the switch shows what the row's
// getter says, also after the setter ran.
class HoverableRowView : public QWidget {
    Q_OBJECT
public:
    explicit HoverableRowView(Row row, QWidget* parent = nullptr);

    const Row& row() const { return row_; }
    bool isHovered() const { return hovered_; }

    // The row's switch (a SwitchControl) or capsule button (a CapsuleButton).
    QAbstractButton* control() const { return control_; }
    // The padded area that lights up; pointer enter and leave are tracked over it.
    QWidget* hoverArea() const { return surface_; }

    // Reads the toggle's getter and the caption again, e.g. after the owner re-read the host's
    // state.
    void refresh();

    // How the control last took the focus, so a rebuilt row can take it back the same way.
    Qt::FocusReason focusReason() const { return focusReason_; }

    static constexpr int kBadgeSize = 28;

signals:
    void hoveredChanged(bool hovered);

private:
    friend class RowSurface;
    void setHovered(bool hovered);
    void paintSurface(QPainter& painter, const QRect& area) const;
    void onToggled(bool on);
    bool eventFilter(QObject* watched, QEvent* event) override;

    Row row_;
    QString title_;
    QString caption_;
    QWidget* surface_;
    QAbstractButton* control_ = nullptr;
    AnimatedValue* highlight_ = nullptr;
    bool hovered_ = false;
    bool refreshing_ = false;
    Qt::FocusReason focusReason_ = Qt::OtherFocusReason;
};

}  // namespace swivlo
