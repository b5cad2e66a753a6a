#pragma once

#include <QString>
#include <QVariantList>
#include <memory>
#include <optional>
#include <vector>

#include "platform/host/linux/DesktopFacts.h"

class QDBusServiceWatcher;

namespace swivlo::linuxhost {

class X11Desktop;

// Keeps the computer awake while held: inhibitors of idle and sleep that belong to Swivlo's own
// bus connection or X connection, so the desktop drops them when Swivlo's process ends, even
// when it is killed. A D-Bus inhibitor is tied to the service instance that granted it: when
// the service restarts the hold is taken again from the new one (or reads off), and a cookie is
// never sent to another instance than the one that gave it. While a service is away the hold
// reads off.
class KeepAwake {
public:
    KeepAwake(const DesktopFacts& facts, X11Desktop& x11);
    ~KeepAwake();
    KeepAwake(const KeepAwake&) = delete;
    KeepAwake& operator=(const KeepAwake&) = delete;

    // False, with a log line naming what failed, when an inhibitor could not be taken.
    bool hold();
    void release();
    bool isHeld();

    // One inhibitor a service on the session bus grants.
    struct Service {
        QString name, path, interface, uninhibit;
        QVariantList inhibitArguments;
        QString owner;  // the unique name that granted `cookie`
        std::optional<unsigned> cookie;
        std::unique_ptr<QDBusServiceWatcher> watcher;
    };

private:
    bool take(Service& service);
    void giveBack(Service& service);
    // After `service`'s owner changed: its cookie is void; taken again from a new owner.
    void ownerChanged(Service& service, const QString& owner);

    Inhibitor inhibitor_;
    X11Desktop& x11_;
    std::vector<std::unique_ptr<Service>> services_;
    bool held_ = false;
};

}  // namespace swivlo::linuxhost
