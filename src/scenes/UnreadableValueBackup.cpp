#include "scenes/UnreadableValueBackup.h"

#include <QDir>
#include <QFile>
#include <string>

#include "platform/LogOutput.h"

namespace swivlo {

namespace {

// A name that is not taken yet; NewOnly below makes sure nothing is overwritten.
bool writeNewFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.close();
        file.remove();
        return false;
    }
    file.close();
    return file.error() == QFileDevice::NoError;
}

}  // namespace

std::optional<QString> backUpUnreadableScenes(const QByteArray& bytes, const QString& directory,
                                              const QDateTime& now) {
    if (!directory.isEmpty() && QDir().mkpath(directory)) {
        const QString stem =
            QDir(directory).filePath(QStringLiteral("SwivloScenes-unreadable-") +
                                     now.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString path = stem +
                                 (attempt == 0 ? QString() : QStringLiteral("-%1").arg(attempt)) +
                                 QStringLiteral(".json");
            if (QFile::exists(path)) {
                continue;
            }
            if (!writeNewFile(path, bytes)) {
                break;
            }
            logLine("⚠️ Stored scenes could not be read; their bytes are kept in " +
                    path.toStdString());
            return path;
        }
    }
    logLine("⚠️ Stored scenes could not be read and could not be backed up in \"" +
            directory.toStdString() + "\"; they are left unchanged");
    return std::nullopt;
}

}  // namespace swivlo
