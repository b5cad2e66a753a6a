#include "platform/host/linux/KeepAwake.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>

#include "platform/LogOutput.h"
#include "platform/host/linux/SessionBus.h"
#include "platform/host/linux/X11Desktop.h"

namespace swivlo::linuxhost {

namespace {

constexpr int callTimeoutMs = 5000;
const QString applicationId = QStringLiteral("Swivlo");
const QString reason = QStringLiteral("Keep Awake is on");
// org.gnome.SessionManager's flags: 4 inhibits suspending, 8 marks the session idle.
constexpr unsigned suspendAndIdle = 4 | 8;

std::unique_ptr<KeepAwake::Service> service(const char* name, const char* path,
                                            const char* interface, const char* uninhibit,
                                            QVariantList arguments) {
    auto s = std::make_unique<KeepAwake::Service>();
    s->name = QString::fromLatin1(name);
    s->path = QString::fromLatin1(path);
    s->interface = QString::fromLatin1(interface);
    s->uninhibit = QString::fromLatin1(uninhibit);
    s->inhibitArguments = std::move(arguments);
    return s;
}

QDBusMessage call(const KeepAwake::Service& service, const QString& method,
                  const QVariantList& arguments) {
    // To the unique name: a cookie means something only to the instance that gave it.
    QDBusMessage message =
        QDBusMessage::createMethodCall(service.owner, service.path, service.interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, callTimeoutMs);
}

}  // namespace

KeepAwake::KeepAwake(const DesktopFacts& facts, X11Desktop& x11)
    : inhibitor_(chooseInhibitor(facts)), x11_(x11) {
    if (inhibitor_ == Inhibitor::gnomeSession) {
        services_.push_back(service("org.gnome.SessionManager", "/org/gnome/SessionManager",
                                    "org.gnome.SessionManager", "Uninhibit",
                                    {applicationId, 0u, reason, suspendAndIdle}));
    } else if (inhibitor_ == Inhibitor::screenSaverService) {
        services_.push_back(service("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                                    "org.freedesktop.ScreenSaver", "UnInhibit",
                                    {applicationId, reason}));
    }
    // xfce4-power-manager (and powerdevil) suspend on inactivity unless asked here.
    if (facts.powerManager) {
        services_.push_back(service(
            "org.freedesktop.PowerManagement", "/org/freedesktop/PowerManagement/Inhibit",
            "org.freedesktop.PowerManagement.Inhibit", "UnInhibit", {applicationId, reason}));
    }
    for (auto& s : services_) {
        s->watcher = std::make_unique<QDBusServiceWatcher>(
            s->name, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForOwnerChange);
        QObject::connect(
            s->watcher.get(), &QDBusServiceWatcher::serviceOwnerChanged, s->watcher.get(),
            [this, raw = s.get()](const QString&, const QString&, const QString& owner) {
                ownerChanged(*raw, owner);
            });
    }
}

KeepAwake::~KeepAwake() = default;

bool KeepAwake::take(Service& s) {
    s.owner = sessionbus::ownerOf(s.name);
    if (s.owner.isEmpty()) {
        logLine("❌ Failed to hold the idle inhibitor: " + s.name.toStdString() +
                " is not on the session bus");
        return false;
    }
    const QDBusMessage reply = call(s, QStringLiteral("Inhibit"), s.inhibitArguments);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        logLine("❌ Failed to hold the idle inhibitor: " + s.name.toStdString() + ": " +
                reply.errorMessage().toStdString());
        return false;
    }
    s.cookie = reply.arguments().constFirst().toUInt();
    return true;
}

void KeepAwake::giveBack(Service& s) {
    if (s.cookie && sessionbus::ownerOf(s.name) == s.owner) {
        call(s, s.uninhibit, {*s.cookie});
    }
    s.cookie.reset();
}

bool KeepAwake::hold() {
    // Also after a service took Swivlo's hold with it: what is missing is taken again.
    for (auto& s : services_) {
        if (!s->cookie && !take(*s)) {
            for (auto& taken : services_) {
                giveBack(*taken);
            }
            if (held_ && inhibitor_ == Inhibitor::xScreenSaver) {
                x11_.suspendScreenSaver(false);
            }
            held_ = false;
            return false;
        }
    }
    if (!held_ && inhibitor_ == Inhibitor::xScreenSaver) {
        x11_.suspendScreenSaver(true);
    }
    held_ = true;
    logLine("✅ Keep Awake enabled");
    return true;
}

void KeepAwake::release() {
    if (held_) {
        for (auto& s : services_) {
            giveBack(*s);
        }
        if (inhibitor_ == Inhibitor::xScreenSaver) {
            x11_.suspendScreenSaver(false);
        }
        held_ = false;
    }
    logLine("✅ Keep Awake disabled");
}

bool KeepAwake::isHeld() {
    bool all = held_;
    for (auto& s : services_) {
        // The owner's change may still be on its way: ask the bus.
        if (const QString owner = sessionbus::ownerOf(s->name); held_ && owner != s->owner) {
            ownerChanged(*s, owner);
        }
        all = all && s->cookie.has_value();
    }
    return all;
}

void KeepAwake::ownerChanged(Service& s, const QString& owner) {
    if (!held_ || owner == s.owner) {
        return;
    }
    // The old instance took Swivlo's hold with it; its cookie means nothing to the new one.
    s.cookie.reset();
    s.owner.clear();
    const std::string name = s.name.toStdString();
    if (owner.isEmpty()) {
        logLine("❌ Keep Awake lost its hold: " + name +
                " left the session bus; it is taken again when the service returns");
    } else if (take(s)) {
        logLine("✅ Keep Awake: " + name + " restarted; the inhibitor is taken again");
    } else {
        logLine("❌ Keep Awake lost its hold: " + name + " restarted and refused it");
    }
}

}  // namespace swivlo::linuxhost
