#include "platform/host/linux/KeepAwake.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include "platform/LogOutput.h"
#include "platform/host/linux/X11Desktop.h"

namespace swivlo::linuxhost {

namespace {

constexpr int callTimeoutMs = 5000;
const QString applicationId = QStringLiteral("Swivlo");
const QString reason = QStringLiteral("Keep Awake is on");
// org.gnome.SessionManager's flags: 4 inhibits suspending, 8 marks the session idle.
constexpr unsigned suspendAndIdle = 4 | 8;

QDBusMessage call(const QString& service, const QString& path, const QString& method,
                  const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, service, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, callTimeoutMs);
}

QDBusMessage inhibit(Inhibitor inhibitor) {
    if (inhibitor == Inhibitor::gnomeSession) {
        return call(QStringLiteral("org.gnome.SessionManager"),
                    QStringLiteral("/org/gnome/SessionManager"), QStringLiteral("Inhibit"),
                    {applicationId, 0u, reason, suspendAndIdle});
    }
    return call(QStringLiteral("org.freedesktop.ScreenSaver"),
                QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("Inhibit"),
                {applicationId, reason});
}

void uninhibit(Inhibitor inhibitor, unsigned cookie) {
    if (inhibitor == Inhibitor::gnomeSession) {
        call(QStringLiteral("org.gnome.SessionManager"),
             QStringLiteral("/org/gnome/SessionManager"), QStringLiteral("Uninhibit"), {cookie});
    } else {
        call(QStringLiteral("org.freedesktop.ScreenSaver"),
             QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("UnInhibit"), {cookie});
    }
}

}  // namespace

void KeepAwake::hold() {
    if (!held_) {
        if (inhibitor_ == Inhibitor::xScreenSaver) {
            x11_.suspendScreenSaver(true);
        } else if (inhibitor_ != Inhibitor::none) {
            const QDBusMessage reply = inhibit(inhibitor_);
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                logLine("❌ Failed to hold the idle inhibitor: " +
                        reply.errorMessage().toStdString());
                return;
            }
            cookie_ = reply.arguments().constFirst().toUInt();
        }
        held_ = true;
    }
    logLine("✅ Keep Awake enabled");
}

void KeepAwake::release() {
    if (held_) {
        if (inhibitor_ == Inhibitor::xScreenSaver) {
            x11_.suspendScreenSaver(false);
        } else if (cookie_) {
            uninhibit(inhibitor_, *cookie_);
        }
        cookie_.reset();
        held_ = false;
    }
    logLine("✅ Keep Awake disabled");
}

}  // namespace swivlo::linuxhost
