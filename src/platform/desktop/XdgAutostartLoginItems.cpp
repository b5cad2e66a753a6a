#include "platform/desktop/XdgAutostartLoginItems.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <optional>

#include "platform/XdgDirectories.h"
#include "platform/desktop/DesktopEntry.h"

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

// Larger than any entry a person writes; a bigger file is not read.
constexpr qint64 maximumEntrySize = 64 * 1024;

// The entry's text; none when there is no file (or something that is not one) to read.
std::optional<QByteArray> readEntry(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maximumEntrySize) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.read(maximumEntrySize);
}

bool startsExecutable(QByteArray program, const QString& executable) {
    program.replace("%%", "%");
    QString path = QFile::decodeName(program);
    if (!path.contains(u'/')) {
        path = QStandardPaths::findExecutable(path);
    }
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return path == executable ||
           (!canonical.isEmpty() && canonical == QFileInfo(executable).canonicalFilePath());
}

// The user's entry, switched on and starting `executable`, with every other line as it was.
// The program's arguments stay too: only the program is corrected.
QByteArray enabledText(const QByteArray& text, const QString& executable) {
    DesktopEntry entry(text);
    if (entry.boolValue("Hidden") == true) {
        entry.setValue("Hidden", "false");
    }
    if (entry.boolValue("X-GNOME-Autostart-enabled") == false) {
        entry.setValue("X-GNOME-Autostart-enabled", "true");
    }
    const QByteArray exec = DesktopEntry::unescaped(entry.value("Exec").value_or(QByteArray()));
    const auto program = execProgram(exec);
    const auto tryExec = entry.value("TryExec");
    const bool execMoved = !program || !startsExecutable(program->program, executable);
    if (execMoved) {
        const QByteArray arguments = program ? exec.mid(program->end) : QByteArray();
        entry.setValue("Exec", DesktopEntry::escaped(quotedExec(executable).toUtf8() + arguments));
    }
    // A TryExec naming another file would make the session skip the entry.
    if (execMoved ||
        (tryExec &&
         !startsExecutable(DesktopEntry::unescaped(*tryExec).replace("%", "%%"), executable))) {
        entry.setValue("TryExec", DesktopEntry::escaped(executable.toUtf8()));
    }
    return entry.text();
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
    const QString exec = QString::fromUtf8(DesktopEntry::escaped(quotedExec(executable).toUtf8()));
    // With TryExec the session ignores the entry once the program is gone.
    const QString tryExec = QString::fromUtf8(DesktopEntry::escaped(executable.toUtf8()));
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Swivlo\n"
               "Comment=Quick system toggles from the tray\n"
               "TryExec=%1\n"
               "Exec=%2\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n")
        .arg(tryExec, exec)
        .toUtf8();
}

bool XdgAutostartLoginItems::isEnabled() const {
    const auto text = readEntry(entryPath());
    if (!text) {
        return false;
    }
    // A session's own autostart settings switch an entry off by hiding or disabling it.
    const DesktopEntry entry(*text);
    return entry.isValid() && entry.boolValue("Hidden") != true &&
           entry.boolValue("X-GNOME-Autostart-enabled") != false;
}

bool XdgAutostartLoginItems::setEnabled(bool enabled, std::string& whyNot) {
    if (!enabled) {
        QFile file(entryPath());
        if (file.exists() && !file.remove()) {
            whyNot = entryPath().toStdString() +
                     " cannot be removed: " + file.errorString().toStdString();
            return false;
        }
        return true;
    }
    const auto current = readEntry(entryPath());
    const QByteArray text = current && DesktopEntry(*current).isValid()
                                ? enabledText(*current, executable_)
                                : entryText(executable_);
    if (current == text) {
        return true;
    }
    if (!QDir().mkpath(directory_)) {
        whyNot = QFileInfo(directory_).exists()
                     ? "the autostart folder " + directory_.toStdString() + " is not a folder"
                     : "the autostart folder " + directory_.toStdString() + " cannot be made";
        return false;
    }
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        whyNot =
            entryPath().toStdString() + " cannot be written: " + file.errorString().toStdString();
        return false;
    }
    return true;
}

}  // namespace swivlo::desktop
