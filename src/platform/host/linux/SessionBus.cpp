// GLib's headers come first: Qt's `signals` keyword would clash with their field names.
#include <gio/gio.h>

#include "platform/host/linux/SessionBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include "platform/LogOutput.h"
#include "platform/Session.h"

namespace swivlo::linuxhost::sessionbus {

namespace {

bool lost = false;

void closed(GDBusConnection*, gboolean, GError*, gpointer) {
    if (!lost) {
        lost = true;
        logLine(
            "❌ The session bus is gone: the desktop's settings, shell and inhibitors are "
            "unavailable until Swivlo starts again");
    }
}

}  // namespace

bool exists() {
    return Session::current().sessionBus;
}

void watch() {
    static bool watching = false;
    if (watching || !exists()) {
        return;
    }
    watching = true;
    // GIO's shared connection (dconf's settings backend uses it) exits the process on close.
    if (GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr)) {
        g_dbus_connection_set_exit_on_close(bus, FALSE);
        g_signal_connect(bus, "closed", G_CALLBACK(&closed), nullptr);
        // Kept for the life of the program: GIO hands out this one connection to every user.
    }
}

QString problem() {
    if (lost || !exists() || !QDBusConnection::sessionBus().isConnected()) {
        if (!lost && exists()) {
            closed(nullptr, FALSE, nullptr, nullptr);
        }
        return QStringLiteral("The session bus is gone");
    }
    return QString();
}

bool hasOwner(const QString& name) {
    return !ownerOf(name).isEmpty();
}

QString ownerOf(const QString& name) {
    if (!problem().isEmpty()) {
        return QString();
    }
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    if (!bus) {
        return QString();
    }
    const QDBusReply<QString> owner = bus->serviceOwner(name);
    return owner.isValid() ? owner.value() : QString();
}

}  // namespace swivlo::linuxhost::sessionbus
