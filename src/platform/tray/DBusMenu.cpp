#include "platform/tray/DBusMenu.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QTimer>

namespace swivlo::tray {

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuLayout& layout) {
    arg.beginStructure();
    arg << layout.id << layout.properties;
    arg.beginArray(qMetaTypeId<QDBusVariant>());
    for (const auto& child : layout.children) {
        arg << QDBusVariant(QVariant::fromValue(child));
    }
    arg.endArray();
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuLayout& layout) {
    arg.beginStructure();
    arg >> layout.id >> layout.properties;
    layout.children.clear();
    arg.beginArray();
    while (!arg.atEnd()) {
        QDBusVariant child;
        arg >> child;
        layout.children.append(qdbus_cast<DBusMenuLayout>(child.variant().value<QDBusArgument>()));
    }
    arg.endArray();
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuItem& item) {
    arg.beginStructure();
    arg << item.id << item.properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuItem& item) {
    arg.beginStructure();
    arg >> item.id >> item.properties;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuEvent& event) {
    arg.beginStructure();
    arg << event.id << event.eventId << event.data << event.timestamp;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuEvent& event) {
    arg.beginStructure();
    arg >> event.id >> event.eventId >> event.data >> event.timestamp;
    arg.endStructure();
    return arg;
}

void registerDBusMenuTypes() {
    qDBusRegisterMetaType<DBusMenuLayout>();
    qDBusRegisterMetaType<DBusMenuItem>();
    qDBusRegisterMetaType<QList<DBusMenuItem>>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<QList<DBusMenuEvent>>();
}

DBusMenu::DBusMenu(QObject* parent) : QObject(parent) {
    nodes_.push_back({});
}

void DBusMenu::setItems(const std::vector<StatusMenuItem>& items) {
    nodes_.assign(1, {});
    for (const auto& item : items) {
        const int id = add(item);
        nodes_[0].children.push_back(id);
    }
    emit layoutUpdated(++revision_, 0);
}

int DBusMenu::add(const StatusMenuItem& item) {
    const int id = static_cast<int>(nodes_.size());
    nodes_.push_back({{item.title, item.action, {}}, {}});
    for (const auto& child : item.submenu) {
        const int childId = add(child);
        nodes_[static_cast<std::size_t>(id)].children.push_back(childId);
    }
    return id;
}

QVariantMap DBusMenu::properties(int id, const QStringList& names) const {
    QVariantMap all;
    if (!contains(id)) {
        return all;
    }
    const Node& node = nodes_[static_cast<std::size_t>(id)];
    if (id == 0 || !node.children.empty()) {
        all.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    }
    if (id != 0 && node.item.title.empty() && !node.item.action && node.children.empty()) {
        all.insert(QStringLiteral("type"), QStringLiteral("separator"));
    } else if (id != 0) {
        // An underscore marks a mnemonic in this protocol: a doubled one is shown as itself.
        all.insert(QStringLiteral("label"), QString::fromStdString(node.item.title)
                                                .replace(QLatin1Char('_'), QStringLiteral("__")));
    }
    if (names.isEmpty()) {
        return all;
    }
    QVariantMap wanted;
    for (const QString& name : names) {
        if (all.contains(name)) {
            wanted.insert(name, all.value(name));
        }
    }
    return wanted;
}

bool DBusMenu::layout(int id, int depth, const QStringList& names, DBusMenuLayout& out) const {
    if (!contains(id)) {
        return false;
    }
    out.id = id;
    out.properties = properties(id, names);
    out.children.clear();
    if (depth != 0) {
        for (const int child : nodes_[static_cast<std::size_t>(id)].children) {
            DBusMenuLayout childLayout;
            layout(child, depth < 0 ? -1 : depth - 1, names, childLayout);
            out.children.append(childLayout);
        }
    }
    return true;
}

bool DBusMenu::handleEvent(int id, const QString& eventId) {
    if (!contains(id)) {
        return false;
    }
    if (eventId == QLatin1String("clicked") && nodes_[static_cast<std::size_t>(id)].item.action) {
        // After the reply: the action may open windows or replace this very menu.
        QTimer::singleShot(
            0, this, [action = nodes_[static_cast<std::size_t>(id)].item.action] { action(); });
    }
    return true;
}

DBusMenuAdaptor::DBusMenuAdaptor(DBusMenu* menu) : QDBusAbstractAdaptor(menu), menu_(menu) {
    connect(menu, &DBusMenu::layoutUpdated, this, &DBusMenuAdaptor::LayoutUpdated);
}

uint DBusMenuAdaptor::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                                DBusMenuLayout& layout) {
    menu_->layout(parentId, recursionDepth, propertyNames, layout);
    return menu_->revision();
}

QList<DBusMenuItem> DBusMenuAdaptor::GetGroupProperties(const QList<int>& ids,
                                                        const QStringList& propertyNames) {
    QList<DBusMenuItem> items;
    for (const int id : ids) {
        if (menu_->contains(id)) {
            items.append({id, menu_->properties(id, propertyNames)});
        }
    }
    return items;
}

QDBusVariant DBusMenuAdaptor::GetProperty(int id, const QString& name) {
    return QDBusVariant(menu_->properties(id, {name}).value(name));
}

void DBusMenuAdaptor::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    menu_->handleEvent(id, eventId);
}

QList<int> DBusMenuAdaptor::EventGroup(const QList<DBusMenuEvent>& events) {
    QList<int> unknown;
    for (const auto& event : events) {
        if (!menu_->handleEvent(event.id, event.eventId)) {
            unknown.append(event.id);
        }
    }
    return unknown;
}

bool DBusMenuAdaptor::AboutToShow(int) {
    return false;
}

QList<int> DBusMenuAdaptor::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    for (const int id : ids) {
        if (!menu_->contains(id)) {
            idErrors.append(id);
        }
    }
    return {};
}

}  // namespace swivlo::tray
