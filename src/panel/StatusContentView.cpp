#include "panel/StatusContentView.h"

#include <QVBoxLayout>

#include "panel/Appearance.h"
#include "panel/HoverableFooterButton.h"
#include "panel/HoverableRowView.h"
#include "panel/PanelSections.h"
#include "panel/PermissionAlertView.h"
#include "scenes/SceneManager.h"

namespace swivlo {

namespace {
constexpr int verticalPadding = 10;
constexpr int footerTopPadding = 10;
constexpr int sceneHeaderExtraPadding = 4;
}  // namespace

StatusContentView::StatusContentView(SceneManager& sceneManager, StatusContent::Openers openers,
                                     QWidget* parent)
    : QWidget(parent), content_(sceneManager, std::move(openers)) {
    setFixedWidth(panelWidth);
    auto* root = new QVBoxLayout(this);
    root->setSpacing(0);
    root->setContentsMargins(0, verticalPadding, 0, verticalPadding);

    area_ = new QVBoxLayout;
    area_->setSpacing(0);
    area_->setContentsMargins(0, 0, 0, 0);
    root->addLayout(area_);
    root->addSpacing(footerTopPadding);

    auto* footer = new PanelFooter(this);
    root->addWidget(footer);
    connect(footer, &PanelFooter::settingsRequested, this, [this] { content_.openSettings(); });
    connect(footer, &PanelFooter::quitRequested, this, [this] { content_.quit(); });

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
    rebuildRows();
}

void StatusContentView::rebuildRows() {
    if (rowsHolder_) {
        area_->removeWidget(rowsHolder_);
        rowsHolder_->hide();
        rowsHolder_->deleteLater();
    }
    rowViews_.clear();
    rowsHolder_ = new QWidget(this);
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
    area_->addWidget(rowsHolder_);
    alert_->raise();
    updateGeometry();
}

void StatusContentView::contentChanged() {
    for (HoverableRowView* view : rowViews_) {
        view->refresh();
    }
    if (content_.showPermissionAlert() && !alert_->isPresented()) {
        alert_->present();
    } else if (!content_.showPermissionAlert() && alert_->isPresented()) {
        alert_->dismiss();
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
