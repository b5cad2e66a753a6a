#pragma once

#include <QCoreApplication>
#include <QString>

namespace swivlo {

// Interface texts are looked up by key in the main translation table; without a translation
// the key itself is the English text.
inline QString localizedText(const QString& key) {
    return QCoreApplication::translate("Localizable", key.toUtf8().constData());
}

}  // namespace swivlo
