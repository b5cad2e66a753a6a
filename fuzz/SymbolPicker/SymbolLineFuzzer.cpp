// Feeds arbitrary bytes as a symbol list resource, read as UTF-8 the way the catalogue reads it.
// Each line must parse as a plain reading of it says: the first non-empty comma field is the
// name, later fields that name a category are its categories; lines with no field are skipped;
// a name listed again is one entry with the categories of all its lines.
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"
#include "SymbolPicker/Symbol.h"
#include "platform/LogOutput.h"

namespace {

using swivlo::fuzz::check;
using swivlo::fuzz::DiscardedLog;

std::optional<swivlo::Symbol> referenceLine(const QString& line) {
    const QStringList fields = line.split(u',');
    QString name;
    swivlo::SymbolCategorySet categories;
    for (const QString& field : fields) {
        if (field.isEmpty()) {
            continue;
        }
        if (name.isEmpty()) {
            name = field;
        } else if (const auto category = swivlo::symbolCategory(field)) {
            categories.insert(*category);
        }
    }
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return swivlo::Symbol(name, categories);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static DiscardedLog log;
    swivlo::Service<swivlo::LogOutput>::install(&log);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // One entry per name, in the order names first appear, with the categories of every line.
    QStringList names;
    QHash<QString, swivlo::SymbolCategorySet> categories;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const auto parsed = swivlo::parseSymbolLine(line);
        const auto reference = referenceLine(line);
        check(parsed.has_value() == reference.has_value());
        if (parsed) {
            check(parsed->name() == reference->name());
            check(parsed->categories() == reference->categories());
            check(!parsed->name().isEmpty() && !parsed->name().contains(u','));
            if (!categories.contains(parsed->name())) {
                names.append(parsed->name());
            }
            categories[parsed->name()].insertAll(parsed->categories());
        }
    }
    const swivlo::SymbolList symbols = swivlo::parseSymbolList(text);
    check(symbols.size() == static_cast<std::size_t>(names.size()));
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        check(symbols[i] && !symbols[i]->name().contains(u'\n'));
        check(symbols[i]->name() == names[static_cast<qsizetype>(i)]);
        check(symbols[i]->categories() == categories.value(names[static_cast<qsizetype>(i)]));
    }
    return 0;
}
