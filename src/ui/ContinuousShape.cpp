#include "ui/ContinuousShape.h"

#include <QtMath>

#include <algorithm>

namespace swivlo {

namespace {

// How far the easing reaches along each edge, as a fraction of the radius beyond it.
constexpr qreal kSmoothing = 0.6;

struct CornerGeometry {
    qreal p;  // distance from the corner where the curve leaves the edge
    qreal a, b, c, d;
    qreal arcAngle;  // radians of true circular arc in the middle of the corner
    qreal radius;
};

CornerGeometry cornerGeometry(qreal radius, qreal limit) {
    radius = std::clamp(radius, 0.0, limit);
    qreal smoothing = kSmoothing;
    qreal p = (1 + smoothing) * radius;
    if (p > limit) {
        // Not enough room to ease out fully: give up smoothing rather than radius.
        p = limit;
        smoothing = radius > 0 ? std::max(0.0, p / radius - 1) : 0;
    }
    const qreal arcDegrees = 90 * (1 - smoothing);
    const qreal arcLength = qSin(qDegreesToRadians(arcDegrees / 2)) * radius * M_SQRT2;
    const qreal alpha = (90 - arcDegrees) / 2;
    const qreal p3ToP4 = radius * qTan(qDegreesToRadians(alpha / 2));
    const qreal beta = 45 * smoothing;
    const qreal c = p3ToP4 * qCos(qDegreesToRadians(beta));
    const qreal d = c * qTan(qDegreesToRadians(beta));
    const qreal b = (p - arcLength - c - d) / 3;
    return {p, 2 * b, b, c, d, qDegreesToRadians(arcDegrees), radius};
}

// Adds one corner at `o`, arriving along direction u and leaving along direction v.
void addCorner(QPainterPath& path, QPointF o, QPointF u, QPointF v, const CornerGeometry& g) {
    const auto at = [&](qreal along, qreal across) { return o + along * u + across * v; };
    const QPointF arcStart = at(-(g.p - g.a - g.b - g.c), g.d);
    const QPointF arcEnd = at(-g.d, g.p - g.a - g.b - g.c);
    path.cubicTo(at(-(g.p - g.a), 0), at(-(g.p - g.a - g.b), 0), arcStart);

    // The circular middle as one cubic; its tangents meet the easing curves smoothly.
    const qreal alpha = (M_PI / 2 - g.arcAngle) / 2;
    const qreal k = 4.0 / 3.0 * qTan(g.arcAngle / 4) * g.radius;
    const QPointF startTangent = qCos(alpha) * u + qSin(alpha) * v;
    const QPointF endTangent = qSin(alpha) * u + qCos(alpha) * v;
    path.cubicTo(arcStart + k * startTangent, arcEnd - k * endTangent, arcEnd);

    path.cubicTo(at(0, g.p - g.a - g.b), at(0, g.p - g.a), at(0, g.p));
}

}  // namespace

QPainterPath continuousRoundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    const QRectF r = rect.normalized();
    if (r.isEmpty()) {
        return path;
    }
    const CornerGeometry g = cornerGeometry(radius, std::min(r.width(), r.height()) / 2);
    path.moveTo(r.left() + g.p, r.top());
    path.lineTo(r.right() - g.p, r.top());
    addCorner(path, r.topRight(), {1, 0}, {0, 1}, g);
    path.lineTo(r.right(), r.bottom() - g.p);
    addCorner(path, r.bottomRight(), {0, 1}, {-1, 0}, g);
    path.lineTo(r.left() + g.p, r.bottom());
    addCorner(path, r.bottomLeft(), {-1, 0}, {0, -1}, g);
    path.lineTo(r.left(), r.top() + g.p);
    addCorner(path, r.topLeft(), {0, -1}, {1, 0}, g);
    path.closeSubpath();
    return path;
}

QPainterPath capsule(const QRectF& rect) {
    return continuousRoundedRect(rect, std::min(rect.width(), rect.height()) / 2);
}

}  // namespace swivlo
