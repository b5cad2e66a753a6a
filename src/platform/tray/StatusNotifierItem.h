#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QMenu>
#include <memory>

#include "platform/tray/DBusMenu.h"
#include "platform/tray/TrayIcon.h"

namespace swivlo::tray {

// org.kde.StatusNotifierItem's wire types: an ARGB32 image in network byte order, and a tool
// tip.
struct SniPixmap {
    int width = 0;
    int height = 0;
    QByteArray bytes;
};
using SniPixmaps = QList<SniPixmap>;
struct SniToolTip {
    QString iconName;
    SniPixmaps pixmaps;
    QString title;
    QString text;
};

QDBusArgument& operator<<(QDBusArgument& arg, const SniPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& arg, SniPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& arg, const SniToolTip& tip);
const QDBusArgument& operator>>(const QDBusArgument& arg, SniToolTip& tip);

// Swivlo's own StatusNotifierItem, with its menu exported over com.canonical.dbusmenu, on the
// bus under a name of its own and registered with the StatusNotifierWatcher. Unlike Qt's, it
// passes on where the host says the click happened.
class StatusNotifierItem : public TrayIcon {
    Q_OBJECT

public:
    static constexpr const char* itemPath = "/StatusNotifierItem";
    static constexpr const char* menuPath = "/MenuBar";

    explicit StatusNotifierItem(QDBusConnection bus, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    void setIcon(const QIcon& icon) override;
    void setMenu(const std::vector<StatusMenuItem>& items) override;
    bool isVisible() const override { return registered_; }

    // What the host asks for.
    void activate(int x, int y);
    void contextMenu(int x, int y);
    const SniPixmaps& pixmaps() const { return pixmaps_; }

signals:
    void newIcon();

private:
    // Asks the watcher to show the item. A watcher that comes back gets a new item instead.
    void registerWithWatcher();

    QDBusConnection bus_;
    QString service_;
    DBusMenu* menu_;
    std::vector<StatusMenuItem> items_;
    SniPixmaps pixmaps_;
    std::unique_ptr<QMenu> popup_;
    bool registered_ = false;
};

class StatusNotifierItemAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconThemePath READ empty)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QString IconName READ empty)
    Q_PROPERTY(swivlo::tray::SniPixmaps IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ empty)
    Q_PROPERTY(swivlo::tray::SniPixmaps OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ empty)
    Q_PROPERTY(swivlo::tray::SniPixmaps AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ empty)
    Q_PROPERTY(swivlo::tray::SniToolTip ToolTip READ toolTip)

public:
    explicit StatusNotifierItemAdaptor(StatusNotifierItem* item);
    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("swivlo"); }
    QString title() const { return QStringLiteral("Swivlo"); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString empty() const { return {}; }
    QDBusObjectPath menu() const {
        return QDBusObjectPath(QString::fromLatin1(StatusNotifierItem::menuPath));
    }
    bool itemIsMenu() const { return false; }
    SniPixmaps iconPixmap() const { return item_->pixmaps(); }
    SniPixmaps noPixmaps() const { return {}; }
    SniToolTip toolTip() const { return {{}, {}, QStringLiteral("Swivlo"), {}}; }

public slots:
    void Activate(int x, int y) { item_->activate(x, y); }
    void SecondaryActivate(int, int) {}
    void ContextMenu(int x, int y) { item_->contextMenu(x, y); }
    void Scroll(int, const QString&) {}

signals:
    void NewIcon();
    void NewTitle();
    void NewToolTip();
    void NewStatus(const QString& status);

private:
    StatusNotifierItem* item_;
};

}  // namespace swivlo::tray

Q_DECLARE_METATYPE(swivlo::tray::SniPixmap)
Q_DECLARE_METATYPE(swivlo::tray::SniToolTip)
