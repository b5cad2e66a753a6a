#pragma once

#include <QCoreApplication>
#include <QString>

namespace swivlo {

// Interface texts are looked up by key in the application's one translation context; without a
// translation the key itself is the English text.
inline QString localizedText(const QString& key) {
    return QCoreApplication::translate("Swivlo", key.toUtf8().constData());
}

}  // namespace swivlo
