#include "ui/AnimatedValue.h"

#include <QVariantAnimation>
#include <QWidget>
#include <QtMath>

namespace swivlo {

QEasingCurve easeInOutCurve() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment({0.42, 0.0}, {0.58, 1.0}, {1.0, 1.0});
    return curve;
}

qreal pressSpringProgress(qreal t) {
    constexpr qreal response = 0.2;
    constexpr qreal damping = 0.6;
    const qreal omega = 2 * M_PI / response;
    const qreal decay = damping * omega;
    const qreal omegaD = omega * qSqrt(1 - damping * damping);
    const qreal seconds = t * kPressSpringMs / 1000.0;
    if (t >= 1.0) {
        return 1.0;  // land exactly on the target when the animation ends
    }
    return 1 - qExp(-decay * seconds) *
                   (qCos(omegaD * seconds) + decay / omegaD * qSin(omegaD * seconds));
}

QEasingCurve pressSpringCurve() {
    QEasingCurve curve;
    curve.setCustomType(&pressSpringProgress);
    return curve;
}

AnimatedValue::AnimatedValue(QWidget* owner, int durationMs, QEasingCurve curve, qreal initial)
    : QObject(owner),
      owner_(owner),
      animation_(new QVariantAnimation(this)),
      value_(initial),
      target_(initial) {
    animation_->setDuration(durationMs);
    animation_->setEasingCurve(curve);
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        value_ = v.toReal();
        owner_->update();
    });
}

void AnimatedValue::animateTo(qreal target) {
    if (target == target_) {
        return;
    }
    target_ = target;
    animation_->stop();
    if (!owner_->isVisible()) {
        setValue(target);
        return;
    }
    animation_->setStartValue(value_);
    animation_->setEndValue(target);
    animation_->start();
}

void AnimatedValue::setValue(qreal value) {
    animation_->stop();
    value_ = value;
    target_ = value;
    owner_->update();
}

}  // namespace swivlo
