#pragma once

#include <QByteArray>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/ObserverList.h"
#include "platform/Service.h"

namespace swivlo {

// The per-user preferences store. Implementations provide raw values; the typed reads here
// follow one rule everywhere: a value that is absent or cannot be read as the asked type is
// absent, and the caller applies its default.
class PreferencesStore {
public:
    using ObserverToken = ObserverList::Token;

    virtual ~PreferencesStore() = default;

    virtual std::optional<QVariant> object(const std::string& key) const = 0;
    virtual void setObject(const std::string& key, const QVariant& value) = 0;
    virtual void removeObject(const std::string& key) = 0;

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

    void setBool(const std::string& key, bool value) { setObject(key, QVariant(value)); }
    void setInteger(const std::string& key, std::int64_t value) {
        setObject(key, QVariant(qint64(value)));
    }
    void setString(const std::string& key, const std::string& value) {
        setObject(key, QVariant(QString::fromStdString(value)));
    }
    void setData(const std::string& key, const QByteArray& value) { setObject(key, value); }

    // The folder that holds the preferences file, so files that belong with the preferences
    // (a backup of a value that could not be read) can go beside it. Empty: there is none.
    virtual std::string preferencesDirectory() const = 0;

    // For the owner that reads `key` and ignores what is stored there (wrong type, out of
    // range): logs one line naming the key and `reason`, once per stored value, so a bad value
    // is reported at start and again only when a different bad value is stored.
    void reportIgnored(const std::string& key, const std::string& reason) const;

    // Called on the main thread after every change, the program's own writes included.
    ObserverToken addChangeObserver(std::function<void()> handler);
    void removeChangeObserver(ObserverToken token);

protected:
    void notifyChanged();

private:
    ObserverList observers_;
    mutable std::map<std::string, QVariant> reportedIgnored_;
};

inline PreferencesStore& preferences() {
    return Service<PreferencesStore>::get();
}

}  // namespace swivlo
