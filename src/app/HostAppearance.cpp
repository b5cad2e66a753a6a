#include "app/HostAppearance.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "platform/GlobalDomain.h"
#include "platform/SystemHost.h"
#include "ui/Appearance.h"

namespace swivlo {

namespace {

QPalette paletteFor(bool dark) {
    const PanelPalette& colors =
        PanelPalette::forScheme(dark ? ColorScheme::dark : ColorScheme::light);
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, colors.windowBackground);
    palette.setColor(QPalette::Base, colors.controlBackground);
    palette.setColor(QPalette::AlternateBase, colors.windowBackground);
    palette.setColor(QPalette::Button, colors.controlBackground);
    palette.setColor(QPalette::WindowText, colors.label);
    palette.setColor(QPalette::Text, colors.label);
    palette.setColor(QPalette::ButtonText, colors.label);
    palette.setColor(QPalette::PlaceholderText, colors.secondaryLabel);
    palette.setColor(QPalette::Highlight, colors.accent);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Mid, colors.separator);
    palette.setColor(QPalette::Disabled, QPalette::Text, colors.secondaryLabel);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, colors.secondaryLabel);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, colors.secondaryLabel);
    return palette;
}

void applyAppearance() {
    const bool dark = systemHost().read({Capability::darkMode})[Capability::darkMode];
    Appearance::shared().setDark(dark);
    QApplication::setPalette(paletteFor(dark));
}

}  // namespace

void followHostAppearance() {
    // Fusion draws the same everywhere and takes our palette in full.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    applyAppearance();
    QObject::connect(&globalDomain(), &GlobalDomain::changed, qApp, [](const std::string& key) {
        if (key == GlobalDomain::appearanceKey) {
            applyAppearance();
        }
    });
}

}  // namespace swivlo
