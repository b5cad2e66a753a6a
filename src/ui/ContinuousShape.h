#pragma once

#include <QPainterPath>
#include <QRectF>

namespace swivlo {

// A rounded rectangle with continuous corners: each corner eases out of the straight edge
// instead of meeting a circular arc abruptly, as the host draws its cards and buttons. The
// radius is clamped to half the shorter side; at that limit the shape is a capsule.
QPainterPath continuousRoundedRect(const QRectF& rect, qreal radius);

// The capsule that fits `rect` (radius half the shorter side).
QPainterPath capsule(const QRectF& rect);

}  // namespace swivlo
