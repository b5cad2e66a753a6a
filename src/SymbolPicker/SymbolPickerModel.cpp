#include "SymbolPicker/SymbolPickerModel.h"

namespace swivlo {

namespace {

// Reads yield the caller's string; writing a name stores it; writing none is ignored.
Binding<std::optional<QString>> adapt(Binding<QString> binding) {
    return {
        [get = binding.get] { return std::optional<QString>(get()); },
        [set = binding.set](const std::optional<QString>& value) {
            if (value) {
                set(*value);
            }
        },
    };
}

}  // namespace

SymbolPickerModel::SymbolPickerModel(Binding<QString> symbol,
                                     std::vector<SymbolCategory> categories, SymbolList catalogue,
                                     QObject* parent)
    : SymbolPickerModel(adapt(std::move(symbol)), std::move(categories), std::move(catalogue),
                        parent) {
    nullable_ = false;
}

SymbolPickerModel::SymbolPickerModel(Binding<std::optional<QString>> symbol,
                                     std::vector<SymbolCategory> categories, SymbolList catalogue,
                                     QObject* parent)
    : QObject(parent),
      symbol_(std::move(symbol)),
      nullable_(true),
      categories_(categories),
      grid_(std::move(catalogue), std::move(categories)) {
    grid_.setSelectedName(symbol_.get());
}

void SymbolPickerModel::setSearchText(const QString& text) {
    if (text == searchText_) {
        return;
    }
    searchText_ = text;
    grid_.setSearchText(text);
}

void SymbolPickerModel::choose(const QString& name) {
    if (dismissed_) {
        return;
    }
    symbol_.set(name);
    grid_.setSelectedName(symbol_.get());
    dismiss();
}

void SymbolPickerModel::removeSymbol() {
    if (dismissed_ || !showsRemoveRow()) {
        return;
    }
    symbol_.set(std::nullopt);
    grid_.setSelectedName(std::nullopt);
    dismiss();
}

void SymbolPickerModel::close() {
    if (!dismissed_) {
        dismiss();
    }
}

void SymbolPickerModel::dismiss() {
    dismissed_ = true;
    emit dismissRequested();
}

}  // namespace swivlo
