#pragma once

#include <QString>
#include <QVariant>
#include <map>
#include <optional>
#include <string>

namespace swivlo {

// What the simulated macOS host remembers: the preference domains that `defaults` and System
// Events change, whether this program may send Apple events, and how often each host process
// was restarted. Kept as a human-readable JSON file so it survives restarts and can be edited.
struct SimulatedHostState {
    // Values are bool, qint64 or QString, like the typed values `defaults` stores.
    std::map<std::string, std::map<std::string, QVariant>> domains;
    bool automationPermitted = true;
    std::map<std::string, int> restarts;

    static inline const std::string globalDomain = "NSGlobalDomain";

    std::optional<QVariant> value(const std::string& domain, const std::string& key) const;
    void setValue(const std::string& domain, const std::string& key, const QVariant& value);
    // True when the key was there.
    bool removeValue(const std::string& domain, const std::string& key);

    QByteArray toJson() const;
    // None when the text is not a JSON object; members of the wrong type are skipped.
    static std::optional<SimulatedHostState> fromJson(const QByteArray& json);

    bool operator==(const SimulatedHostState&) const = default;
};

// $XDG_STATE_HOME/swivlo/simulated-host.json, with ~/.local/state when the variable is unset or
// not an absolute path.
QString simulatedHostStatePath();

}  // namespace swivlo
