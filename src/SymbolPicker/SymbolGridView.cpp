#include "SymbolPicker/SymbolGridView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include "SymbolPicker/SymbolGridModel.h"
#include "ui/Appearance.h"
#include "ui/SymbolProvider.h"

namespace swivlo {

void SymbolCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const PanelPalette& palette = Appearance::shared().palette();
    const bool selected = index.data(SymbolGridModel::SelectedRole).toBool();
    const QRectF cell =
        QRectF(QPointF(0, 0), QSizeF(kCellSize, kCellSize))
            .translated(QRectF(option.rect).center() - QPointF(kCellSize / 2.0, kCellSize / 2.0));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (selected) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette.accent);
        painter->drawRoundedRect(cell, 8, 8);
    }
    if (option.state & QStyle::State_HasFocus && option.widget && option.widget->hasFocus()) {
        // Keyboard users need to see which cell Return would choose.
        painter->setPen(QPen(palette.focusRing, 3));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(cell.adjusted(1.5, 1.5, -1.5, -1.5), 7, 7);
    }
    const int side = SymbolProvider::sizeForFont(kSymbolPointSize);
    const QRectF symbolBox(cell.center() - QPointF(side / 2.0, side / 2.0), QSizeF(side, side));
    SymbolProvider::paint(*painter, symbolBox, index.data(Qt::DisplayRole).toString(),
                          selected ? QColor(Qt::white) : palette.label);
    painter->restore();
}

QSize SymbolCellDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {kCellSize, kCellSize};
}

SymbolGridView::SymbolGridView(QWidget* parent) : QListView(parent) {
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setUniformItemSizes(true);
    setLayoutMode(QListView::Batched);
    setGridSize(
        QSize(SymbolCellDelegate::kCellSize + kSpacing, SymbolCellDelegate::kCellSize + kSpacing));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalScrollBar()->setSingleStep(16);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    // A slim, rounded scroll indicator like the host's, instead of the desktop style's bar.
    setStyleSheet(QStringLiteral(
        "QListView { background: transparent; }"
        "QScrollBar:vertical { width: 11px; background: transparent; margin: 2px 2px 2px 0; }"
        "QScrollBar::handle:vertical { min-height: 32px; border-radius: 3px;"
        " margin: 0 2px 0 2px; background: rgba(128, 128, 128, 140); }"
        "QScrollBar::handle:vertical:hover { background: rgba(128, 128, 128, 200); }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    setItemDelegate(new SymbolCellDelegate(this));
    setAccessibleName(QStringLiteral("Symbols"));
    // A release on the cell that was pressed.
    connect(this, &QAbstractItemView::clicked, this, &SymbolGridView::cellChosen);
}

void SymbolGridView::setSelectionModel(QItemSelectionModel* selectionModel) {
    QListView::setSelectionModel(selectionModel);
    connect(selectionModel, &QItemSelectionModel::selectionChanged, this,
            [this, selectionModel](const QItemSelection& added) {
                if (added.indexes().isEmpty()) {
                    return;
                }
                const QModelIndex chosen = added.indexes().first();
                selectionModel->clearSelection();
                emit cellChosen(chosen);
            });
}

QItemSelectionModel::SelectionFlags SymbolGridView::selectionCommand(const QModelIndex&,
                                                                     const QEvent*) const {
    return QItemSelectionModel::NoUpdate;
}

int SymbolGridView::columnsFor(int width) {
    const int usable = width - 2 * kHorizontalPadding;
    const int pitch = SymbolCellDelegate::kCellSize + kSpacing;
    return std::max(1, (usable + kSpacing) / pitch);
}

void SymbolGridView::centreColumns() {
    // The list view packs columns from the left; split the spare width evenly so the grid sits
    // in the middle, as a centred adaptive grid does.
    const int width = viewport()->width() + viewportMargins().left() + viewportMargins().right();
    const int pitch = SymbolCellDelegate::kCellSize + kSpacing;
    const int used = columnsFor(width) * pitch;
    // The view wraps once a cell would reach its last pixel column: leave it one pixel more.
    const int spare = std::max(0, width - used - 1);
    const int left = spare / 2;
    const QMargins wanted(left, kSpacing / 2, spare - left, kSpacing / 2);
    if (viewportMargins() != wanted) {
        setViewportMargins(wanted);
    }
}

void SymbolGridView::resizeEvent(QResizeEvent* event) {
    centreColumns();
    QListView::resizeEvent(event);
}

void SymbolGridView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Space) &&
        currentIndex().isValid()) {
        emit cellChosen(currentIndex());
        return;
    }
    QListView::keyPressEvent(event);
}

}  // namespace swivlo
