#include "app/HostAppearance.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "platform/GlobalDomain.h"
#include "platform/LogOutput.h"
#include "platform/Session.h"
#include "platform/SystemHost.h"
#include "platform/appearance/DesktopColorScheme.h"
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

// Set where the host offers no Dark Mode, and on KDE and XFCE, whose own preference also tells
// of changes made by their settings tools: the desktop's own preference instead.
DesktopColorScheme* desktopScheme = nullptr;

void applyAppearance() {
    const bool dark = desktopScheme
                          ? desktopScheme->prefersDark().value_or(false)
                          : systemHost().read({Capability::darkMode})[Capability::darkMode];
    if (desktopScheme) {
        const QString source = desktopScheme->description();
        logLine(std::string("Appearance: ") + (dark ? "dark" : "light") + " (" +
                (source.isEmpty() ? std::string("the desktop states no preference")
                                  : source.toStdString()) +
                ")");
    }
    Appearance::shared().setDark(dark);
    QApplication::setPalette(paletteFor(dark));
}

}  // namespace

void followHostAppearance() {
    // Fusion draws the same everywhere and takes our palette in full.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const DesktopFamily desktop = Session::current().desktop;
    if (!systemHost().supports(Capability::darkMode).available || desktop == DesktopFamily::kde ||
        desktop == DesktopFamily::xfce) {
        // The application keeps it: it follows the desktop until the end.
        desktopScheme = DesktopColorScheme::open(Session::current()).release();
        if (desktopScheme) {
            desktopScheme->setParent(qApp);
            QObject::connect(desktopScheme, &DesktopColorScheme::changed, qApp,
                             [] { applyAppearance(); });
        }
    }
    applyAppearance();
    QObject::connect(&globalDomain(), &GlobalDomain::changed, qApp, [](const std::string& key) {
        if (key == GlobalDomain::appearanceKey) {
            applyAppearance();
        }
    });
}

}  // namespace swivlo
