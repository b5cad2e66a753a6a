#include "platform/tray/TrayStatusBar.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

#include "core/Localized.h"
#include "platform/LogOutput.h"
#include "platform/tray/StatusNotifierItem.h"
#include "platform/tray/XEmbedTrayIcon.h"

namespace swivlo::tray {

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");

// The artwork is one monochrome glyph; it is drawn light with a dark rim so it reads on
// light and dark trays alike, at 1x and 2x.
QIcon drawnIcon(const QString& resource) {
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

QScreen* screenFor(QRect where) {
    QScreen* screen = where.isEmpty() ? nullptr : QGuiApplication::screenAt(where.center());
    return screen ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

TrayStatusItem::TrayStatusItem() : bus_(QDBusConnection::sessionBus()) {
    if (bus_.isConnected()) {
        watcher_ = new QDBusServiceWatcher(watcherService, bus_,
                                           QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString&, const QString&, const QString& newOwner) {
                    if (!newOwner.isEmpty() && kind_ == TrayKind::statusNotifierItem) {
                        // Another watcher (a restarted panel) knows nothing of the item yet.
                        kind_.reset();
                    }
                    follow();
                });
        bus_.connect(watcherService, watcherPath, watcherService,
                     QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(hostRegistered()));
    }
    follow();
    QTimer::singleShot(noTrayGraceMs, this, [this] {
        if (!hasButton()) {
            tellNoTray();
        }
    });
}

TrayStatusItem::~TrayStatusItem() = default;

void TrayStatusItem::hostRegistered() {
    follow();
}

void TrayStatusItem::follow() {
    TrayFacts facts;
    facts.sessionBus = bus_.isConnected();
    facts.watcher = facts.sessionBus && bus_.interface()->isServiceRegistered(watcherService);
    if (!facts.watcher) {
        show(chooseTray(facts));
        return;
    }
    auto get = QDBusMessage::createMethodCall(watcherService, watcherPath,
                                              QStringLiteral("org.freedesktop.DBus.Properties"),
                                              QStringLiteral("Get"));
    get << watcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(get), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, facts](QDBusPendingCallWatcher* call) mutable {
                call->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *call;
                facts.hostRegistered = reply.isValid() && reply.value().variant().toBool();
                show(chooseTray(facts));
            });
}

void TrayStatusItem::show(TrayKind kind) {
    if (kind_ == kind) {
        return;
    }
    // The old icon goes first: its name on the bus must be gone before a new one registers.
    icon_.reset();
    kind_ = kind;
    if (kind == TrayKind::statusNotifierItem) {
        icon_ = std::make_unique<StatusNotifierItem>(bus_);
    } else {
        icon_ = std::make_unique<XEmbedTrayIcon>();
    }
    connect(icon_.get(), &TrayIcon::activated, this, &TrayStatusItem::clicked);
    connect(icon_.get(), &TrayIcon::doubleClicked, this, [this] {
        if (doubleClickAction_) {
            doubleClickAction_();
        }
    });
    icon_->setMenu(menu_);
    icon_->setIcon(image_);
}

void TrayStatusItem::setImage(const std::string& name) {
    const QString resource = QStringLiteral(":/images/%1.svg").arg(QString::fromStdString(name));
    image_ = QFile::exists(resource) ? drawnIcon(resource) : QIcon();
    if (image_.isNull()) {
        // Keep the item clickable even without its artwork.
        QPixmap blank(22, 22);
        blank.fill(Qt::transparent);
        image_ = QIcon(blank);
    }
    if (icon_) {
        icon_->setIcon(image_);
    }
}

void TrayStatusItem::setAction(std::function<void()> action) {
    action_ = std::move(action);
}

void TrayStatusItem::setDoubleClickAction(std::function<void()> action) {
    doubleClickAction_ = std::move(action);
}

void TrayStatusItem::setMenu(std::vector<StatusMenuItem> items) {
    menu_ = std::move(items);
    if (icon_) {
        icon_->setMenu(menu_);
    }
}

void TrayStatusItem::clicked(QRect where) {
    if (!where.isEmpty()) {
        const QScreen* screen = screenFor(where);
        lastClick_ =
            screen ? anchorForClick(where, screen->geometry(), screen->availableGeometry()) : where;
    }
    if (action_) {
        action_();
    }
}

QRect TrayStatusItem::anchor() const {
    if (lastClick_) {
        return *lastClick_;
    }
    const QRect icon = icon_ ? icon_->geometry() : QRect();
    const QScreen* screen = screenFor(icon);
    if (!screen) {
        return icon;
    }
    return icon.isEmpty()
               ? restingAnchor(screen->geometry(), screen->availableGeometry(), hasButton())
               : anchorForClick(icon, screen->geometry(), screen->availableGeometry());
}

void TrayStatusItem::tellNoTray() {
    const QString summary = localized("Swivlo has no tray icon");
    const QString body = localized(
        "No system tray is running. The global shortcut and “swivlo --open-panel” open the "
        "panel.");
    logLine(
        "⚠️ No system tray: the tray icon shows once a tray starts; until then the global "
        "shortcut and swivlo --open-panel open the panel.");
    if (!bus_.isConnected()) {
        return;
    }
    auto notify = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                                 QStringLiteral("/org/freedesktop/Notifications"),
                                                 QStringLiteral("org.freedesktop.Notifications"),
                                                 QStringLiteral("Notify"));
    notify << QStringLiteral("Swivlo") << uint(0) << QStringLiteral("io.github.swivlo.Swivlo")
           << summary << body << QStringList()
           << QVariantMap{{QStringLiteral("desktop-entry"),
                           QStringLiteral("io.github.swivlo.Swivlo")}}
           << -1;
    bus_.asyncCall(notify);
}

std::unique_ptr<StatusItem> TrayStatusBar::statusItemWithLength(double) {
    return std::make_unique<TrayStatusItem>();
}

}  // namespace swivlo::tray
