#include "platform/desktop/DisplayCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

// X11 headers last: they define macros (None, Bool, KeyPress...) that clash with Qt names.
#include <X11/Xlib.h>

namespace swivlo::desktop {

namespace {

bool platformChosenByHand(const QStringList& arguments) {
    if (!qgetenv("QT_QPA_PLATFORM").isEmpty()) {
        return true;
    }
    for (QString argument : arguments) {
        argument = argument.section(u'=', 0, 0);
        if (argument.startsWith(QLatin1String("--"))) {
            argument.remove(0, 1);
        }
        if (argument == QLatin1String("-platform") || argument == QLatin1String("-display")) {
            return true;
        }
    }
    return false;
}

bool xServerAnswers(const QByteArray& name) {
    Display* display = XOpenDisplay(name.constData());
    if (display) {
        XCloseDisplay(display);
    }
    return display != nullptr;
}

bool waylandSocketExists() {
    // The name Wayland clients fall back to when the variable is unset.
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return QFileInfo::exists(QDir::isAbsolutePath(name) ? name : runtime + u'/' + name);
}

bool qtWaylandPluginInstalled() {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland-*.so")}, QDir::Files).isEmpty();
}

}  // namespace

std::optional<std::string> missingDisplay(const Session& session, const QStringList& arguments) {
    if (platformChosenByHand(arguments)) {
        return std::nullopt;
    }
    const QByteArray display = qgetenv("DISPLAY");
    if (session.xDisplay && xServerAnswers(display)) {
        return std::nullopt;
    }
    const bool waylandPlugin = qtWaylandPluginInstalled();
    if (session.isWayland() && waylandPlugin && waylandSocketExists()) {
        return std::nullopt;
    }
    std::string x11 = session.xDisplay
                          ? "the X display " + display.toStdString() + " does not answer"
                          : "DISPLAY is not set";
    if (!session.isWayland()) {
        return "no display: " + x11 + " and there is no Wayland session";
    }
    if (!waylandPlugin) {
        return "no display: " + x11 +
               " (no Xwayland) and Qt's Wayland plugin is not installed (package qt6-wayland)";
    }
    return "no display: " + x11 + " and the Wayland display " +
           qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0")).toStdString() +
           " does not exist";
}

}  // namespace swivlo::desktop
