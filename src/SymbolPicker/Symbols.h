#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "SymbolPicker/ResourceBundle.h"
#include "SymbolPicker/Symbol.h"

namespace swivlo {

// The running system's version, when it is one of the host's; none elsewhere (Linux).
struct SystemVersion {
    int major = 0;
    int minor = 0;
};
std::optional<SystemVersion> currentSystemVersion();

// The name of the symbol list for a system: newer systems know more symbols. A system without
// such versions gets the newest list.
QString symbolListResourceName(const std::optional<SystemVersion>& version);

// The catalogue of system symbol names the picker offers, with their categories.
class Symbols {
public:
    using Filter = std::function<bool(const QString& name)>;

    // The process's catalogue, read from the shared resource bundle on first access.
    static Symbols& shared();

    // Reads the list for `version` from `bundle`. No bundle, no such resource or an unreadable
    // file gives an empty catalogue.
    static Symbols load(const std::optional<ResourceBundle>& bundle,
                        const std::optional<SystemVersion>& version);

    explicit Symbols(SymbolList all) : symbols_(all), allSymbols_(std::move(all)) {}

    const Filter& filter() const { return filter_; }
    // Recomputes `symbols` at once; an empty filter passes every symbol.
    void setFilter(Filter filter);

    // The entries of allSymbols that pass the filter, in resource order.
    const SymbolList& symbols() const { return symbols_; }
    // Every entry of the resource, in line order.
    const SymbolList& allSymbols() const { return allSymbols_; }

private:
    Filter filter_;
    SymbolList symbols_;
    SymbolList allSymbols_;
};

}  // namespace swivlo
