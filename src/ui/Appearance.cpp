#include "ui/Appearance.h"

#include <QFontDatabase>
#include <QWidget>

#include <algorithm>
#include <array>

#include "platform/SystemColors.h"

namespace swivlo {

namespace {

QString interfaceFamily() {
    // Inter is the closest open face to the host's interface font; fall back to the default.
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        return families.contains(QStringLiteral("Inter")) ? QStringLiteral("Inter") : QString();
    }();
    return family;
}

}  // namespace

PanelPalette PanelPalette::forScheme(ColorScheme scheme) {
    if (scheme == ColorScheme::dark) {
        return PanelPalette{
            .primary = QColor(255, 255, 255),
            .label = QColor(255, 255, 255, 217),
            .secondaryLabel = QColor(255, 255, 255, 140),
            .windowBackground = QColor(50, 50, 50),
            .controlBackground = QColor(30, 30, 30),
            .panelBackground = QColor(40, 40, 42),
            .separator = QColor(255, 255, 255, 26),
            .accent = SystemColors::color("blue", true),
            .switchTrackOff = QColor(255, 255, 255, 41),
            .switchKnob = QColor(236, 236, 236),
            .focusRing = QColor(26, 169, 255, 128),
        };
    }
    return PanelPalette{
        .primary = QColor(0, 0, 0),
        .label = QColor(0, 0, 0, 217),
        .secondaryLabel = QColor(0, 0, 0, 128),
        .windowBackground = QColor(236, 236, 236),
        .controlBackground = QColor(255, 255, 255),
        .panelBackground = QColor(246, 246, 246),
        .separator = QColor(0, 0, 0, 26),
        .accent = SystemColors::color("blue", false),
        .switchTrackOff = QColor(0, 0, 0, 26),
        .switchKnob = QColor(255, 255, 255),
        .focusRing = QColor(0, 103, 244, 102),
    };
}

Appearance::Appearance() : palette_(PanelPalette::forScheme(ColorScheme::light)) {}

Appearance& Appearance::shared() {
    // Created on first use and kept for the life of the process, like the other shared owners.
    static Appearance* instance = new Appearance;
    return *instance;
}

void Appearance::setColorScheme(ColorScheme scheme) {
    if (scheme == scheme_) {
        return;
    }
    scheme_ = scheme;
    palette_ = PanelPalette::forScheme(scheme);
    emit changed();
}

QColor Appearance::namedColor(const QString& name, ColorScheme scheme) {
    return SystemColors::color(name.toLatin1().toStdString(), scheme == ColorScheme::dark);
}

QFont Appearance::font(qreal pointSize, QFont::Weight weight) {
    QFont font;
    const QString family = interfaceFamily();
    if (!family.isEmpty()) {
        font.setFamily(family);
    }
    font.setPixelSize(qRound(pointSize));
    font.setWeight(weight);
    return font;
}

void Appearance::setTextColor(QWidget& widget, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, color);
    widget.setPalette(palette);
}

QColor Appearance::withOpacity(QColor color, qreal opacity) {
    color.setAlphaF(static_cast<float>(std::clamp(color.alphaF() * opacity, 0.0, 1.0)));
    return color;
}

}  // namespace swivlo
