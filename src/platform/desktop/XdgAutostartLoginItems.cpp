#include "platform/desktop/XdgAutostartLoginItems.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "platform/XdgDirectories.h"

namespace swivlo::desktop {

namespace {

QString defaultDirectory() {
    return xdgConfigHome() + QStringLiteral("/autostart");
}

// Exec quoting of desktop entries: the path in double quotes with ", `, $ and
// \ escaped, and % doubled since it starts a field code.
QString quotedExec(const QString& path) {
    QString escaped;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
            escaped += u'\\';
        }
        if (c == u'%') {
            escaped += u'%';
        }
        escaped += c;
    }
    return u'"' + escaped + u'"';
}

}  // namespace

XdgAutostartLoginItems::XdgAutostartLoginItems()
    : XdgAutostartLoginItems(defaultDirectory(), QCoreApplication::applicationFilePath()) {}

XdgAutostartLoginItems::XdgAutostartLoginItems(QString autostartDirectory, QString executable)
    : directory_(std::move(autostartDirectory)), executable_(std::move(executable)) {}

QString XdgAutostartLoginItems::entryPath() const {
    return directory_ + QStringLiteral("/swivlo.desktop");
}

QByteArray XdgAutostartLoginItems::entryText(const QString& executable) {
    // Values of the desktop entry are escaped a second time: a backslash is written as two.
    QString exec = quotedExec(executable);
    exec.replace(u'\\', QStringLiteral("\\\\"));
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Swivlo\n"
               "Comment=Quick system toggles from the tray\n"
               "Exec=%1\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n")
        .arg(exec)
        .toUtf8();
}

bool XdgAutostartLoginItems::isEnabled() const {
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    // A session's own autostart settings switch an entry off by marking it hidden.
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed == "Hidden=true" || trimmed == "X-GNOME-Autostart-enabled=false") {
            return false;
        }
    }
    return true;
}

bool XdgAutostartLoginItems::setEnabled(bool enabled) {
    if (!enabled) {
        QFile file(entryPath());
        return !file.exists() || file.remove();
    }
    const QByteArray text = entryText(executable_);
    if (QFile current(entryPath());
        current.open(QIODevice::ReadOnly) && current.readAll() == text) {
        return true;
    }
    if (!QDir().mkpath(directory_)) {
        return false;
    }
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(text);
    return file.commit();
}

}  // namespace swivlo::desktop
