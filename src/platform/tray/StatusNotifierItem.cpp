#include "platform/tray/StatusNotifierItem.h"

#include <unistd.h>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QImage>
#include <QPointer>
#include <QtEndian>

#include "platform/tray/XEmbedTrayIcon.h"

namespace swivlo::tray {

QDBusArgument& operator<<(QDBusArgument& arg, const SniPixmap& pixmap) {
    arg.beginStructure();
    arg << pixmap.width << pixmap.height << pixmap.bytes;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, SniPixmap& pixmap) {
    arg.beginStructure();
    arg >> pixmap.width >> pixmap.height >> pixmap.bytes;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const SniToolTip& tip) {
    arg.beginStructure();
    arg << tip.iconName << tip.pixmaps << tip.title << tip.text;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, SniToolTip& tip) {
    arg.beginStructure();
    arg >> tip.iconName >> tip.pixmaps >> tip.title >> tip.text;
    arg.endStructure();
    return arg;
}

namespace {

int nextItemNumber = 1;

SniPixmap sniPixmap(const QIcon& icon, int side) {
    const QImage image =
        icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32).scaled(side, side);
    SniPixmap pixmap{image.width(), image.height(), {}};
    pixmap.bytes.resize(static_cast<qsizetype>(image.width()) * image.height() * 4);
    auto* out = reinterpret_cast<quint32*>(pixmap.bytes.data());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            *out++ = qToBigEndian(line[x]);
        }
    }
    return pixmap;
}

}  // namespace

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierItem* item)
    : QDBusAbstractAdaptor(item), item_(item) {
    connect(item, &StatusNotifierItem::newIcon, this, &StatusNotifierItemAdaptor::NewIcon);
}

StatusNotifierItem::StatusNotifierItem(QDBusConnection bus, QObject* parent)
    : TrayIcon(parent),
      bus_(std::move(bus)),
      service_(
          QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(::getpid()).arg(nextItemNumber++)),
      menu_(new DBusMenu(this)) {
    qDBusRegisterMetaType<SniPixmap>();
    qDBusRegisterMetaType<SniPixmaps>();
    qDBusRegisterMetaType<SniToolTip>();
    registerDBusMenuTypes();
    new StatusNotifierItemAdaptor(this);
    new DBusMenuAdaptor(menu_);
    bus_.registerObject(QString::fromLatin1(itemPath), this, QDBusConnection::ExportAdaptors);
    bus_.registerObject(QString::fromLatin1(menuPath), menu_, QDBusConnection::ExportAdaptors);
    bus_.registerService(service_);
    registerWithWatcher();
}

StatusNotifierItem::~StatusNotifierItem() {
    // The watcher drops the item when its name leaves the bus.
    bus_.unregisterService(service_);
    bus_.unregisterObject(QString::fromLatin1(menuPath));
    bus_.unregisterObject(QString::fromLatin1(itemPath));
}

void StatusNotifierItem::registerWithWatcher() {
    auto call = QDBusMessage::createMethodCall(QStringLiteral("org.kde.StatusNotifierWatcher"),
                                               QStringLiteral("/StatusNotifierWatcher"),
                                               QStringLiteral("org.kde.StatusNotifierWatcher"),
                                               QStringLiteral("RegisterStatusNotifierItem"));
    // By path, as libappindicator does: the watcher takes our unique name from the call. GNOME's
    // AppIndicator extension, given the well-known name, races its own name watch against the
    // item's properties and now and then drops the item without ever showing it.
    call << QString::fromLatin1(itemPath);
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const bool registered = !w->isError();
        if (registered != registered_) {
            registered_ = registered;
            emit visibleChanged(registered);
        }
    });
}

void StatusNotifierItem::setIcon(const QIcon& icon) {
    pixmaps_.clear();
    for (int side : {16, 22, 24, 32, 48}) {
        if (icon.isNull()) {
            break;
        }
        pixmaps_.append(sniPixmap(icon, side));
    }
    emit newIcon();
}

void StatusNotifierItem::setMenu(const std::vector<StatusMenuItem>& items) {
    items_ = items;
    menu_->setItems(items);
}

void StatusNotifierItem::activate(int x, int y) {
    // (0, 0) is what hosts send when they do not know where.
    emit activated(x == 0 && y == 0 ? QRect() : QRect(x, y, 1, 1));
}

void StatusNotifierItem::contextMenu(int x, int y) {
    // For hosts that ask the item to show its menu itself.
    auto popup = std::make_unique<QMenu>();
    fillMenu(*popup, items_);
    popup->popup(QPoint(x, y));
    if (popup_) {
        popup_.release()->deleteLater();
    }
    popup_ = std::move(popup);
}

}  // namespace swivlo::tray
