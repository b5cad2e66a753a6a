#include "panel/StatusContentView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "panel/HoverableFooterButton.h"
#include "panel/HoverableRowView.h"
#include "panel/PanelSections.h"
#include "panel/PermissionAlertView.h"
#include "scenes/SceneManager.h"
#include "ui/Appearance.h"

namespace swivlo {

namespace {

constexpr int verticalPadding = 10;
constexpr int sceneHeaderExtraPadding = 4;
// Room kept around a row that takes the focus, so Tab scrolls it fully into view.
constexpr int focusScrollMargin = 8;

// A scroll area that asks for all the room its rows need: the panel is only shorter than
// that when the screen is.
class RowsScrollArea : public QScrollArea {
public:
    explicit RowsScrollArea(QWidget* parent) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFocusPolicy(Qt::NoFocus);
        viewport()->setAutoFillBackground(false);
        verticalScrollBar()->setStyleSheet(QStringLiteral(
            "QScrollBar:vertical { width: 8px; background: transparent; margin: 2px 2px 2px 0; }"
            "QScrollBar::handle:vertical { min-height: 24px; border-radius: 3px;"
            " background: rgba(128, 128, 128, 140); }"
            "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    }

    QSize sizeHint() const override { return widget() ? widget()->sizeHint() : QSize(); }
    QSize minimumSizeHint() const override { return {0, 0}; }
};

}  // namespace

StatusContentView::StatusContentView(SceneManager& sceneManager, StatusContent::Openers openers,
                                     QWidget* parent)
    : QWidget(parent), content_(sceneManager, std::move(openers)) {
    setFixedWidth(panelWidth);
    auto* root = new QVBoxLayout(this);
    root->setSpacing(0);
    root->setContentsMargins(0, verticalPadding, 0, verticalPadding);

    scroll_ = new RowsScrollArea(this);
    auto* rowsArea = new QWidget;
    area_ = new QVBoxLayout(rowsArea);
    area_->setSpacing(0);
    area_->setContentsMargins(0, 0, 0, 0);
    // Rows stay at the top when the panel is taller than they need (while the alert shows).
    area_->addStretch(1);
    scroll_->setWidget(rowsArea);
    rowsArea->setAutoFillBackground(false);
    root->addWidget(scroll_, 1);

    alert_ = new PermissionAlertView(this);
    connect(alert_, &PermissionAlertView::ignoreRequested, this,
            [this] { content_.dismissPermissionAlert(false); });
    connect(alert_, &PermissionAlertView::openSettingsRequested, this,
            [this] { content_.dismissPermissionAlert(true); });

    connect(&content_, &StatusContent::changed, this, &StatusContentView::contentChanged);
    // Rows hold their tint and the scene list: rebuild them, outside any row's own click.
    connect(&sceneManager, &SceneManager::scenesChanged, this, &StatusContentView::rebuildRows,
            Qt::QueuedConnection);
    connect(&Appearance::shared(), &Appearance::changed, this, &StatusContentView::rebuildRows,
            Qt::QueuedConnection);
    // A row reached with Tab scrolls into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && scroll_->widget()->isAncestorOf(now)) {
            scroll_->ensureWidgetVisible(now, 0, focusScrollMargin);
        }
    });
    rebuildRows();
}

QSize StatusContentView::sizeHint() const {
    QSize hint = QWidget::sizeHint();
    if (alert_->isPresented()) {
        hint.setHeight(std::max(hint.height(), alert_->fittingHeight()));
    }
    return hint;
}

void StatusContentView::rebuildRows() {
    // What had the focus takes it back once rebuilt, the way it had it: a row by its id.
    QString focusedId;
    Qt::FocusReason focusReason = Qt::OtherFocusReason;
    for (const HoverableRowView* view : rowViews_) {
        if (view->control()->hasFocus()) {
            focusedId = view->row().id;
            focusReason = view->focusReason();
        }
    }
    QAbstractButton* focusedFooterButton = nullptr;
    if (footer_ && footer_->isAncestorOf(QApplication::focusWidget())) {
        focusedFooterButton = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    }

    QWidget* oldRows = rowsHolder_;
    rowViews_.clear();
    rowsHolder_ = new QWidget(scroll_->widget());
    auto* layout = new QVBoxLayout(rowsHolder_);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    auto addCard = [&](const std::vector<Row>& rows) {
        auto* card = new PanelCard(rowsHolder_);
        for (const Row& row : rows) {
            auto* view = new HoverableRowView(row, card);
            card->addRow(view);
            rowViews_.push_back(view);
        }
        layout->addWidget(card);
    };
    const bool withScenes = content_.hasScenes();
    if (withScenes) {
        layout->addWidget(new SectionHeader(QStringLiteral("Quick Switches"), 0, rowsHolder_));
    }
    addCard(content_.visibleRows());
    if (withScenes) {
        layout->addWidget(
            new SectionHeader(QStringLiteral("Scenes"), sceneHeaderExtraPadding, rowsHolder_));
        addCard(content_.sceneRows());
    }
    area_->insertWidget(0, rowsHolder_);

    // The footer is built after the rows, so Tab walks the rows in the order shown and then
    // the footer. It brings its own padding above it.
    PanelFooter* oldFooter = footer_;
    footer_ = new PanelFooter(this);
    if (oldFooter) {
        static_cast<QVBoxLayout*>(this->layout())->replaceWidget(oldFooter, footer_);
    } else {
        this->layout()->addWidget(footer_);
    }
    connect(footer_, &PanelFooter::settingsRequested, this, [this] { content_.openSettings(); });
    connect(footer_, &PanelFooter::quitRequested, this, [this] { content_.quit(); });

    for (HoverableRowView* view : rowViews_) {
        if (!focusedId.isEmpty() && view->row().id == focusedId) {
            view->control()->setFocus(focusReason);
        }
    }
    if (focusedFooterButton) {
        (focusedFooterButton == oldFooter->settingsButton() ? footer_->settingsButton()
                                                            : footer_->quitButton())
            ->setFocus(Qt::OtherFocusReason);
    }
    // Only now: hiding the old widgets while one of them had the focus would pass it on.
    for (QWidget* old : {oldRows, static_cast<QWidget*>(oldFooter)}) {
        if (old) {
            old->hide();
            old->deleteLater();
        }
    }
    if (oldRows) {
        area_->removeWidget(oldRows);
    }
    alert_->raise();
    updateGeometry();
}

void StatusContentView::contentChanged() {
    for (HoverableRowView* view : rowViews_) {
        view->refresh();
    }
    const bool wanted = content_.showPermissionAlert();
    if (wanted != alert_->isPresented()) {
        if (wanted) {
            alert_->present();
        } else {
            alert_->dismiss();
        }
        // The panel grows to hold the alert, and shrinks back after.
        updateGeometry();
    }
}

void StatusContentView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The panel is built afresh for every opening: read the host once it appears.
    if (!statesLoaded_) {
        statesLoaded_ = true;
        content_.loadSwitchStates();
    }
}

}  // namespace swivlo
