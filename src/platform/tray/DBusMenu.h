#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <vector>

#include "platform/StatusBar.h"

namespace swivlo::tray {

// com.canonical.dbusmenu's wire types.
struct DBusMenuLayout {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayout> children;
};
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuLayout& layout);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuLayout& layout);
QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuItem& item);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuItem& item);
QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuEvent& event);

// The tray menu as a tray host draws it itself: entries numbered depth first from 1 (0 is the
// root), each with its label, separator type or submenu marker. A chosen entry runs after the
// host's call has been answered.
class DBusMenu : public QObject {
    Q_OBJECT

public:
    explicit DBusMenu(QObject* parent = nullptr);
    void setItems(const std::vector<StatusMenuItem>& items);

    uint revision() const { return revision_; }
    // The entry `id` with its children `depth` levels down (-1: all); false for an unknown id.
    bool layout(int id, int depth, const QStringList& names, DBusMenuLayout& out) const;
    QVariantMap properties(int id, const QStringList& names) const;
    bool contains(int id) const { return id >= 0 && id < static_cast<int>(nodes_.size()); }
    // Runs the entry's action on a "clicked" event; false for an unknown id.
    bool handleEvent(int id, const QString& eventId);

signals:
    void layoutUpdated(uint revision, int parent);

private:
    struct Node {
        StatusMenuItem item;  // without its submenu: the children below stand for it
        std::vector<int> children;
    };
    int add(const StatusMenuItem& item);

    std::vector<Node> nodes_;
    uint revision_ = 0;
};

// The menu's interface on the bus.
class DBusMenuAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    explicit DBusMenuAdaptor(DBusMenu* menu);
    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   swivlo::tray::DBusMenuLayout& layout);
    QList<swivlo::tray::DBusMenuItem> GetGroupProperties(const QList<int>& ids,
                                                         const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const QList<swivlo::tray::DBusMenuEvent>& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

signals:
    void LayoutUpdated(uint revision, int parent);

private:
    DBusMenu* menu_;
};

void registerDBusMenuTypes();

}  // namespace swivlo::tray

Q_DECLARE_METATYPE(swivlo::tray::DBusMenuLayout)
Q_DECLARE_METATYPE(swivlo::tray::DBusMenuItem)
Q_DECLARE_METATYPE(swivlo::tray::DBusMenuEvent)
