#pragma once

#include <QRectF>
#include <vector>

namespace swivlo {

// The smallest rectangle holding the zero rectangle at the origin and every given frame. The
// union starts from the origin on purpose, so the result always includes (0, 0).
QRectF coveringFrame(const std::vector<QRectF>& screenFrames);

}  // namespace swivlo
