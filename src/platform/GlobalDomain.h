#pragma once

#include <QObject>
#include <QVariant>
#include <optional>
#include <string>

#include "platform/Pending.h"
#include "platform/Service.h"

namespace swivlo {

// The host's global preferences domain (the persistent one, as other programs wrote it).
// Reading starts no process.
class GlobalDomain : public QObject {
    Q_OBJECT

public:
    // The key whose value says the appearance: "Dark", or absent for light.
    static inline const std::string appearanceKey = "AppleInterfaceStyle";

    ~GlobalDomain() override = default;
    // The stored value, or none when the domain or the key is absent.
    virtual std::optional<QVariant> persistentValue(const std::string& key) const = 0;
    // Starts that reading and returns at once; by default it is made when collected.
    virtual Pending<std::optional<QVariant>> startReading(const std::string& key) const {
        return Pending<std::optional<QVariant>>([this, key] { return persistentValue(key); });
    }

signals:
    // On the main thread when the host's value under `key` changes. Only the appearance (light
    // or dark) is told of, so the program's own palette can follow; a host whose toolkit follows
    // it already may never emit.
    void changed(const std::string& key);

protected:
    void notifyAppearanceChanged();
};

inline GlobalDomain& globalDomain() {
    return Service<GlobalDomain>::get();
}

}  // namespace swivlo
