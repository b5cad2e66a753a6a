#pragma once

#include <QAbstractButton>
#include <QColor>

namespace swivlo {

class AnimatedValue;

// An on/off switch: a checkable button drawn as a capsule track with a sliding knob, filled
// with its tint when on. Click, Space or an accessibility action flips it; the knob slides to
// each new state, including states set from code.
class SwitchControl : public QAbstractButton {
    Q_OBJECT
public:
    explicit SwitchControl(QWidget* parent = nullptr);

    QColor tint() const { return tint_; }
    void setTint(const QColor& tint);

    // Where the knob is drawn: 0 at the off end, 1 at the on end (moves while animating).
    qreal knobPosition() const;
    // Where the knob comes to rest.
    qreal knobTarget() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    static constexpr QSizeF kTrackSize{38, 22};

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void checkStateSet() override;
    void nextCheckState() override;

private:
    QRectF trackRect() const;
    void followCheckedState();

    QColor tint_;
    AnimatedValue* position_;
    bool keyboardFocus_ = false;
};

}  // namespace swivlo
