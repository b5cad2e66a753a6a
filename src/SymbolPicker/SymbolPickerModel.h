#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "SymbolPicker/SymbolGridModel.h"
#include "SymbolPicker/Symbols.h"

namespace swivlo {

// A value the caller owns, read and written through these two functions.
template <typename T>
struct Binding {
    std::function<T()> get;
    std::function<void(const T&)> set;
};

// The picker's state and actions: the caller's choice, the search text and the grid it
// filters. Each of the three ending actions (a cell, remove, close) asks to be dismissed once;
// after that nothing more reaches the caller.
class SymbolPickerModel : public QObject {
    Q_OBJECT

public:
    // A caller whose value always holds a name: the choice can't be removed.
    SymbolPickerModel(Binding<QString> symbol, std::vector<SymbolCategory> categories,
                      SymbolList catalogue = Symbols::shared().symbols(),
                      QObject* parent = nullptr);
    // A caller whose value may be no symbol: the remove action is offered while one is chosen.
    SymbolPickerModel(Binding<std::optional<QString>> symbol,
                      std::vector<SymbolCategory> categories,
                      SymbolList catalogue = Symbols::shared().symbols(),
                      QObject* parent = nullptr);

    std::optional<QString> symbol() const { return symbol_.get(); }
    bool nullable() const { return nullable_; }
    const std::vector<SymbolCategory>& categories() const { return categories_; }
    const QString& searchText() const { return searchText_; }
    SymbolGridModel* grid() { return &grid_; }

    void setSearchText(const QString& text);
    bool showsRemoveRow() const { return nullable_ && symbol().has_value(); }

    void choose(const QString& name);
    void removeSymbol();
    void close();
    bool isDismissed() const { return dismissed_; }

signals:
    void dismissRequested();

private:
    void dismiss();

    Binding<std::optional<QString>> symbol_;
    bool nullable_;
    std::vector<SymbolCategory> categories_;
    QString searchText_;
    SymbolGridModel grid_;
    bool dismissed_ = false;
};

}  // namespace swivlo
