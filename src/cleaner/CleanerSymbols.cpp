#include "cleaner/CleanerSymbols.h"

namespace swivlo {

QPixmap cleanerSymbol(const QString& name, int pixelSize, const QColor& color) {
    // The shared symbol provider is not there yet; until it is, the view keeps the symbols'
    // space and draws nothing in it.
    Q_UNUSED(name);
    Q_UNUSED(pixelSize);
    Q_UNUSED(color);
    return {};
}

}  // namespace swivlo
