#include "panel/Appearance.h"

#include <QFontDatabase>

#include <algorithm>
#include <array>

namespace swivlo {

namespace {

struct NamedColor {
    const char* name;
    QRgb light;
    QRgb dark;
};

// The host's system colours, which are a little brighter in the dark appearance.
constexpr std::array<NamedColor, 13> kNamedColors{{
    {"blue", qRgb(0, 122, 255), qRgb(10, 132, 255)},
    {"orange", qRgb(255, 149, 0), qRgb(255, 159, 10)},
    {"purple", qRgb(175, 82, 222), qRgb(191, 90, 242)},
    {"green", qRgb(52, 199, 89), qRgb(48, 209, 88)},
    {"red", qRgb(255, 59, 48), qRgb(255, 69, 58)},
    {"indigo", qRgb(88, 86, 214), qRgb(94, 92, 230)},
    {"yellow", qRgb(255, 204, 0), qRgb(255, 214, 10)},
    {"cyan", qRgb(50, 173, 230), qRgb(100, 210, 255)},
    {"teal", qRgb(48, 176, 199), qRgb(64, 200, 224)},
    {"pink", qRgb(255, 45, 85), qRgb(255, 55, 95)},
    {"mint", qRgb(0, 199, 190), qRgb(99, 230, 226)},
    {"brown", qRgb(162, 132, 94), qRgb(172, 142, 104)},
    {"gray", qRgb(142, 142, 147), qRgb(142, 142, 147)},
}};

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
            .accent = QColor(10, 132, 255),
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
        .accent = QColor(0, 122, 255),
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
    for (const NamedColor& entry : kNamedColors) {
        if (name == QLatin1String(entry.name)) {
            return QColor::fromRgb(scheme == ColorScheme::dark ? entry.dark : entry.light);
        }
    }
    return {};
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

QColor Appearance::withOpacity(QColor color, qreal opacity) {
    color.setAlphaF(static_cast<float>(std::clamp(color.alphaF() * opacity, 0.0, 1.0)));
    return color;
}

}  // namespace swivlo
