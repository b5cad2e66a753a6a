#include "panel/CapsuleActionButtonStyle.h"

#include <QFontMetricsF>
#include <QPainter>

#include "ui/ContinuousShape.h"

namespace swivlo {

QColor CapsuleActionButtonStyle::baseFill() const {
    const PanelPalette colors = PanelPalette::forScheme(colorScheme);
    return colorScheme == ColorScheme::dark ? Appearance::withOpacity(colors.windowBackground, 0.7)
                                            : colors.controlBackground;
}

QColor CapsuleActionButtonStyle::fill(qreal pressed) const {
    // The press depth can overshoot with the spring; keep the opacity within its range.
    return Appearance::withOpacity(baseFill(), 1.0 - 0.2 * std::clamp(pressed, 0.0, 1.0));
}

QColor CapsuleActionButtonStyle::rim() const {
    return Appearance::withOpacity(PanelPalette::forScheme(colorScheme).primary, 0.12);
}

QColor CapsuleActionButtonStyle::innerRim() const {
    return QColor(255, 255, 255, colorScheme == ColorScheme::dark ? qRound(0.18 * 255) : 0);
}

qreal CapsuleActionButtonStyle::scale(qreal pressed) const {
    return 1.0 - 0.05 * pressed;
}

void CapsuleActionButtonStyle::draw(QPainter& painter, const QRectF& frame, const QString& label,
                                    qreal pressed) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = frame.center();
    const qreal s = scale(pressed);
    painter.translate(centre);
    painter.scale(s, s);
    painter.translate(-centre);

    const QPainterPath shape = capsule(frame);
    painter.fillPath(shape, fill(pressed));
    painter.strokePath(capsule(frame.adjusted(0.5, 0.5, -0.5, -0.5)), QPen(rim(), 1));
    if (innerRim().alpha() > 0) {
        painter.strokePath(capsule(frame.adjusted(1.25, 1.25, -1.25, -1.25)),
                           QPen(innerRim(), 0.5));
    }

    // The label keeps to the frame: a long one is shortened, the capsule never grows.
    const QFont font = Appearance::font(12, QFont::Medium);
    const QRectF textBox = frame.adjusted(frame.height() / 4, 0, -frame.height() / 4, 0);
    const QString shown = QFontMetricsF(font).elidedText(label, Qt::ElideRight, textBox.width());
    painter.setFont(font);
    painter.setPen(PanelPalette::forScheme(colorScheme).label);
    painter.drawText(textBox, Qt::AlignCenter, shown);
    painter.restore();
}

}  // namespace swivlo
