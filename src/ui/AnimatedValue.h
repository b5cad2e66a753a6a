#pragma once

#include <QEasingCurve>
#include <QObject>

class QVariantAnimation;
class QWidget;

namespace swivlo {

// Durations and curves of the panel's animations.
inline constexpr int kHoverFadeMs = 150;
inline constexpr int kSwitchSlideMs = 200;
// Settling time of the press spring (response 0.2 s, damping fraction 0.6).
inline constexpr int kPressSpringMs = 450;

// The host's ease-in-out timing curve.
QEasingCurve easeInOutCurve();
// A damped spring with a 0.2 s response and a 0.6 damping fraction, starting at rest, as
// progress over kPressSpringMs (it overshoots 1 before it settles).
qreal pressSpringProgress(qreal t);
QEasingCurve pressSpringCurve();

// A number that glides to each new target and repaints `owner` as it moves. Widgets keep their
// hover highlight, switch position and press depth in one of these.
class AnimatedValue : public QObject {
    Q_OBJECT
public:
    AnimatedValue(QWidget* owner, int durationMs, QEasingCurve curve, qreal initial = 0);

    qreal value() const { return value_; }
    qreal target() const { return target_; }
    void animateTo(qreal target);
    // Jumps without animating, e.g. when a widget is first shown.
    void setValue(qreal value);

private:
    QWidget* owner_;
    QVariantAnimation* animation_;
    qreal value_;
    qreal target_;
};

}  // namespace swivlo
