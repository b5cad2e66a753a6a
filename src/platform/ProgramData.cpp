#include "platform/ProgramData.h"

#include <QCoreApplication>
#include <QDir>

namespace swivlo {

QStringList programDataDirectories() {
    if (!QCoreApplication::instance()) {
        return {};
    }
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(programDir.filePath(QStringLiteral(SWIVLO_DATA_FROM_BINDIR))),
            programDir.path()};
}

}  // namespace swivlo
