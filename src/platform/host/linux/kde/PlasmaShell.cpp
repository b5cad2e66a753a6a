#include "platform/host/linux/kde/PlasmaShell.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>

#include "platform/LogOutput.h"
#include "platform/host/linux/SessionBus.h"

namespace swivlo::linuxhost::kde {

namespace {

const QString plasmaShell = QStringLiteral("org.kde.plasmashell");
constexpr int scriptTimeoutMs = 5000;

// The answers of read-only scripts during this turn of the event loop.
QHash<QString, QJsonValue>& readsThisTurn() {
    static QHash<QString, QJsonValue> answers;
    return answers;
}

std::optional<QString> run(const QString& script) {
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

std::optional<QJsonValue> parsed(const std::optional<QString>& printed) {
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

}  // namespace

bool plasmaShellRuns() {
    return sessionbus::hasOwner(plasmaShell);
}

std::optional<QString> evaluate(const QString& script) {
    readsThisTurn().clear();
    return run(script);
}

std::optional<QJsonValue> evaluateJson(const QString& script) {
    return parsed(evaluate(script));
}

std::optional<QJsonValue> readJson(const QString& script) {
    if (const auto it = readsThisTurn().constFind(script); it != readsThisTurn().cend()) {
        return *it;
    }
    const auto value = parsed(run(script));
    if (value) {
        if (readsThisTurn().isEmpty()) {
            QTimer::singleShot(0, [] { readsThisTurn().clear(); });
        }
        readsThisTurn().insert(script, *value);
    }
    return value;
}

QString literal(const QJsonValue& value) {
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
}

}  // namespace swivlo::linuxhost::kde
