#include "platform/tray/XEmbedTrayIcon.h"

namespace swivlo::tray {

void fillMenu(QMenu& menu, const std::vector<StatusMenuItem>& items) {
    for (const auto& item : items) {
        // Titles are plain text: an ampersand is shown, not taken as a mnemonic.
        const QString title =
            QString::fromStdString(item.title).replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (!item.submenu.empty()) {
            fillMenu(*menu.addMenu(title), item.submenu);
        } else if (item.title.empty() && !item.action) {
            menu.addSeparator();
        } else {
            QObject::connect(menu.addAction(title), &QAction::triggered, &menu,
                             [action = item.action] {
                                 if (action) {
                                     action();
                                 }
                             });
        }
    }
}

XEmbedTrayIcon::XEmbedTrayIcon(QObject* parent) : TrayIcon(parent) {
    icon_.setToolTip(QStringLiteral("Swivlo"));
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // A double click arrives as Trigger for its first press and DoubleClick for its
                // second: the owner decides what the second one is.
                if (reason == QSystemTrayIcon::Trigger) {
                    emit activated(icon_.geometry());
                } else if (reason == QSystemTrayIcon::DoubleClick) {
                    emit doubleClicked();
                }
            });
}

void XEmbedTrayIcon::setIcon(const QIcon& icon) {
    icon_.setIcon(icon);
    if (!icon.isNull()) {
        icon_.show();
    }
}

void XEmbedTrayIcon::setMenu(const std::vector<StatusMenuItem>& items) {
    auto menu = std::make_unique<QMenu>();
    fillMenu(*menu, items);
    icon_.setContextMenu(menu.get());
    // The old menu may be the one whose entry is running this call.
    if (menu_) {
        menu_.release()->deleteLater();
    }
    menu_ = std::move(menu);
}

bool XEmbedTrayIcon::isVisible() const {
    return QSystemTrayIcon::isSystemTrayAvailable() && icon_.isVisible();
}

}  // namespace swivlo::tray
