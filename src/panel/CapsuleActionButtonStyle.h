#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

#include "ui/Appearance.h"

class QPainter;

namespace swivlo {

// How a row's action button is drawn: a 56 by 28 capsule with the label centred, a fill that
// follows the appearance, a hairline rim (plus a white inner rim in the dark appearance), and
// a slight shrink while pressed.
struct CapsuleActionButtonStyle {
    ColorScheme colorScheme = ColorScheme::light;

    static constexpr qreal kWidth = 56;
    static constexpr qreal kHeight = 28;

    QColor baseFill() const;
    // The fill at a press depth from 0 (released) to 1 (pressed).
    QColor fill(qreal pressed) const;
    QColor rim() const;
    QColor innerRim() const;
    qreal scale(qreal pressed) const;

    // Draws the button into `frame` (the 56 by 28 box) with its label, at a press depth.
    void draw(QPainter& painter, const QRectF& frame, const QString& label, qreal pressed) const;
};

}  // namespace swivlo
