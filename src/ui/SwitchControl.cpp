#include "ui/SwitchControl.h"

#include <QFocusEvent>
#include <QPainter>

#include "ui/AnimatedValue.h"
#include "ui/Appearance.h"
#include "ui/ContinuousShape.h"

namespace swivlo {

namespace {

// Room around the track for the keyboard focus ring.
constexpr qreal kRingMargin = 2;

}  // namespace

SwitchControl::SwitchControl(QWidget* parent)
    : QAbstractButton(parent),
      tint_(Appearance::shared().palette().accent),
      position_(new AnimatedValue(this, kSwitchSlideMs, easeInOutCurve())) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(&Appearance::shared(), &Appearance::changed, this, qOverload<>(&QWidget::update));
}

void SwitchControl::setTint(const QColor& tint) {
    tint_ = tint;
    update();
}

qreal SwitchControl::knobPosition() const {
    return position_->value();
}

qreal SwitchControl::knobTarget() const {
    return position_->target();
}

QSize SwitchControl::sizeHint() const {
    return QSizeF(kTrackSize.width() + 2 * kRingMargin, kTrackSize.height() + 2 * kRingMargin)
        .toSize();
}

QRectF SwitchControl::trackRect() const {
    const QPointF topLeft((width() - kTrackSize.width()) / 2, (height() - kTrackSize.height()) / 2);
    return {topLeft, kTrackSize};
}

bool SwitchControl::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

// The knob follows the checked state itself, not toggled(): a state set while signals are
// blocked (a view putting back what is stored) must show too.
void SwitchControl::checkStateSet() {
    QAbstractButton::checkStateSet();
    followCheckedState();
}

void SwitchControl::nextCheckState() {
    QAbstractButton::nextCheckState();
    followCheckedState();
}

void SwitchControl::followCheckedState() {
    position_->animateTo(isChecked() ? 1.0 : 0.0);
}

void SwitchControl::showEvent(QShowEvent* event) {
    // A switch that appears shows its state at once; only changes while shown slide.
    position_->setValue(isChecked() ? 1.0 : 0.0);
    QAbstractButton::showEvent(event);
}

void SwitchControl::focusInEvent(QFocusEvent* event) {
    keyboardFocus_ = Appearance::showsFocusRing(event->reason());
    QAbstractButton::focusInEvent(event);
}

void SwitchControl::focusOutEvent(QFocusEvent* event) {
    keyboardFocus_ = false;
    QAbstractButton::focusOutEvent(event);
}

void SwitchControl::paintEvent(QPaintEvent*) {
    const PanelPalette& colors = Appearance::shared().palette();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }

    const QRectF track = trackRect();
    const QPainterPath trackShape = capsule(track);
    const qreal on = std::clamp(position_->value(), 0.0, 1.0);

    painter.fillPath(trackShape, colors.switchTrackOff);
    if (on > 0) {
        painter.fillPath(trackShape, Appearance::withOpacity(tint_, on));
    }
    // A faint inner edge keeps the off track visible on light backgrounds.
    painter.strokePath(capsule(track.adjusted(0.25, 0.25, -0.25, -0.25)),
                       QPen(Appearance::withOpacity(colors.primary, 0.06 * (1 - on)), 0.5));

    const qreal inset = 1;
    const qreal knob = track.height() - 2 * inset;
    const qreal travel = track.width() - 2 * inset - knob;
    const QRectF knobRect(track.left() + inset + travel * position_->value(), track.top() + inset,
                          knob, knob);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 20));
    painter.drawEllipse(knobRect.adjusted(-0.5, 0, 0.5, 1.5));
    painter.setBrush(QColor(0, 0, 0, 36));
    painter.drawEllipse(knobRect.adjusted(0, 0.25, 0, 0.75));
    painter.setBrush(colors.switchKnob);
    painter.drawEllipse(knobRect);
    if (isDown()) {
        painter.setBrush(QColor(0, 0, 0, 18));
        painter.drawEllipse(knobRect);
    }

    if (hasFocus() && keyboardFocus_) {
        painter.strokePath(capsule(track.adjusted(-1, -1, 1, 1)), QPen(colors.focusRing, 2));
    }
}

}  // namespace swivlo
