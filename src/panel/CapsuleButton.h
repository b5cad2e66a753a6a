#pragma once

#include <QAbstractButton>

namespace swivlo {

class AnimatedValue;

// A row's action button: always exactly 56 by 28, drawn by CapsuleActionButtonStyle in the
// current appearance, springing to 0.95 of its size while pressed.
class CapsuleButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CapsuleButton(const QString& label, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // How far the press animation has gone: 0 released, 1 pressed (may overshoot briefly).
    qreal pressDepth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    AnimatedValue* press_;
    bool keyboardFocus_ = false;
};

}  // namespace swivlo
