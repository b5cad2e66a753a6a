#pragma once

#include <QDialog>

#include "SymbolPicker/SymbolPickerModel.h"

class QAbstractButton;
class QLineEdit;
class QPushButton;

namespace swivlo {

class SymbolGridView;

// A small window-modal sheet that picks one system symbol: a search field, a close button, the
// grid of matching symbols and, when the caller allows no symbol, a remove button. The result
// reaches the caller only through its binding.
class SymbolPicker : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 540;
    static constexpr int kHeight = 340;

    SymbolPicker(Binding<QString> symbol, std::vector<SymbolCategory> categories,
                 QWidget* parent = nullptr, SymbolList catalogue = Symbols::shared().symbols());
    SymbolPicker(Binding<std::optional<QString>> symbol, std::vector<SymbolCategory> categories,
                 QWidget* parent = nullptr, SymbolList catalogue = Symbols::shared().symbols());

    // Shows a picker over `parent`'s window, modal to that window only, and frees it when it
    // closes.
    template <typename T>
    static SymbolPicker* present(QWidget* parent, Binding<T> symbol,
                                 std::vector<SymbolCategory> categories) {
        auto* picker = new SymbolPicker(std::move(symbol), std::move(categories), parent);
        picker->presentOverParent();
        return picker;
    }

    SymbolPickerModel& model() { return *model_; }
    QLineEdit* searchField() const { return search_; }
    QAbstractButton* closeButton() const { return close_; }
    SymbolGridView* grid() const { return grid_; }
    // The divider and remove button; present only for a caller that allows no symbol.
    QWidget* removeRow() const { return removeRow_; }
    QPushButton* removeButton() const { return remove_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void build();
    void presentOverParent();
    void refreshRemoveRow();

    SymbolPickerModel* model_;
    QLineEdit* search_ = nullptr;
    QAbstractButton* close_ = nullptr;
    SymbolGridView* grid_ = nullptr;
    QWidget* removeRow_ = nullptr;
    QPushButton* remove_ = nullptr;
};

}  // namespace swivlo
