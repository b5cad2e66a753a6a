#include "cleaner/CoveringFrame.h"

#include <algorithm>

namespace swivlo {

QRectF coveringFrame(const std::vector<QRectF>& screenFrames) {
    // QRectF::united() skips empty rectangles, including the zero one we start from, so the union
    // is taken by hand.
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    for (const QRectF& frame : screenFrames) {
        const QRectF r = frame.normalized();
        left = std::min(left, r.left());
        top = std::min(top, r.top());
        right = std::max(right, r.right());
        bottom = std::max(bottom, r.bottom());
    }
    return QRectF(left, top, right - left, bottom - top);
}

}  // namespace swivlo
