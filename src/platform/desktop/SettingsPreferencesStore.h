#pragma once

#include <QFileSystemWatcher>
#include <QSettings>
#include <map>
#include <memory>

#include "platform/PreferencesStore.h"

namespace swivlo::desktop {

// Preferences in an INI file at $XDG_CONFIG_HOME/Swivlo/Swivlo.conf. changed(key) tells of the
// program's own writes at once and of edits made by others when the file changes. A path
// that is not a regular file (a FIFO, a device, a folder, a dangling link) or a file larger than
// any preferences file is never read or written: the program runs on the defaults and says so.
class SettingsPreferencesStore : public PreferencesStore {
public:
    explicit SettingsPreferencesStore(const QString& path = defaultPath());
    ~SettingsPreferencesStore() override;

    static QString defaultPath();
    QString path() const { return path_; }

    std::optional<QVariant> object(const std::string& key) const override;
    std::string preferencesDirectory() const override;
    std::optional<QByteArray> storedBytes(const std::string& key) const override;

    static constexpr qint64 maximumFileSize = 8 << 20;

protected:
    std::optional<std::string> write(const std::string& key,
                                     const std::optional<QVariant>& value) override;

private:
    // Hands QSettings the bytes of byte arrays typed into the file, so a save keeps them.
    void keepTypedBytes();
    void watchFile();
    void fileChanged();
    std::map<QString, QVariant> storedValues() const;
    // Why the file cannot be written just now, checked before QSettings is asked to.
    std::optional<std::string> notWritableBecause() const;

    QString path_;
    // None while the path is not usable.
    mutable std::unique_ptr<QSettings> settings_;
    std::optional<std::string> unusable_;
    QFileSystemWatcher watcher_;
    QByteArray lastContents_;
};

}  // namespace swivlo::desktop
