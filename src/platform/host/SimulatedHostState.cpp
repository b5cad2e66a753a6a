#include "platform/host/SimulatedHostState.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <limits>

#include "platform/XdgDirectories.h"

namespace swivlo {

namespace {

QJsonValue toJsonValue(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::Bool:
            return v.toBool();
        case QMetaType::QString:
            return v.toString();
        default:
            return static_cast<qint64>(v.toLongLong());
    }
}

// The integer a number spells exactly. A fraction or a number out of range is none: reading it
// as some other integer (toInteger's default) would change a hand-edited setting's meaning.
std::optional<qint64> exactInteger(const QJsonValue& v) {
    if (!v.isDouble()) {
        return std::nullopt;
    }
    const qint64 n = v.toInteger(0);
    return n == v.toInteger(1) ? std::optional<qint64>(n) : std::nullopt;
}

std::optional<QVariant> fromJsonValue(const QJsonValue& v) {
    if (v.isBool()) {
        return QVariant(v.toBool());
    }
    if (v.isString()) {
        return QVariant(v.toString());
    }
    if (const auto n = exactInteger(v)) {
        return QVariant(*n);
    }
    return std::nullopt;
}

}  // namespace

std::optional<QVariant> SimulatedHostState::value(const std::string& domain,
                                                  const std::string& key) const {
    const auto d = domains.find(domain);
    if (d == domains.end()) {
        return std::nullopt;
    }
    const auto k = d->second.find(key);
    return k == d->second.end() ? std::nullopt : std::optional<QVariant>(k->second);
}

void SimulatedHostState::setValue(const std::string& domain, const std::string& key,
                                  const QVariant& value) {
    domains[domain][key] = value;
}

bool SimulatedHostState::removeValue(const std::string& domain, const std::string& key) {
    const auto d = domains.find(domain);
    if (d == domains.end() || d->second.erase(key) == 0) {
        return false;
    }
    if (d->second.empty()) {
        domains.erase(d);
    }
    return true;
}

QByteArray SimulatedHostState::toJson() const {
    QJsonObject defaults;
    for (const auto& [domain, values] : domains) {
        QJsonObject d;
        for (const auto& [key, value] : values) {
            d.insert(QString::fromStdString(key), toJsonValue(value));
        }
        defaults.insert(QString::fromStdString(domain), d);
    }
    QJsonObject restartCounts;
    for (const auto& [name, count] : restarts) {
        restartCounts.insert(QString::fromStdString(name), count);
    }
    QJsonObject root;
    root.insert("automationPermitted", automationPermitted);
    root.insert("defaults", defaults);
    root.insert("restarts", restartCounts);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<SimulatedHostState> SimulatedHostState::fromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        return std::nullopt;
    }
    const QJsonObject root = doc.object();
    SimulatedHostState state;
    if (root.value("automationPermitted").isBool()) {
        state.automationPermitted = root.value("automationPermitted").toBool();
    }
    const QJsonObject defaults = root.value("defaults").toObject();
    for (auto d = defaults.begin(); d != defaults.end(); ++d) {
        const QJsonObject values = d.value().toObject();
        for (auto k = values.begin(); k != values.end(); ++k) {
            if (const auto v = fromJsonValue(k.value())) {
                state.setValue(d.key().toStdString(), k.key().toStdString(), *v);
            }
        }
    }
    const QJsonObject restarts = root.value("restarts").toObject();
    for (auto r = restarts.begin(); r != restarts.end(); ++r) {
        const auto n = exactInteger(r.value());
        if (n && *n >= std::numeric_limits<int>::min() && *n <= std::numeric_limits<int>::max()) {
            state.restarts[r.key().toStdString()] = static_cast<int>(*n);
        }
    }
    return state;
}

QString simulatedHostStatePath() {
    return xdgStateHome() + "/swivlo/simulated-host.json";
}

}  // namespace swivlo
