#include "settings/Translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace swivlo {

bool installTranslations() {
    static QTranslator* translator = nullptr;
    if (translator) {
        return true;
    }
    auto* loaded = new QTranslator(QCoreApplication::instance());
    if (!loaded->load(QStringLiteral(":/translations/swivlo_en.qm"))) {
        delete loaded;
        return false;
    }
    QCoreApplication::installTranslator(loaded);
    translator = loaded;
    return true;
}

}  // namespace swivlo
