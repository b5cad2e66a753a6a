#include "platform/desktop/SettingsPreferencesStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/XdgDirectories.h"
#include "platform/desktop/IniFileValue.h"

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
    const QVariant value = settings_.value(k);
    if (value.typeId() == QMetaType::QByteArray) {
        // QSettings reads a byte array's text as Latin-1: UTF-8 typed into the file by hand
        // must keep its bytes.
        if (auto bytes = iniFileByteArray(lastContents_, key, value.toByteArray())) {
            return QVariant(*bytes);
        }
    }
    return value;
}

std::optional<QByteArray> SettingsPreferencesStore::storedBytes(const std::string& key) const {
    const auto value = object(key);
    if (value && value->typeId() != QMetaType::QByteArray) {
        if (auto text = iniFileText(lastContents_, key, *value)) {
            return text;
        }
    }
    return PreferencesStore::storedBytes(key);
}

void SettingsPreferencesStore::setObject(const std::string& key, const QVariant& value) {
    keepTypedBytes();
    settings_.setValue(QString::fromStdString(key), value);
    settings_.sync();
    lastContents_ = readAll(path());
    watchFile();
    notifyChanged();
}

void SettingsPreferencesStore::removeObject(const std::string& key) {
    keepTypedBytes();
    settings_.remove(QString::fromStdString(key));
    settings_.sync();
    lastContents_ = readAll(path());
    watchFile();
    notifyChanged();
}

void SettingsPreferencesStore::keepTypedBytes() {
    // A save rewrites every value from QSettings's own reading: byte arrays typed into the file
    // by hand must go back with the bytes they hold, not with that reading's '?' and Latin-1.
    for (const QString& key : settings_.childKeys()) {
        const QVariant value = settings_.value(key);
        if (value.typeId() != QMetaType::QByteArray) {
            continue;
        }
        const auto bytes = iniFileByteArray(lastContents_, key.toUtf8(), value.toByteArray());
        if (bytes && *bytes != value.toByteArray()) {
            settings_.setValue(key, *bytes);
        }
    }
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
