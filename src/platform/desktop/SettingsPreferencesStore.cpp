#include "platform/desktop/SettingsPreferencesStore.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <set>

#include "platform/LogOutput.h"
#include "platform/XdgDirectories.h"
#include "platform/desktop/IniFileValue.h"

namespace swivlo::desktop {

namespace {

std::string kindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a named pipe";
    }
    if (S_ISCHR(mode)) {
        return "a character device";
    }
    if (S_ISBLK(mode)) {
        return "a block device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "not a file";
}

// Why the path must not be read or written: reading a FIFO blocks for ever and a device never
// ends. None for a regular file of a sane size, and for nothing at all (the first write makes
// the file).
std::optional<std::string> unusableBecause(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat link = {};
    if (::lstat(name.constData(), &link) != 0) {
        return std::nullopt;
    }
    const std::string shown = path.toStdString();
    struct stat target = {};
    if (::stat(name.constData(), &target) != 0) {
        return shown + " is a link to nothing";
    }
    if (!S_ISREG(target.st_mode)) {
        return shown + (S_ISLNK(link.st_mode) ? " is a link to " : " is ") +
               kindOf(target.st_mode) + ", not a regular file";
    }
    if (target.st_size > SettingsPreferencesStore::maximumFileSize) {
        return shown + " is larger than any preferences file (" + std::to_string(target.st_size) +
               " bytes)";
    }
    return std::nullopt;
}

// Only for a path unusableBecause() accepted.
QByteArray readBounded(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(SettingsPreferencesStore::maximumFileSize)
                                          : QByteArray();
}

}  // namespace

QString SettingsPreferencesStore::defaultPath() {
    return xdgConfigHome() + QStringLiteral("/Swivlo/Swivlo.conf");
}

SettingsPreferencesStore::SettingsPreferencesStore(const QString& path)
    : path_(path), unusable_(unusableBecause(path)) {
    if (unusable_) {
        logLine("⚠️ Preferences file not used: " + *unusable_ + "; running on the defaults");
        setSaveFailure(*unusable_);
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    lastContents_ = readBounded(path);
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &watcher_,
                     [this] { fileChanged(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &watcher_,
                     [this] { fileChanged(); });
    watchFile();
}

SettingsPreferencesStore::~SettingsPreferencesStore() = default;

std::optional<QVariant> SettingsPreferencesStore::object(const std::string& key) const {
    const QString k = QString::fromStdString(key);
    if (!settings_ || !settings_->contains(k)) {
        return std::nullopt;
    }
    const QVariant value = settings_->value(k);
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

std::optional<std::string> SettingsPreferencesStore::notWritableBecause() const {
    const QFileInfo file(path_);
    if (file.exists()) {
        return file.isWritable()
                   ? std::nullopt
                   : std::optional<std::string>(path_.toStdString() + " is read-only");
    }
    const QFileInfo folder(file.absolutePath());
    return folder.isWritable()
               ? std::nullopt
               : std::optional<std::string>("the folder " + folder.filePath().toStdString() +
                                            " is read-only");
}

std::optional<std::string> SettingsPreferencesStore::write(const std::string& key,
                                                           const std::optional<QVariant>& value) {
    if (!settings_) {
        return unusable_;
    }
    if (auto why = unusableBecause(path_)) {
        return why;
    }
    // Checked first: QSettings keeps a value it failed to save and reads it back as if saved.
    if (auto why = notWritableBecause()) {
        return why;
    }
    keepTypedBytes();
    const QString k = QString::fromStdString(key);
    const auto old = object(key);
    value ? settings_->setValue(k, *value) : settings_->remove(k);
    settings_->sync();
    if (settings_->status() != QSettings::NoError) {
        // The old value goes back, and a fresh QSettings forgets the error it keeps reporting.
        old ? settings_->setValue(k, *old) : settings_->remove(k);
        settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
        return path_.toStdString() + " could not be written";
    }
    lastContents_ = readBounded(path_);
    watchFile();
    return std::nullopt;
}

void SettingsPreferencesStore::keepTypedBytes() {
    // A save rewrites every value from QSettings's own reading: byte arrays typed into the file
    // by hand must go back with the bytes they hold, not with that reading's '?' and Latin-1.
    for (const QString& key : settings_->childKeys()) {
        const QVariant value = settings_->value(key);
        if (value.typeId() != QMetaType::QByteArray) {
            continue;
        }
        const auto bytes = iniFileByteArray(lastContents_, key.toUtf8(), value.toByteArray());
        if (bytes && *bytes != value.toByteArray()) {
            settings_->setValue(key, *bytes);
        }
    }
}

std::string SettingsPreferencesStore::preferencesDirectory() const {
    return QFileInfo(path_).absolutePath().toStdString();
}

void SettingsPreferencesStore::watchFile() {
    // Atomic saves replace the file, which drops it from the watch: watch the folder too.
    const QString dir = QFileInfo(path_).absolutePath();
    if (!watcher_.directories().contains(dir)) {
        watcher_.addPath(dir);
    }
    if (QFile::exists(path_) && !watcher_.files().contains(path_)) {
        watcher_.addPath(path_);
    }
}

void SettingsPreferencesStore::fileChanged() {
    watchFile();
    if (unusableBecause(path_)) {
        return;  // replaced by something that cannot be read: keep what was read
    }
    const QByteArray contents = readBounded(path_);
    if (contents == lastContents_) {
        return;  // our own write, already reported
    }
    lastContents_ = contents;
    const auto before = storedValues();
    settings_->sync();
    const auto after = storedValues();
    // Only the keys the other program changed, so a listener acts on what concerns it.
    std::set<QString> keys;
    for (const auto* values : {&before, &after}) {
        for (const auto& entry : *values) {
            keys.insert(entry.first);
        }
    }
    for (const QString& key : keys) {
        const auto old = before.find(key);
        const auto now = after.find(key);
        if (old == before.end() || now == after.end() || old->second != now->second) {
            emit changed(key.toStdString());
        }
    }
}

std::map<QString, QVariant> SettingsPreferencesStore::storedValues() const {
    std::map<QString, QVariant> values;
    for (const QString& key : settings_->allKeys()) {
        values.emplace(key, settings_->value(key));
    }
    return values;
}

}  // namespace swivlo::desktop
