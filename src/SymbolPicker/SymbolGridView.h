#pragma once

#include <QListView>
#include <QStyledItemDelegate>

namespace swivlo {

// Draws one grid cell: the symbol at the size of 24-point text, on the accent colour in white
// when it is the current choice.
class SymbolCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kCellSize = 48;
    static constexpr int kSymbolPointSize = 24;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The scrolling grid: as many 48-wide columns as fit, centred, built lazily by the list view.
// A click or Return on a cell reports it through cellChosen, and so does selecting it through
// the accessibility interface (a screen reader's "Toggle" on a cell); the choice is drawn from
// the model, so the view's own selection stays empty.
class SymbolGridView : public QListView {
    Q_OBJECT

public:
    static constexpr int kSpacing = 8;
    static constexpr int kHorizontalPadding = 16;

    explicit SymbolGridView(QWidget* parent = nullptr);

    // The number of columns that fit in `width` pixels of viewport.
    static int columnsFor(int width);

    void setSelectionModel(QItemSelectionModel* selectionModel) override;

signals:
    void cellChosen(const QModelIndex& index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Pointer and keys never select: they choose through clicked and keyPressEvent.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void centreColumns();
};

}  // namespace swivlo
