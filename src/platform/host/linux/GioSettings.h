#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

typedef struct _GSettings GSettings;

namespace swivlo::linuxhost {

// One schema of the desktop's settings through GIO's GSettings, in this process: reading asks
// the settings backend (dconf) directly and starts no program; a write goes out as the
// desktop's own settings panel sends it.
class GioSettings {
public:
    // None when the schema is not installed. A relocatable schema needs the `path` it is at.
    static std::unique_ptr<GioSettings> open(const QString& schemaId,
                                             const QString& path = QString());
    // Whether the schema is installed and has this key.
    static bool hasKey(const QString& schemaId, const QString& key);
    // Waits until every write made so far has reached the backend.
    static void sync();

    ~GioSettings();
    GioSettings(const GioSettings&) = delete;
    GioSettings& operator=(const GioSettings&) = delete;

    QString string(const QString& key) const;
    void setString(const QString& key, const QString& value);
    bool boolean(const QString& key) const;
    void setBoolean(const QString& key, bool value);
    QStringList strings(const QString& key) const;
    void setStrings(const QString& key, const QStringList& value);
    // Every key of the schema.
    QStringList keys() const;
    // A string key's value, or a string list's entries; nothing for other types.
    QStringList textValues(const QString& key) const;
    // Back to the default the desktop ships.
    void reset(const QString& key);

    // Called on the main thread with the key whenever a value changes, here or elsewhere.
    void onChanged(std::function<void(const QString& key)> handler);

private:
    explicit GioSettings(GSettings* settings) : settings_(settings) {}
    static void changed(GSettings* settings, const char* key, void* self);

    GSettings* settings_;
    std::function<void(const QString&)> handler_;
    unsigned long handlerId_ = 0;
};

}  // namespace swivlo::linuxhost
