#include "platform/hotkey/DesktopHotkey.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <memory>

#include "platform/LogOutput.h"
#include "platform/host/linux/GioSettings.h"
#include "platform/hotkey/GnomeKeybinding.h"
#include "platform/hotkey/HotkeyChoice.h"
#include "platform/hotkey/KdeGlobalAccel.h"
#include "platform/hotkey/X11KeyGrab.h"

namespace swivlo {

namespace {

// Where no mechanism works: every binding is refused with what to do instead.
class NoHotkey : public GlobalHotkey {
public:
    explicit NoHotkey(QString reason) : reason_(std::move(reason)) {}
    std::optional<QString> bind(std::uint64_t, std::uint16_t) override {
        setProblem(reason_);
        return reason_;
    }
    void unbind() override { setProblem({}); }
    QString unavailableReason() const override { return reason_; }

private:
    QString reason_;
};

bool kglobalaccelOnBus(const Session& session) {
    if (!session.sessionBus) {
        return false;
    }
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    const QString name = QStringLiteral("org.kde.kglobalaccel");
    return bus && (bus->isServiceRegistered(name).value() ||
                   bus->activatableServiceNames().value().contains(name));
}

HotkeyFacts factsOf(const Session& session) {
    HotkeyFacts facts;
    facts.session = session;
    facts.qtOnX11 = QGuiApplication::platformName() == QLatin1String("xcb");
    facts.gnomeKeybindings =
        linuxhost::GioSettings::hasKey(QLatin1String(GnomeKeybinding::listSchema),
                                       QStringLiteral("custom-keybindings")) &&
        linuxhost::GioSettings::hasKey(QLatin1String(GnomeKeybinding::entrySchema),
                                       QStringLiteral("binding"));
    facts.kglobalaccel = session.desktop == DesktopFamily::kde && kglobalaccelOnBus(session);
    return facts;
}

std::unique_ptr<GlobalHotkey> make(HotkeyMechanism mechanism, std::string& name) {
    switch (mechanism) {
        case HotkeyMechanism::kdeGlobalAccel:
            name = "KDE's kglobalaccel";
            return KdeGlobalAccel::open();
        case HotkeyMechanism::gnomeKeybinding:
            name = "a GNOME custom keybinding running \"swivlo --toggle-panel\"";
            return GnomeKeybinding::open(QCoreApplication::applicationFilePath());
        case HotkeyMechanism::x11Grab:
            name = "a key grab on the X server";
            return X11KeyGrab::open();
        case HotkeyMechanism::none:
            break;
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<GlobalHotkey> makeGlobalHotkey(const Session& session) {
    std::string name;
    std::unique_ptr<GlobalHotkey> hotkey = make(chooseHotkeyMechanism(factsOf(session)), name);
    if (!hotkey) {
        const QString reason = noHotkeyReason(session);
        hotkey = std::make_unique<NoHotkey>(reason);
        name = "none: " + reason.toStdString();
    }
    logLine("Global shortcut: " + name);
    return hotkey;
}

}  // namespace swivlo
