#include "settings/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "platform/ProgramData.h"

namespace swivlo {

bool installTranslations() {
    static QTranslator* installed = nullptr;
    if (installed) {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    for (const QString& directory : programDataDirectories()) {
        const QString folder = directory + QStringLiteral("/translations");
        // The user's language when there are texts for it; English, which has every key,
        // otherwise.
        if (translator->load(QLocale(), QStringLiteral("swivlo"), QStringLiteral("_"), folder) ||
            translator->load(QStringLiteral("swivlo_en"), folder)) {
            translator->setParent(QCoreApplication::instance());
            installed = translator.release();
            QCoreApplication::installTranslator(installed);
            return true;
        }
    }
    return false;
}

}  // namespace swivlo
