#include "platform/desktop/TrayStatusBar.h"

#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

namespace swivlo::desktop {

namespace {

// The artwork is one monochrome glyph; it is drawn light with a dark rim so it reads on
// light and dark trays alike, at 1x and 2x.
QIcon trayIcon(const QString& resource) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) {
        return {};
    }
    QIcon icon;
    for (int side : {16, 22, 24, 32, 44, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, side, side));
        icon.addPixmap(pixmap);
    }
    return icon;
}

void addMenuItems(QMenu& menu, const std::vector<StatusMenuItem>& items) {
    for (const auto& item : items) {
        // Titles are plain text: an ampersand is shown, not taken as a mnemonic.
        const QString title =
            QString::fromStdString(item.title).replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (!item.submenu.empty()) {
            addMenuItems(*menu.addMenu(title), item.submenu);
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

}  // namespace

TrayStatusItem::TrayStatusItem() {
    icon_.setToolTip(QStringLiteral("Swivlo"));
    QObject::connect(&icon_, &QSystemTrayIcon::activated, &icon_,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         // A double click arrives as Trigger for its first press and
                         // DoubleClick for its second: the owner decides what that is.
                         if (action_ && reason == QSystemTrayIcon::Trigger) {
                             action_();
                         } else if (doubleClickAction_ && reason == QSystemTrayIcon::DoubleClick) {
                             doubleClickAction_();
                         }
                     });
}

void TrayStatusItem::setImage(const std::string& name) {
    const QString resource = QStringLiteral(":/images/%1.svg").arg(QString::fromStdString(name));
    QIcon icon = QFile::exists(resource) ? trayIcon(resource) : QIcon();
    if (icon.isNull()) {
        // Keep the item clickable even without its artwork.
        QPixmap blank(22, 22);
        blank.fill(Qt::transparent);
        icon = QIcon(blank);
    }
    icon_.setIcon(icon);
    icon_.show();
}

void TrayStatusItem::setAction(std::function<void()> action) {
    action_ = std::move(action);
}

void TrayStatusItem::setDoubleClickAction(std::function<void()> action) {
    doubleClickAction_ = std::move(action);
}

void TrayStatusItem::setMenu(std::vector<StatusMenuItem> items) {
    auto menu = std::make_unique<QMenu>();
    addMenuItems(*menu, items);
    icon_.setContextMenu(menu.get());
    // The old menu may be the one whose entry is running this call.
    if (menu_) {
        menu_.release()->deleteLater();
    }
    menu_ = std::move(menu);
}

std::unique_ptr<StatusItem> TrayStatusBar::statusItemWithLength(double) {
    return std::make_unique<TrayStatusItem>();
}

}  // namespace swivlo::desktop
