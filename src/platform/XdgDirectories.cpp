#include "platform/XdgDirectories.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

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

RuntimeDir runtimeDir() {
    if (const QString given = qEnvironmentVariable("XDG_RUNTIME_DIR"); !given.isEmpty()) {
        return {given, {}};
    }
    const uid_t uid = ::geteuid();
    const QString path = QDir::tempPath() + QStringLiteral("/swivlo-%1").arg(uid);
    const QByteArray name = QFile::encodeName(path);
    const auto refused = [&path](const QString& why) {
        return RuntimeDir{{},
                          QStringLiteral("XDG_RUNTIME_DIR is not set and %1 %2: set "
                                         "XDG_RUNTIME_DIR to a folder only you can use.")
                              .arg(path, why)};
    };
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        return refused(QStringLiteral("cannot be made (%1)").arg(std::strerror(errno)));
    }
    struct stat info = {};
    if (::lstat(name.constData(), &info) != 0) {
        return refused(QStringLiteral("cannot be read (%1)").arg(std::strerror(errno)));
    }
    if (!S_ISDIR(info.st_mode)) {
        return refused(QStringLiteral("is not a folder"));
    }
    if (info.st_uid != uid) {
        return refused(QStringLiteral("belongs to another user"));
    }
    if ((info.st_mode & 077) != 0) {
        return refused(QStringLiteral("is open to other users"));
    }
    qputenv("XDG_RUNTIME_DIR", name);
    return {path, {}};
}

QString xdgRuntimeDir() {
    return runtimeDir().path;
}

}  // namespace swivlo
