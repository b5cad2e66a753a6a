#include "SymbolPicker/Symbols.h"

#include <QFile>
#include <QOperatingSystemVersion>

namespace swivlo {

std::optional<SystemVersion> currentSystemVersion() {
    const QOperatingSystemVersion current = QOperatingSystemVersion::current();
    if (current.type() != QOperatingSystemVersion::MacOS) {
        return std::nullopt;
    }
    return SystemVersion{current.majorVersion(), current.minorVersion()};
}

QString symbolListResourceName(const std::optional<SystemVersion>& version) {
    int list = 6;
    if (version) {
        list = version->major >= 15 ? 6 : version->major >= 14 ? 5 : 4;
    }
    return QStringLiteral("sfsymbol%1").arg(list);
}

Symbols& Symbols::shared() {
    // Created once, thread-safely, and kept for the life of the process.
    static Symbols* catalogue = new Symbols(load(ResourceBundle::shared(), currentSystemVersion()));
    return *catalogue;
}

Symbols Symbols::load(const std::optional<ResourceBundle>& bundle,
                      const std::optional<SystemVersion>& version) {
    if (!bundle) {
        return Symbols({});
    }
    const auto path =
        bundle->pathForResource(symbolListResourceName(version), QStringLiteral("txt"));
    if (!path) {
        return Symbols({});
    }
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Symbols({});
    }
    return Symbols(parseSymbolList(QString::fromUtf8(file.readAll())));
}

void Symbols::setFilter(Filter filter) {
    filter_ = std::move(filter);
    if (!filter_) {
        symbols_ = allSymbols_;
        return;
    }
    symbols_.clear();
    for (const SymbolPtr& symbol : allSymbols_) {
        if (filter_(symbol->name())) {
            symbols_.push_back(symbol);
        }
    }
}

}  // namespace swivlo
