#include "platform/PreferencesStore.h"

#include "platform/LogOutput.h"

namespace swivlo {

namespace {

// INI files hand every scalar back as text, so text forms are read as the typed value they
// spell; anything else is not that type.
std::optional<bool> toBool(const QVariant& v) {
    if (v.typeId() == QMetaType::Bool) {
        return v.toBool();
    }
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        if (s == u"true" || s == u"yes" || s == u"1") {
            return true;
        }
        if (s == u"false" || s == u"no" || s == u"0") {
            return false;
        }
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    return ok ? std::optional<bool>(n != 0) : std::nullopt;
}

std::optional<std::int64_t> toInteger(const QVariant& v) {
    if (v.typeId() == QMetaType::Bool) {
        return v.toBool() ? 1 : 0;
    }
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const qlonglong n = v.toString().trimmed().toLongLong(&ok);
        return ok ? std::optional<std::int64_t>(n) : std::nullopt;
    }
    if (v.typeId() == QMetaType::QByteArray || !v.canConvert<qlonglong>()) {
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    return ok ? std::optional<std::int64_t>(n) : std::nullopt;
}

}  // namespace

std::optional<bool> PreferencesStore::boolValue(const std::string& key) const {
    const auto v = object(key);
    return v ? toBool(*v) : std::nullopt;
}

std::optional<std::int64_t> PreferencesStore::integerValue(const std::string& key) const {
    const auto v = object(key);
    return v ? toInteger(*v) : std::nullopt;
}

std::optional<std::string> PreferencesStore::stringValue(const std::string& key) const {
    const auto v = object(key);
    if (!v || (v->typeId() != QMetaType::QString && v->typeId() != QMetaType::QStringList)) {
        return std::nullopt;
    }
    return writtenText(*v).toStdString();
}

QString PreferencesStore::writtenText(const QVariant& value) {
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',')
                                                    : value.toString();
}

std::optional<QByteArray> PreferencesStore::dataValue(const std::string& key) const {
    const auto v = object(key);
    if (!v || v->typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    return v->toByteArray();
}

std::optional<QByteArray> PreferencesStore::storedBytes(const std::string& key) const {
    const auto v = object(key);
    if (!v) {
        return std::nullopt;
    }
    return v->typeId() == QMetaType::QByteArray ? v->toByteArray() : writtenText(*v).toUtf8();
}

void PreferencesStore::reportIgnored(const std::string& key, const std::string& reason) const {
    const auto stored = object(key);
    if (!stored) {
        return;
    }
    const auto [it, first] = reportedIgnored_.try_emplace(key, *stored);
    if (!first) {
        if (it->second == *stored) {
            return;
        }
        it->second = *stored;
    }
    logLine("⚠️ Ignored preference \"" + key + "\": " + reason);
}

bool PreferencesStore::setObject(const std::string& key, const QVariant& value) {
    return store(key, value);
}

bool PreferencesStore::removeObject(const std::string& key) {
    return store(key, std::nullopt);
}

bool PreferencesStore::store(const std::string& key, const std::optional<QVariant>& value) {
    if (const auto failure = write(key, value)) {
        reportSaveFailure(*failure);
        return false;
    }
    saveFailure_.reset();
    emit changed(key);
    return true;
}

void PreferencesStore::reportSaveFailure(const std::string& reason) {
    if (saveFailure_ != reason) {
        logLine("⚠️ Preferences not saved: " + reason);
        saveFailure_ = reason;
    }
    emit saveFailed();
}

}  // namespace swivlo
