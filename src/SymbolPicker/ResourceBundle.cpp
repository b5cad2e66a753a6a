#include "SymbolPicker/ResourceBundle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

#include "platform/LogOutput.h"
#include "platform/ProgramData.h"

namespace swivlo {

namespace {

QString bundleDirectoryName() {
    return QString::fromLatin1(ResourceBundle::kName) + QStringLiteral(".bundle");
}

bool isHexQuad(QStringView digits) {
    return std::all_of(digits.begin(), digits.end(), [](QChar d) {
        return (d >= u'0' && d <= u'9') || (d >= u'a' && d <= u'f') || (d >= u'A' && d <= u'F');
    });
}

// The text of a quoted string with its escapes decoded in one pass from the left, so an
// escaped backslash never starts another escape: \" \\ \n \t \r and \U followed by four
// hexadecimal digits; any other escaped character stands for itself.
QString unescapeStringsText(QStringView s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != u'\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const QChar c = s[++i];
        if (c == u'n') {
            out += u'\n';
        } else if (c == u't') {
            out += u'\t';
        } else if (c == u'r') {
            out += u'\r';
        } else if (c == u'U' && i + 4 < s.size() && isHexQuad(s.sliced(i + 1, 4))) {
            out += QChar(s.sliced(i + 1, 4).toUShort(nullptr, 16));
            i += 4;
        } else {
            out += c;
        }
    }
    return out;
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
    for (auto it = entry.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        strings.insert(unescapeStringsText(match.capturedView(1)),
                       unescapeStringsText(match.capturedView(2)));
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
