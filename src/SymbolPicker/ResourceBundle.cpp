#include "SymbolPicker/ResourceBundle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include "platform/LogOutput.h"
#include "platform/ProgramData.h"

namespace swivlo {

namespace {

QString bundleDirectoryName() {
    return QString::fromLatin1(ResourceBundle::kName) + QStringLiteral(".bundle");
}

// Reads "key" = "value"; lines; anything else in the file is ignored.
QHash<QString, QString> readStrings(const QString& path) {
    QHash<QString, QString> strings;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return strings;
    }
    static const QRegularExpression entry(
        QStringLiteral(R"re(^\s*"((?:[^"\\]|\\.)*)"\s*=\s*"((?:[^"\\]|\\.)*)"\s*;)re"),
        QRegularExpression::MultilineOption);
    const QString text = QString::fromUtf8(file.readAll());
    auto unescape = [](QString s) {
        s.replace(QStringLiteral("\\\""), QStringLiteral("\""));
        s.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        s.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        return s;
    };
    for (auto it = entry.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        strings.insert(unescape(match.captured(1)), unescape(match.captured(2)));
    }
    return strings;
}

}  // namespace

QStringList ResourceBundle::candidateDirectories() {
    QStringList candidates;
    for (const QString& directory : programDataDirectories()) {
        candidates << QDir(directory).filePath(bundleDirectoryName());
    }
    return candidates;
}

std::optional<ResourceBundle> ResourceBundle::find(const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.isDir() && info.isReadable()) {
            return ResourceBundle(info.absoluteFilePath());
        }
    }
    return std::nullopt;
}

std::optional<ResourceBundle> ResourceBundle::findOrWarn(const QStringList& candidates) {
    auto found = find(candidates);
    if (!found) {
        // Stopping the program over missing picker data would be worse than an empty grid.
        logLine(std::string("⚠️ unable to find bundle named ") + kName);
    }
    return found;
}

const std::optional<ResourceBundle>& ResourceBundle::shared() {
    static const std::optional<ResourceBundle> bundle = findOrWarn(candidateDirectories());
    return bundle;
}

std::optional<QString> ResourceBundle::pathForResource(const QString& name,
                                                       const QString& type) const {
    const QString path = QDir(path_).filePath(name + QLatin1Char('.') + type);
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    return path;
}

QString ResourceBundle::localizedString(const QString& key) const {
    if (!strings_) {
        // The locale's own texts first, then its language's, then English.
        const QLocale locale;
        QStringList languages{locale.name(), locale.name().section(QLatin1Char('_'), 0, 0),
                              QStringLiteral("en")};
        languages.removeDuplicates();
        strings_.emplace();
        for (const QString& language : languages) {
            const QHash<QString, QString> table = readStrings(
                QDir(path_).filePath(language + QStringLiteral(".lproj/Localizable.strings")));
            for (auto it = table.cbegin(); it != table.cend(); ++it) {
                if (!strings_->contains(it.key())) {
                    strings_->insert(it.key(), it.value());
                }
            }
        }
    }
    return strings_->value(key, key);
}

QString pickerLocalizedString(const QString& key) {
    const auto& bundle = ResourceBundle::shared();
    return bundle ? bundle->localizedString(key) : key;
}

}  // namespace swivlo
