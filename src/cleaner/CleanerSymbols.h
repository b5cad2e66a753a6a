#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

namespace swivlo {

// The system symbol `name` drawn at `pixelSize` in `color`, for the cleaner's view. A null pixmap
// leaves the symbol's place empty.
QPixmap cleanerSymbol(const QString& name, int pixelSize, const QColor& color);

}  // namespace swivlo
