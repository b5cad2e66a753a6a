#include "platform/host/linux/gnome/ShellExtensions.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QThread>

#include "platform/LogOutput.h"
#include "platform/host/linux/GioSettings.h"
#include "platform/host/linux/SessionBus.h"

namespace swivlo::linuxhost::gnome::extensions {

namespace {

constexpr int callTimeoutMs = 3000;
constexpr int awaitMs = 5000;
const QString shellName = QStringLiteral("org.gnome.Shell");

std::optional<QDBusMessage> call(const QString& method, const QString& uuid) {
    if (!sessionbus::problem().isEmpty() || !sessionbus::hasOwner(shellName)) {
        return std::nullopt;
    }
    QDBusMessage message =
        QDBusMessage::createMethodCall(shellName, QStringLiteral("/org/gnome/Shell"),
                                       QStringLiteral("org.gnome.Shell.Extensions"), method);
    message.setArguments({uuid});
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(message, QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    return reply;
}

}  // namespace

std::optional<State> state(const QString& uuid) {
    const auto reply = call(QStringLiteral("GetExtensionInfo"), uuid);
    if (!reply) {
        return std::nullopt;
    }
    const QVariantMap info =
        qdbus_cast<QVariantMap>(reply->arguments().constFirst().value<QDBusArgument>());
    if (!info.contains(QStringLiteral("state"))) {
        return State::unknown;
    }
    return static_cast<State>(info.value(QStringLiteral("state")).toDouble());
}

bool setEnabled(const QString& uuid, bool enabled) {
    const auto reply = call(
        enabled ? QStringLiteral("EnableExtension") : QStringLiteral("DisableExtension"), uuid);
    if (!reply || !reply->arguments().constFirst().toBool()) {
        logLine("❌ GNOME Shell did not " + std::string(enabled ? "enable " : "disable ") +
                uuid.toStdString());
        return false;
    }
    return true;
}

bool awaitRunning(const QString& uuid, bool running) {
    // The shell acts on its settings' change after answering the call.
    const QDeadlineTimer deadline(awaitMs);
    while (true) {
        const auto now = state(uuid);
        if (!now) {
            return false;
        }
        if ((*now == State::enabled) == running) {
            return true;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(20);
    }
}

std::optional<bool> enabledInSettings(const GioSettings& shell, const QString& uuid) {
    const auto enabled = shell.strings(QStringLiteral("enabled-extensions"));
    const auto disabled = shell.strings(QStringLiteral("disabled-extensions"));
    if (!enabled || !disabled) {
        return std::nullopt;
    }
    const bool userExtensionsOff =
        shell.boolean(QStringLiteral("disable-user-extensions")).value_or(false);
    return enabled->contains(uuid) && !disabled->contains(uuid) && !userExtensionsOff;
}

bool isInstalled(const QString& uuid) {
    return !QStandardPaths::locate(
                QStandardPaths::GenericDataLocation,
                QStringLiteral("gnome-shell/extensions/") + uuid + QStringLiteral("/metadata.json"))
                .isEmpty();
}

}  // namespace swivlo::linuxhost::gnome::extensions
