#include "platform/XdgDirectories.h"

#include <QDir>
#include <QStandardPaths>

namespace swivlo {

namespace {

QString baseDirectory(const char* variable, const QString& homeRelativeDefault) {
    const QString value = qEnvironmentVariable(variable);
    if (value.isEmpty() || QDir::isRelativePath(value)) {
        return QDir::homePath() + homeRelativeDefault;
    }
    return value;
}

}  // namespace

QString xdgConfigHome() {
    return baseDirectory("XDG_CONFIG_HOME", QStringLiteral("/.config"));
}

QString xdgStateHome() {
    return baseDirectory("XDG_STATE_HOME", QStringLiteral("/.local/state"));
}

QString xdgRuntimeDir() {
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    }
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    return dir;
}

}  // namespace swivlo
