#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

namespace swivlo::linuxhost {

// The desktop's values as Swivlo found them before a switch changed them, kept in Swivlo's state
// folder so that "off" gives them back after a restart, a logout or a kill. A value is written
// (and synced to disk) before the change it makes possible to undo.
class FoundValues {
public:
    // $XDG_STATE_HOME/swivlo/found-values.json (~/.local/state/... when unset).
    static QString defaultPath();
    explicit FoundValues(QString path = defaultPath());

    // Keeps `values` under `key` unless values are already kept there (a second "on" must not
    // overwrite what the user had). False when the file could not be written.
    bool remember(const QString& key, const QJsonObject& values);
    std::optional<QJsonObject> find(const QString& key) const;
    // After the values were given back.
    void forget(const QString& key);

private:
    QJsonObject load() const;
    bool store(const QJsonObject& all);

    QString path_;
};

}  // namespace swivlo::linuxhost
