#include "platform/host/linux/LinuxHost.h"

#include "core/Localized.h"
#include "platform/LogOutput.h"
#include "platform/Session.h"
#include "platform/host/linux/FoundValues.h"
#include "platform/host/linux/GioSettings.h"
#include "platform/host/linux/KeepAwake.h"
#include "platform/host/linux/SessionBus.h"
#include "platform/host/linux/X11Desktop.h"
#include "platform/host/linux/gnome/GnomeSwitches.h"
#include "platform/host/linux/kde/KdeSwitches.h"
#include "platform/host/linux/xfce/XfceSwitches.h"

namespace swivlo::linuxhost {

namespace {

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

DesktopSwitches makeDesktopSwitches(DesktopKind kind, FoundValues& found) {
    switch (kind) {
        case DesktopKind::gnomeShell:
            return gnome::makeSwitches(found, true);
        case DesktopKind::gnomeSettings:
            return gnome::makeSwitches(found, false);
        case DesktopKind::xfce:
            return xfce::makeSwitches(found);
        case DesktopKind::kde:
            return kde::makeSwitches(found);
        case DesktopKind::other:
            break;
    }
    return {};
}

LinuxHost::LinuxHost() : LinuxHost(std::make_unique<X11Desktop>()) {}

LinuxHost::LinuxHost(std::unique_ptr<X11Desktop> x11)
    : x11_(std::move(x11)), found_(std::make_unique<FoundValues>()) {
    sessionbus::watch();
    facts_.desktop = Session::current().desktopNames;
    facts_.wayland = Session::current().isWayland();
    facts_.showingDesktopHint = x11_->supportsShowingDesktop();
    facts_.gnomeSessionManager = sessionbus::hasOwner(QStringLiteral("org.gnome.SessionManager"));
    facts_.screenSaverService = sessionbus::hasOwner(QStringLiteral("org.freedesktop.ScreenSaver"));
    facts_.powerManager = sessionbus::hasOwner(QStringLiteral("org.freedesktop.PowerManagement"));
    facts_.xScreenSaverExtension = x11_->hasScreenSaverExtension();
    switches_ = makeDesktopSwitches(desktopKind(facts_.desktop), *found_);
    keepAwake_ = std::make_unique<KeepAwake>(facts_, *x11_);
}

LinuxHost::~LinuxHost() = default;

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
            text += QStringLiteral(" (") + inhibitorName(facts_) + QStringLiteral(")");
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
    const QString key = QStringLiteral("color-scheme");
    if (!appearance_) {
        appearance_ = GioSettings::open(QStringLiteral("org.gnome.desktop.interface"));
    }
    if (appearance_ && appearance_->has(key, "s")) {
        appearance_->onChanged([handler = std::move(handler), key](const QString& changed) {
            if (changed == key) {
                handler();
            }
        });
    }
}

Support LinuxHost::supports(Capability capability) const {
    if (const auto it = switches_.find(capability); it != switches_.end()) {
        return it->second->support();
    }
    if (capability == Capability::keepAwake) {
        if (const QString problem = sessionbus::problem();
            !problem.isEmpty() && chooseInhibitor(facts_) != Inhibitor::xScreenSaver &&
            sessionbus::exists()) {
            return {false, problem};
        }
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
        if (const auto it = switches_.find(capability); it != switches_.end()) {
            if (const auto on = it->second->isOn()) {
                states[capability] = *on;
            }
        } else if (capability == Capability::keepAwake) {
            states[capability] = keepAwake_->isHeld();
        }
    }
    return states;
}

Change LinuxHost::set(Capability capability, bool on) {
    if (const Support support = supports(capability); !support.available) {
        logLine("❌ " + support.reason.toStdString());
        return Change::failed;
    }
    if (const auto it = switches_.find(capability); it != switches_.end()) {
        return it->second->set(on) ? Change::done : Change::failed;
    }
    if (capability == Capability::keepAwake) {
        if (on) {
            return keepAwake_->hold() ? Change::done : Change::failed;
        }
        keepAwake_->release();
        return Change::done;
    }
    return Change::failed;
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
    if (sessionbus::problem().isEmpty()) {
        GioSettings::sync();
    }
}

}  // namespace swivlo::linuxhost
