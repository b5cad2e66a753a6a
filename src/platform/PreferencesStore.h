#pragma once

#include <QByteArray>
#include <QObject>
#include <QVariant>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/Service.h"

namespace swivlo {

// The per-user preferences store. Implementations provide raw values; the typed reads here
// follow one rule everywhere: a value that is absent or cannot be read as the asked type is
// absent, and the caller applies its default.
class PreferencesStore : public QObject {
    Q_OBJECT

public:
    ~PreferencesStore() override = default;

    virtual std::optional<QVariant> object(const std::string& key) const = 0;
    // Stores the value at once and emits changed(key). False when it could not be saved: the
    // store then still holds what it held before, nobody hears of a change, and the failure is
    // reported (saveFailure(), saveFailed(), one log line).
    bool setObject(const std::string& key, const QVariant& value);
    bool removeObject(const std::string& key);

    std::optional<bool> boolValue(const std::string& key) const;
    std::optional<std::int64_t> integerValue(const std::string& key) const;
    std::optional<std::string> stringValue(const std::string& key) const;
    std::optional<QByteArray> dataValue(const std::string& key) const;
    // The bytes of whatever is stored under `key`: data as it is, anything else as the text it
    // was written as. A store kept in a file gives that text exactly as the file spells it.
    virtual std::optional<QByteArray> storedBytes(const std::string& key) const;

    // A stored value as the text it was written as: an INI value with an unquoted comma reads
    // back as a list, which is joined again here.
    static QString writtenText(const QVariant& value);

    bool setBool(const std::string& key, bool value) { return setObject(key, QVariant(value)); }
    bool setInteger(const std::string& key, std::int64_t value) {
        return setObject(key, QVariant(qint64(value)));
    }
    bool setString(const std::string& key, const std::string& value) {
        return setObject(key, QVariant(QString::fromStdString(value)));
    }
    bool setData(const std::string& key, const QByteArray& value) { return setObject(key, value); }

    // The folder that holds the preferences file, so files that belong with the preferences
    // (a backup of a value that could not be read) can go beside it. Empty: there is none.
    virtual std::string preferencesDirectory() const = 0;

    // For the owner that reads `key` and ignores what is stored there (wrong type, out of
    // range): logs one line naming the key and `reason`, once per stored value, so a bad value
    // is reported at start and again only when a different bad value is stored.
    void reportIgnored(const std::string& key, const std::string& reason) const;

    // Why changes cannot be saved: set by a failed write until a write succeeds again, and from
    // the start when the store cannot be used at all. saveFailed() tells of every failure.
    const std::optional<std::string>& saveFailure() const { return saveFailure_; }

signals:
    // On the main thread after every change of `key`, the program's own writes included.
    void changed(const std::string& key);
    void saveFailed();

protected:
    // Saves one change (none: remove the key). None on success, else why it failed; the store
    // must then still hold the old value.
    virtual std::optional<std::string> write(const std::string& key,
                                             const std::optional<QVariant>& value) = 0;
    // Logs the reason once for a run of failures with that reason, and emits saveFailed().
    void reportSaveFailure(const std::string& reason);
    // For a store that cannot save from the start and has said so itself.
    void setSaveFailure(const std::string& reason) { saveFailure_ = reason; }

private:
    bool store(const std::string& key, const std::optional<QVariant>& value);

    mutable std::map<std::string, QVariant> reportedIgnored_;
    std::optional<std::string> saveFailure_;
};

inline PreferencesStore& preferences() {
    return Service<PreferencesStore>::get();
}

}  // namespace swivlo
