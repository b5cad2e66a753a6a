#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

typedef struct _GSettings GSettings;
typedef struct _GSettingsSchema GSettingsSchema;

namespace swivlo::linuxhost {

using SettingValue = std::variant<bool, QString, QStringList>;
using SettingChanges = std::vector<std::pair<QString, SettingValue>>;

// One schema of the desktop's settings through GIO's GSettings, in this process: reading asks
// the settings backend (dconf) directly and starts no program; a write goes out as the
// desktop's own settings panel sends it. Every key is checked against the schema before use:
// GLib ends the program on a key the schema lacks, and an older or newer dock or shell may lack
// one.
class GioSettings {
public:
    // None when the schema is not installed. A relocatable schema needs the `path` it is at.
    static std::unique_ptr<GioSettings> open(const QString& schemaId,
                                             const QString& path = QString());
    // Whether the schema is installed and has this key.
    static bool hasKey(const QString& schemaId, const QString& key);
    // Empty when changes reach the desktop's settings service; otherwise why not (GIO fell
    // back to keeping them in memory: no dconf module, or GSETTINGS_BACKEND=memory; or the
    // session bus dconf is reached over is gone).
    static QString backendProblem();
    // Waits until every write made so far has reached the backend.
    static void sync();

    ~GioSettings();
    GioSettings(const GioSettings&) = delete;
    GioSettings& operator=(const GioSettings&) = delete;

    const QString& schemaId() const { return schemaId_; }
    // Whether the schema has `key` with the value type `type` ("b", "s", "as").
    bool has(const QString& key, const char* type) const;
    // None when the schema lacks the key or holds another type.
    std::optional<QString> string(const QString& key) const;
    std::optional<bool> boolean(const QString& key) const;
    std::optional<QStringList> strings(const QString& key) const;
    // Every key of the schema.
    QStringList keys() const;
    // A string key's value, or a string list's entries; nothing for other types.
    QStringList textValues(const QString& key) const;

    // Writes the changes as one (a kill never leaves half of them), waits for the backend and
    // reads them back: false, with a log line naming the key, when one did not take.
    bool write(const SettingChanges& changes);
    // Back to the defaults the desktop ships, as one; read back like write().
    bool reset(const QStringList& keys);

    // Called on the main thread with the key whenever a value changes, here or elsewhere.
    void onChanged(std::function<void(const QString& key)> handler);

private:
    GioSettings(GSettings* settings, GSettingsSchema* schema, QString schemaId)
        : settings_(settings), schema_(schema), schemaId_(std::move(schemaId)) {}
    static void changed(GSettings* settings, const char* key, void* self);
    // The first change that does not read back, and what it reads; empty when all do.
    std::string notTaken(const SettingChanges& changes) const;

    GSettings* settings_;
    GSettingsSchema* schema_;
    QString schemaId_;
    std::shared_ptr<std::function<void(const QString&)>> handler_;
    unsigned long handlerId_ = 0;
};

}  // namespace swivlo::linuxhost
