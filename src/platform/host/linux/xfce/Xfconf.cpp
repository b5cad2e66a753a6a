#include "platform/host/linux/xfce/Xfconf.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>

#include "platform/LogOutput.h"
#include "platform/host/linux/SessionBus.h"

namespace swivlo::linuxhost::xfce {

namespace {

constexpr int callTimeoutMs = 3000;

QDBusMessage call(const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.xfce.Xfconf"), QStringLiteral("/org/xfce/Xfconf"),
        QStringLiteral("org.xfce.Xfconf"), method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, callTimeoutMs);
}

// Arrays (a panel's plugin ids, the list of panels) arrive as an "av" the bus library leaves
// unread; everything else as a plain value.
QVariant unpack(const QVariant& value) {
    QVariant inner =
        value.canConvert<QDBusVariant>() ? value.value<QDBusVariant>().variant() : value;
    if (inner.userType() != qMetaTypeId<QDBusArgument>()) {
        return inner;
    }
    const auto argument = inner.value<QDBusArgument>();
    QVariantList items;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant item;
        argument >> item;
        items.append(item.variant());
    }
    argument.endArray();
    return items;
}

}  // namespace

bool Xfconf::available() {
    if (!sessionbus::exists()) {
        return false;
    }
    return call(QStringLiteral("ListChannels"), {}).type() == QDBusMessage::ReplyMessage;
}

std::optional<QVariant> Xfconf::get(const QString& channel, const QString& property) {
    const QDBusMessage reply = call(QStringLiteral("GetProperty"), {channel, property});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    return unpack(reply.arguments().constFirst());
}

QMap<QString, QVariant> Xfconf::all(const QString& channel, const QString& base) {
    const QDBusMessage reply = call(QStringLiteral("GetAllProperties"), {channel, base});
    QMap<QString, QVariant> properties;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return properties;
    }
    const auto map = reply.arguments().constFirst().value<QDBusArgument>();
    map.beginMap();
    while (!map.atEnd()) {
        QString name;
        QDBusVariant value;
        map.beginMapEntry();
        map >> name >> value;
        map.endMapEntry();
        properties.insert(name, unpack(value.variant()));
    }
    map.endMap();
    return properties;
}

bool Xfconf::set(const QString& channel, const QString& property, const QVariant& value) {
    const QDBusMessage reply = call(QStringLiteral("SetProperty"),
                                    {channel, property, QVariant::fromValue(QDBusVariant(value))});
    if (reply.type() != QDBusMessage::ReplyMessage) {
        logLine("❌ xfconf did not take " + channel.toStdString() + " " + property.toStdString() +
                ": " + reply.errorMessage().toStdString());
        return false;
    }
    return true;
}

bool Xfconf::reset(const QString& channel, const QString& property) {
    const QDBusMessage reply = call(QStringLiteral("ResetProperty"), {channel, property, false});
    if (reply.type() != QDBusMessage::ReplyMessage) {
        logLine("❌ xfconf did not reset " + channel.toStdString() + " " + property.toStdString() +
                ": " + reply.errorMessage().toStdString());
        return false;
    }
    return true;
}

}  // namespace swivlo::linuxhost::xfce
