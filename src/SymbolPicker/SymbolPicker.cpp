#include "SymbolPicker/SymbolPicker.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "SymbolPicker/PickerButtons.h"
#include "SymbolPicker/ResourceBundle.h"
#include "SymbolPicker/SymbolGridView.h"
#include "ui/Appearance.h"

namespace swivlo {

namespace {

// A one-pixel rule in the separator colour.
class Divider : public QWidget {
public:
    explicit Divider(QWidget* parent) : QWidget(parent) { setFixedHeight(1); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Appearance::shared().palette().separator);
    }
};

// Down arrow in the search field moves on to the grid, so the keyboard can reach the symbols.
class SearchKeys : public QObject {
public:
    SearchKeys(QLineEdit* field, SymbolGridView* grid) : QObject(field), grid_(grid) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Down ||
            grid_->model()->rowCount() == 0) {
            return false;
        }
        grid_->setFocus(Qt::TabFocusReason);
        grid_->setCurrentIndex(grid_->model()->index(0, 0));
        return true;
    }

private:
    SymbolGridView* grid_;
};

}  // namespace

SymbolPicker::SymbolPicker(Binding<QString> symbol, std::vector<SymbolCategory> categories,
                           QWidget* parent, SymbolList catalogue)
    : QDialog(parent),
      model_(new SymbolPickerModel(std::move(symbol), std::move(categories), std::move(catalogue),
                                   this)) {
    build();
}

SymbolPicker::SymbolPicker(Binding<std::optional<QString>> symbol,
                           std::vector<SymbolCategory> categories, QWidget* parent,
                           SymbolList catalogue)
    : QDialog(parent),
      model_(new SymbolPickerModel(std::move(symbol), std::move(categories), std::move(catalogue),
                                   this)) {
    build();
}

void SymbolPicker::build() {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(pickerLocalizedString(QStringLiteral("search_placeholder")));
    setFixedSize(kWidth, kHeight);
    setAccessibleName(QStringLiteral("Symbol Picker"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* searchBar = new QHBoxLayout;
    searchBar->setContentsMargins(16, 12, 16, 12);
    searchBar->setSpacing(8);
    search_ = new QLineEdit(this);
    search_->setFrame(false);
    search_->setFont(Appearance::font(18));
    search_->setPlaceholderText(pickerLocalizedString(QStringLiteral("search_placeholder")));
    search_->setAccessibleName(search_->placeholderText());
    search_->setAttribute(Qt::WA_MacShowFocusRect, false);
    search_->setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    search_->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    searchBar->addWidget(search_, 1, Qt::AlignVCenter);
    close_ = new SymbolIconButton(QStringLiteral("xmark.circle.fill"), 16, this);
    close_->setAccessibleName(QStringLiteral("Close"));
    searchBar->addWidget(close_, 0, Qt::AlignVCenter);
    column->addLayout(searchBar);
    column->addWidget(new Divider(this));

    grid_ = new SymbolGridView(this);
    grid_->setModel(model_->grid());
    column->addWidget(grid_, 1);
    new SearchKeys(search_, grid_);

    if (model_->nullable()) {
        removeRow_ = new QWidget(this);
        auto* rowColumn = new QVBoxLayout(removeRow_);
        rowColumn->setContentsMargins(0, 0, 0, 0);
        rowColumn->setSpacing(0);
        rowColumn->addWidget(new Divider(removeRow_));
        auto* row = new QHBoxLayout;
        row->setContentsMargins(16, 8, 16, 8);
        row->addStretch(1);
        remove_ = new RemoveSymbolButton(pickerLocalizedString(QStringLiteral("remove_symbol")),
                                         removeRow_);
        row->addWidget(remove_, 0, Qt::AlignVCenter);
        rowColumn->addLayout(row);
        column->addWidget(removeRow_);
        connect(remove_, &QAbstractButton::clicked, model_, &SymbolPickerModel::removeSymbol);
    }
    refreshRemoveRow();

    connect(search_, &QLineEdit::textChanged, model_, &SymbolPickerModel::setSearchText);
    connect(close_, &QAbstractButton::clicked, model_, &SymbolPickerModel::close);
    connect(grid_, &SymbolGridView::cellChosen, this, [this](const QModelIndex& index) {
        model_->choose(model_->grid()->nameAt(index.row()));
    });
    connect(model_, &SymbolPickerModel::dismissRequested, this, &QDialog::accept);
    connect(&Appearance::shared(), &Appearance::changed, this, [this] {
        update();
        grid_->viewport()->update();
    });
}

void SymbolPicker::refreshRemoveRow() {
    if (removeRow_) {
        removeRow_->setVisible(model_->showsRemoveRow());
    }
}

void SymbolPicker::presentOverParent() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    // Like a sheet: centred on the parent window, near its top edge, kept on its screen.
    if (QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect frame = owner->geometry();
        QPoint topLeft(frame.center().x() - kWidth / 2, frame.top() + 28);
        if (const QScreen* screen = owner->screen()) {
            const QRect area = screen->availableGeometry();
            topLeft.setX(std::clamp(topLeft.x(), area.left(), area.right() - kWidth));
            topLeft.setY(std::clamp(topLeft.y(), area.top(), area.bottom() - kHeight));
        }
        move(topLeft);
    }
    open();
}

void SymbolPicker::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    search_->setFocus(Qt::OtherFocusReason);
}

void SymbolPicker::paintEvent(QPaintEvent*) {
    // The host draws a translucent material here; without a compositor, a soft vertical
    // gradient of the panel colour gives the same frosted impression.
    const PanelPalette& palette = Appearance::shared().palette();
    QPainter painter(this);
    QLinearGradient material(0, 0, 0, height());
    material.setColorAt(0,
                        palette.panelBackground.lighter(Appearance::shared().isDark() ? 112 : 102));
    material.setColorAt(1,
                        palette.panelBackground.darker(Appearance::shared().isDark() ? 100 : 102));
    painter.fillRect(rect(), material);
    painter.setPen(palette.separator);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace swivlo
