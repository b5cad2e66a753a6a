#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

namespace swivlo {

// Interface texts are looked up by key in the application's one translation context; without a
// translation the key itself is the English text.
inline QString localized(const char* key, const char* note = nullptr) {
    return QCoreApplication::translate("Swivlo", key, note);
}
inline QString localized(const QString& key) {
    return localized(key.toUtf8().constData());
}
inline QString localized(const std::string& key) {
    return localized(key.c_str());
}

}  // namespace swivlo
