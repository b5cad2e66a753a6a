#include "platform/desktop/SettingsPreferencesStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/XdgDirectories.h"

namespace swivlo::desktop {

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QString SettingsPreferencesStore::defaultPath() {
    return xdgConfigHome() + QStringLiteral("/Swivlo/Swivlo.conf");
}

SettingsPreferencesStore::SettingsPreferencesStore(const QString& path)
    : settings_(path, QSettings::IniFormat) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    lastContents_ = readAll(path);
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &watcher_,
                     [this] { fileChanged(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &watcher_,
                     [this] { fileChanged(); });
    watchFile();
}

std::optional<QVariant> SettingsPreferencesStore::object(const std::string& key) const {
    const QString k = QString::fromStdString(key);
    if (!settings_.contains(k)) {
        return std::nullopt;
    }
    return settings_.value(k);
}

void SettingsPreferencesStore::setObject(const std::string& key, const QVariant& value) {
    settings_.setValue(QString::fromStdString(key), value);
    settings_.sync();
    lastContents_ = readAll(path());
    watchFile();
    notifyChanged();
}

void SettingsPreferencesStore::removeObject(const std::string& key) {
    settings_.remove(QString::fromStdString(key));
    settings_.sync();
    lastContents_ = readAll(path());
    watchFile();
    notifyChanged();
}

std::string SettingsPreferencesStore::preferencesDirectory() const {
    return QFileInfo(path()).absolutePath().toStdString();
}

void SettingsPreferencesStore::watchFile() {
    // Atomic saves replace the file, which drops it from the watch: watch the folder too.
    const QString dir = QFileInfo(path()).absolutePath();
    if (!watcher_.directories().contains(dir)) {
        watcher_.addPath(dir);
    }
    if (QFile::exists(path()) && !watcher_.files().contains(path())) {
        watcher_.addPath(path());
    }
}

void SettingsPreferencesStore::fileChanged() {
    watchFile();
    const QByteArray contents = readAll(path());
    if (contents == lastContents_) {
        return;  // our own write, already reported
    }
    lastContents_ = contents;
    settings_.sync();
    notifyChanged();
}

}  // namespace swivlo::desktop
