#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

class QWidget;

namespace swivlo {

enum class ColorScheme { light, dark };

// The platform colours the panel is drawn with, for one appearance. "primary" is the solid
// foreground (black or white) that fills and strokes use at low opacities; label colours are
// for text.
struct PanelPalette {
    QColor primary;
    QColor label;
    QColor secondaryLabel;
    QColor windowBackground;
    QColor controlBackground;
    QColor panelBackground;
    QColor separator;
    QColor accent;
    QColor switchTrackOff;
    QColor switchKnob;
    QColor focusRing;

    static PanelPalette forScheme(ColorScheme scheme);
};

// The current light or dark appearance of everything Swivlo draws. The platform layer tells it
// when the host's appearance changes; widgets listen to changed() and restyle at once.
class Appearance : public QObject {
    Q_OBJECT
public:
    static Appearance& shared();

    ColorScheme colorScheme() const { return scheme_; }
    bool isDark() const { return scheme_ == ColorScheme::dark; }
    void setColorScheme(ColorScheme scheme);
    void setDark(bool dark) { setColorScheme(dark ? ColorScheme::dark : ColorScheme::light); }

    const PanelPalette& palette() const { return palette_; }

    // The platform's standard named colours ("blue", "orange", ...) in this appearance; an
    // invalid QColor for a name that is not one of them.
    QColor namedColor(const QString& name) const { return namedColor(name, scheme_); }
    static QColor namedColor(const QString& name, ColorScheme scheme);

    // The interface font at a size in points (one point is one device-independent pixel here).
    static QFont font(qreal pointSize, QFont::Weight weight = QFont::Normal);

    // `color` with its own opacity multiplied by `opacity`.
    static QColor withOpacity(QColor color, qreal opacity);
    // Whether focus gained this way shows a focus ring: only keyboard navigation does, not a
    // click, a window becoming active or the program moving focus itself.
    static bool showsFocusRing(Qt::FocusReason reason) {
        return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
               reason == Qt::ShortcutFocusReason;
    }
    // Gives a widget's text (a label's, say) this colour, leaving the rest of its palette.
    static void setTextColor(QWidget& widget, const QColor& color);

signals:
    void changed();

private:
    Appearance();

    ColorScheme scheme_ = ColorScheme::light;
    PanelPalette palette_;
};

}  // namespace swivlo
