#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace swivlo {

// The picker's resource bundle: a directory named "SymbolPicker_SymbolPicker.bundle" holding
// the symbol lists and the picker's texts.
class ResourceBundle {
public:
    static constexpr const char* kName = "SymbolPicker_SymbolPicker";

    // Where the bundle may live, in the order they are tried: in each of the program's data
    // folders (the installed share/swivlo, then the executable's own folder).
    static QStringList candidateDirectories();

    // The first candidate that is a readable directory; none when no candidate is.
    static std::optional<ResourceBundle> find(const QStringList& candidates);

    // Like find; when no candidate is a bundle, says so in one warning line.
    static std::optional<ResourceBundle> findOrWarn(const QStringList& candidates);

    // The bundle found among the standard candidates, looked up once per process; none (and
    // an empty catalogue) when there is none.
    static const std::optional<ResourceBundle>& shared();

    explicit ResourceBundle(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }

    // The file "<name>.<type>" in the bundle, or none when it is not there.
    std::optional<QString> pathForResource(const QString& name, const QString& type) const;

    // The text for `key` in the user's language ("<language>.lproj/Localizable.strings"),
    // falling back to English and then to the key itself. The files are read at the first
    // lookup.
    QString localizedString(const QString& key) const;

private:
    QString path_;
    mutable std::optional<QHash<QString, QString>> strings_;
};

// The text for `key` from the shared bundle; the key itself when there is no bundle.
QString pickerLocalizedString(const QString& key);

}  // namespace swivlo
