#pragma once

#include <QVariant>
#include <functional>
#include <optional>
#include <string>

#include "platform/ObserverList.h"
#include "platform/Pending.h"
#include "platform/Service.h"

namespace swivlo {

// The host's global preferences domain (the persistent one, as other programs wrote it).
// Reading starts no process.
class GlobalDomain {
public:
    using ObserverToken = ObserverList::Token;

    virtual ~GlobalDomain() = default;
    // The stored value, or none when the domain or the key is absent.
    virtual std::optional<QVariant> persistentValue(const std::string& key) const = 0;
    // Starts that reading and returns at once; by default it is made when collected.
    virtual Pending<std::optional<QVariant>> startReading(const std::string& key) const {
        return Pending<std::optional<QVariant>>([this, key] { return persistentValue(key); });
    }

    // Called on the main thread when the host's appearance (light or dark) changes, so the
    // program's own palette can follow. A host whose toolkit follows it already may never call.
    ObserverToken addAppearanceObserver(std::function<void()> handler);
    void removeAppearanceObserver(ObserverToken token);

protected:
    void notifyAppearanceChanged();

private:
    ObserverList observers_;
};

inline GlobalDomain& globalDomain() {
    return Service<GlobalDomain>::get();
}

}  // namespace swivlo
