#pragma once

#include <QFileSystemWatcher>
#include <QSettings>

#include "platform/PreferencesStore.h"

namespace swivlo::desktop {

// Preferences in an INI file at $XDG_CONFIG_HOME/Swivlo/Swivlo.conf. Observers hear about the
// program's own writes at once and about edits made by others when the file changes.
class SettingsPreferencesStore : public PreferencesStore {
public:
    explicit SettingsPreferencesStore(const QString& path = defaultPath());

    static QString defaultPath();
    QString path() const { return settings_.fileName(); }

    std::optional<QVariant> object(const std::string& key) const override;
    void setObject(const std::string& key, const QVariant& value) override;
    void removeObject(const std::string& key) override;
    std::string preferencesDirectory() const override;
    std::optional<QByteArray> storedBytes(const std::string& key) const override;

private:
    // Hands QSettings the bytes of byte arrays typed into the file, so a save keeps them.
    void keepTypedBytes();
    void watchFile();
    void fileChanged();

    mutable QSettings settings_;
    QFileSystemWatcher watcher_;
    QByteArray lastContents_;
};

}  // namespace swivlo::desktop
