#include "platform/host/linux/LinuxHost.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>

#include "platform/LogOutput.h"
#include "platform/host/linux/DesktopSettings.h"
#include "platform/host/linux/KeepAwake.h"
#include "platform/host/linux/X11Desktop.h"
#include "platform/host/linux/kde/KdeSwitches.h"
#include "platform/host/linux/xfce/XfceSwitches.h"

namespace swivlo::linuxhost {

namespace {

bool onSessionBus(const QString& name) {
    if (!sessionBusExists()) {
        return false;
    }
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(name).value();
}

bool isWaylandSession() {
    return qgetenv("XDG_SESSION_TYPE") == "wayland" || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

// The capabilities in the order the start line names them, with their English names.
const std::pair<Capability, const char*> named[] = {
    {Capability::darkMode, "Dark Mode"},
    {Capability::autoHideDock, "Auto Hide Dock"},
    {Capability::hideDesktop, "Hide Desktop"},
    {Capability::keepAwake, "Keep Awake"},
    {Capability::hideAllWindows, "Hide All Windows"},
    {Capability::stageManager, "Stage Manager"},
    {Capability::hideWidgets, "Hide Widgets"},
};

}  // namespace

LinuxHost::LinuxHost() : LinuxHost(std::make_unique<X11Desktop>()) {}

LinuxHost::LinuxHost(std::unique_ptr<X11Desktop> x11)
    : x11_(std::move(x11)),
      colorScheme_(ColorSchemeSetting::open()),
      dock_(DockSetting::open()),
      desktopIcons_(DesktopIconsSetting::open()) {
    facts_.desktop = QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP"));
    facts_.wayland = isWaylandSession();
    facts_.colorSchemeKey = colorScheme_ != nullptr;
    facts_.dockSchema = dock_ != nullptr;
    facts_.desktopIcons = desktopIcons_ != nullptr;
    facts_.showingDesktopHint = x11_->supportsShowingDesktop();
    facts_.gnomeSessionManager = onSessionBus(QStringLiteral("org.gnome.SessionManager"));
    facts_.screenSaverService = onSessionBus(QStringLiteral("org.freedesktop.ScreenSaver"));
    facts_.xScreenSaverExtension = x11_->hasScreenSaverExtension();
    keepAwake_ = std::make_unique<KeepAwake>(chooseInhibitor(facts_), *x11_);
    const QStringList desktops = facts_.desktop.split(u':');
    if (desktops.contains(QStringLiteral("XFCE"), Qt::CaseInsensitive)) {
        switches_ = xfce::makeSwitches(found_);
    } else if (desktops.contains(QStringLiteral("KDE"), Qt::CaseInsensitive)) {
        switches_ = kde::makeSwitches(found_);
    }
}

LinuxHost::~LinuxHost() = default;

bool sessionBusExists() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return !qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty() ||
           (!runtime.isEmpty() && QFile::exists(runtime + "/bus"));
}

std::string LinuxHost::description() const {
    QStringList found;
    QStringList missing;
    for (const auto& [capability, name] : named) {
        const Support support = supports(capability);
        QString text = QString::fromLatin1(name);
        if (!support.available) {
            missing << text + QStringLiteral(" (") + support.reason + QStringLiteral(")");
            continue;
        }
        if (capability == Capability::keepAwake) {
            text +=
                QStringLiteral(" (") + inhibitorName(chooseInhibitor(facts_)) + QStringLiteral(")");
        }
        found << text;
    }
    const Support cleaner = supportsOwnWindows();
    (cleaner.available ? found : missing)
        << QStringLiteral("Screen Cleaner") +
               (cleaner.available ? QString() : QStringLiteral(" (") + cleaner.reason + ")");
    const QString desktop =
        facts_.desktop.isEmpty() ? QStringLiteral("no desktop name") : facts_.desktop;
    return QStringLiteral("Host: the Linux desktop host (%1, %2): %3; unavailable: %4")
        .arg(desktop, facts_.wayland ? QStringLiteral("Wayland") : QStringLiteral("X11"),
             found.isEmpty() ? QStringLiteral("nothing") : found.join(QStringLiteral(", ")),
             missing.isEmpty() ? QStringLiteral("nothing") : missing.join(QStringLiteral(", ")))
        .toStdString();
}

void LinuxHost::onAppearanceChanged(std::function<void()> handler) {
    if (colorScheme_) {
        colorScheme_->onChanged(std::move(handler));
    }
}

Support LinuxHost::supports(Capability capability) const {
    if (const auto own = switches_.find(capability); own != switches_.end()) {
        return own->second->support();
    }
    return linuxSupport(capability, facts_);
}

Support LinuxHost::supportsOwnWindows() const {
    return linuxOwnWindowsSupport(facts_);
}

SwitchStates LinuxHost::read(const std::vector<Capability>& capabilities) {
    SwitchStates states;
    for (const Capability capability : capabilities) {
        if (!supports(capability).available) {
            continue;
        }
        if (const auto own = switches_.find(capability); own != switches_.end()) {
            if (const auto on = own->second->isOn()) {
                states[capability] = *on;
            }
            continue;
        }
        switch (capability) {
            case Capability::darkMode:
                states[capability] = colorScheme_->isDark();
                break;
            case Capability::autoHideDock:
                states[capability] = dock_->hidesItself();
                break;
            case Capability::hideDesktop:
                states[capability] = desktopIcons_->isHidden();
                break;
            case Capability::keepAwake:
                states[capability] = keepAwake_->isHeld();
                break;
            default:
                break;
        }
    }
    return states;
}

Change LinuxHost::set(Capability capability, bool on) {
    if (!supports(capability).available) {
        return Change::refused;
    }
    if (const auto own = switches_.find(capability); own != switches_.end()) {
        return own->second->set(on) ? Change::done : Change::refused;
    }
    switch (capability) {
        case Capability::darkMode:
            colorScheme_->setDark(on);
            break;
        case Capability::autoHideDock:
            dock_->setHidesItself(on);
            break;
        case Capability::hideDesktop:
            desktopIcons_->setHidden(on);
            break;
        case Capability::keepAwake:
            on ? keepAwake_->hold() : keepAwake_->release();
            return keepAwake_->isHeld() == on ? Change::done : Change::refused;
        default:
            return Change::refused;
    }
    return Change::done;
}

void LinuxHost::perform(Capability action) {
    if (action == Capability::hideAllWindows && supports(action).available) {
        x11_->showDesktop();
    }
}

void LinuxHost::release() {
    if (keepAwake_->isHeld()) {
        keepAwake_->release();
    }
    // Writes still on their way to the settings service must not be lost at quit.
    GioSettings::sync();
}

}  // namespace swivlo::linuxhost
