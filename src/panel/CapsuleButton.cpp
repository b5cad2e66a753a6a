#include "panel/CapsuleButton.h"

#include <QFocusEvent>
#include <QPainter>

#include "panel/CapsuleActionButtonStyle.h"
#include "ui/AnimatedValue.h"
#include "ui/Appearance.h"
#include "ui/ContinuousShape.h"

namespace swivlo {

CapsuleButton::CapsuleButton(const QString& label, QWidget* parent)
    : QAbstractButton(parent), press_(new AnimatedValue(this, kPressSpringMs, pressSpringCurve())) {
    setText(label);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
    connect(this, &QAbstractButton::pressed, this, [this] { press_->animateTo(1.0); });
    connect(this, &QAbstractButton::released, this, [this] { press_->animateTo(0.0); });
    connect(&Appearance::shared(), &Appearance::changed, this, qOverload<>(&QWidget::update));
}

QSize CapsuleButton::sizeHint() const {
    return QSizeF(CapsuleActionButtonStyle::kWidth, CapsuleActionButtonStyle::kHeight).toSize();
}

qreal CapsuleButton::pressDepth() const {
    return press_->value();
}

void CapsuleButton::focusInEvent(QFocusEvent* event) {
    keyboardFocus_ = Appearance::showsFocusRing(event->reason());
    QAbstractButton::focusInEvent(event);
}

void CapsuleButton::focusOutEvent(QFocusEvent* event) {
    keyboardFocus_ = false;
    QAbstractButton::focusOutEvent(event);
}

void CapsuleButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }
    const CapsuleActionButtonStyle style{Appearance::shared().colorScheme()};
    const QRectF frame(0, 0, width(), height());
    style.draw(painter, frame, text(), press_->value());
    if (hasFocus() && keyboardFocus_) {
        // Inside the fixed frame: the ring must not make the button any larger.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.strokePath(capsule(frame.adjusted(1, 1, -1, -1)),
                           QPen(Appearance::shared().palette().focusRing, 2));
    }
}

}  // namespace swivlo
