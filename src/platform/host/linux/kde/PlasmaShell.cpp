#include "platform/host/linux/kde/PlasmaShell.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QJsonArray>
#include <QJsonDocument>

#include "platform/LogOutput.h"
#include "platform/host/linux/SessionBus.h"

namespace swivlo::linuxhost::kde {

namespace {

const QString plasmaShell = QStringLiteral("org.kde.plasmashell");
constexpr int scriptTimeoutMs = 5000;

}  // namespace

bool plasmaShellRuns() {
    return sessionbus::hasOwner(plasmaShell);
}

std::optional<QString> evaluate(const QString& script) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        plasmaShell, QStringLiteral("/PlasmaShell"), QStringLiteral("org.kde.PlasmaShell"),
        QStringLiteral("evaluateScript"));
    message.setArguments({script});
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(message, QDBus::Block, scriptTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        logLine("❌ plasmashell did not run the script: " + reply.errorMessage().toStdString());
        return std::nullopt;
    }
    return reply.arguments().constFirst().toString();
}

std::optional<QJsonValue> evaluateJson(const QString& script) {
    const auto printed = evaluate(script);
    if (!printed) {
        return std::nullopt;
    }
    // The value goes inside an array: a bare number or string is no JSON document.
    const QJsonDocument document = QJsonDocument::fromJson("[" + printed->toUtf8() + "]");
    if (!document.isArray() || document.array().size() != 1) {
        logLine("❌ plasmashell answered " + printed->toStdString());
        return std::nullopt;
    }
    return document.array().first();
}

QString literal(const QJsonValue& value) {
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
}

}  // namespace swivlo::linuxhost::kde
