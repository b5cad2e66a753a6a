#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

namespace swivlo {

// One line of the symbol table: a system symbol name and the artwork that draws it.
struct SymbolMapping {
    QString name;
    QString artwork;  // artwork name without weight suffix, e.g. "moon"
    QString weight;   // "regular", "fill", "duotone", "bold", "light" or "thin"

    // Where the artwork lives in the application's resources.
    QString resourcePath() const;
};

// Draws system symbols by name for the whole program, from the vendored artwork listed in the
// symbol table. Symbols are drawn in the colour given; a name that has no artwork draws a
// neutral placeholder, so the caller never gets an empty image. Main thread only.
class SymbolProvider {
public:
    // The symbol fitted into a square of `size` device-independent pixels, in `color`.
    static QPixmap pixmap(const QString& name, int size, const QColor& color,
                          qreal devicePixelRatio = 1.0);
    // A scalable icon of the symbol in `color` (dimmed when the icon is shown disabled).
    static QIcon icon(const QString& name, const QColor& color);
    // Draws the symbol centred in `rect` (fitted into its largest centred square).
    static void paint(QPainter& painter, const QRectF& rect, const QString& name,
                      const QColor& color);

    // The square a symbol takes when drawn at a text size of `pointSize`, matching how large
    // the host draws a symbol next to text of that size.
    static int sizeForFont(qreal pointSize);

    static bool contains(const QString& name);
    // Every name the table maps, in table order.
    static QStringList names();
    // The mapping of `name`, or nullptr when the table has none.
    static const SymbolMapping* mapping(const QString& name);

    // The licence the artwork is used under, in full, as shipped with it among the resources.
    static QString artworkLicence();

    // Reads the table text: "<name> <artwork> [weight]" per line, '#' starts a comment.
    // Names with a ".fill" part default to the fill weight. Malformed lines and repeated
    // names are skipped and described in `errors`.
    static std::vector<SymbolMapping> parseTable(const QString& text,
                                                 QStringList* errors = nullptr);
};

// A button's label of a symbol before a text (the host's standard icon-and-title label): the
// symbol in a square of `symbolSide`, `gap`, then the text in `font`.
struct SymbolTitleLabel {
    QString symbol;
    QString text;
    QFont font;
    int symbolSide = 0;
    int gap = 0;

    // Without any padding around it.
    QSize size() const;
    // Draws it in `area`, from its leading edge or centred, vertically centred.
    void paint(QPainter& painter, const QRectF& area, const QColor& symbolColor,
               const QColor& textColor, bool centred = false) const;
};

}  // namespace swivlo
