#include "platform/Session.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace swivlo {

namespace {

QString variable(const char* name) {
    return QString::fromLocal8Bit(qgetenv(name));
}

DesktopFamily familyOfName(const QString& name) {
    const QString lower = name.trimmed().toLower();
    if (lower.isEmpty()) {
        return DesktopFamily::unknown;
    }
    if (lower.startsWith(QLatin1String("gnome"))) {
        return DesktopFamily::gnome;
    }
    if (lower == QLatin1String("kde") || lower.startsWith(QLatin1String("plasma"))) {
        return DesktopFamily::kde;
    }
    if (lower.startsWith(QLatin1String("xfce"))) {
        return DesktopFamily::xfce;
    }
    return DesktopFamily::other;
}

}  // namespace

// The first entry of a colon-separated list that is a desktop we know, else "other".
DesktopFamily desktopFamily(const QString& names) {
    DesktopFamily found = DesktopFamily::unknown;
    for (const QString& name : names.split(u':', Qt::SkipEmptyParts)) {
        const DesktopFamily family = familyOfName(name);
        if (family != DesktopFamily::other && family != DesktopFamily::unknown) {
            return family;
        }
        if (family == DesktopFamily::other) {
            found = family;
        }
    }
    return found;
}

SessionEnvironment SessionEnvironment::ofThisProcess() {
    SessionEnvironment environment;
    environment.display = variable("DISPLAY");
    environment.waylandDisplay = variable("WAYLAND_DISPLAY");
    environment.sessionType = variable("XDG_SESSION_TYPE");
    environment.currentDesktop = variable("XDG_CURRENT_DESKTOP");
    environment.sessionDesktop = variable("XDG_SESSION_DESKTOP");
    environment.desktopSession = variable("DESKTOP_SESSION");
    const QString runtime = variable("XDG_RUNTIME_DIR");
    environment.sessionBusAddress =
        !qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty() ||
        (!runtime.isEmpty() && QFile::exists(runtime + QStringLiteral("/bus")));
    return environment;
}

Session Session::from(const SessionEnvironment& environment) {
    Session session;
    const QString type = environment.sessionType.toLower();
    session.xDisplay = !environment.display.isEmpty();
    if (type == QLatin1String("wayland") || !environment.waylandDisplay.isEmpty()) {
        session.server = DisplayServer::wayland;
    } else if (session.xDisplay) {
        session.server = DisplayServer::x11;
    }
    // DESKTOP_SESSION may be the path of the session file a display manager started.
    const QString sessionFile = QFileInfo(environment.desktopSession).fileName();
    for (const QString& names :
         {environment.currentDesktop, environment.sessionDesktop, sessionFile}) {
        if (!names.trimmed().isEmpty()) {
            session.desktopNames = names.trimmed();
            session.desktop = desktopFamily(session.desktopNames);
            break;
        }
    }
    session.sessionBus = environment.sessionBusAddress;
    return session;
}

const Session& Session::current() {
    static const Session session = from(SessionEnvironment::ofThisProcess());
    return session;
}

QString displayServerName(DisplayServer server) {
    switch (server) {
        case DisplayServer::x11:
            return QStringLiteral("X11");
        case DisplayServer::wayland:
            return QStringLiteral("Wayland");
        case DisplayServer::none:
            break;
    }
    return QStringLiteral("no display");
}

}  // namespace swivlo
