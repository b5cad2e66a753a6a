#include "settings/SettingsView.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

#include "settings/AboutView.h"
#include "settings/GeneralSettingsView.h"
#include "settings/MessageArea.h"
#include "settings/SceneEditorView.h"
#include "settings/SceneSettingsView.h"
#include "settings/SettingsStyle.h"
#include "ui/Appearance.h"
#include "ui/SymbolProvider.h"

namespace swivlo {

using namespace settings;

namespace {

// The sidebar: a selectable list of tabs with their symbols, on the window's side colour.
QListWidget* makeSidebar(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("SettingsSidebar"));
    list->setFrameShape(QFrame::NoFrame);
    list->setMinimumWidth(SettingsView::sidebarMinimumWidth);
    list->setMaximumWidth(SettingsView::sidebarMaximumWidth);
    list->setIconSize(QSize(16, 16));
    list->setFont(settings::font(TextStyle::body));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const SettingsTab tab : allSettingsTabs) {
        auto* item = new QListWidgetItem(title(tab), list);
        item->setData(Qt::UserRole, static_cast<int>(tab));
        item->setSizeHint(QSize(0, 30));
    }
    return list;
}

// Colours and symbols of the sidebar for the current appearance.
void styleSidebar(QListWidget* list) {
    const bool dark = Appearance::shared().isDark();
    const QColor side = dark ? QColor(40, 40, 42) : QColor(226, 226, 228);
    const QColor selection = Appearance::withOpacity(Appearance::shared().palette().primary, 0.1);
    list->setStyleSheet(
        QStringLiteral("QListWidget { background: %1; padding: 10px 8px; outline: 0; }"
                       "QListWidget::item { padding: 5px 6px; border-radius: 6px; color: %2; "
                       "margin-bottom: 2px; }"
                       "QListWidget::item:selected { background: %3; color: %2; }")
            .arg(side.name(), labelColor().name(QColor::HexArgb), selection.name(QColor::HexArgb)));
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        const auto tab = static_cast<SettingsTab>(item->data(Qt::UserRole).toInt());
        item->setIcon(SymbolProvider::icon(symbolName(tab), accentColor()));
    }
}

}  // namespace

SettingsView::SettingsView(SceneManager& manager, UpdaterFactory updaterFactory, QWidget* parent)
    : QWidget(parent), manager_(manager), updaterFactory_(std::move(updaterFactory)) {
    setMinimumSize(minimumSize);
    setAutoFillBackground(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    sidebar_ = makeSidebar(this);
    layout->addWidget(sidebar_);
    divider_ = new QFrame(this);
    divider_->setFixedWidth(1);
    divider_->setAutoFillBackground(true);
    layout->addWidget(divider_);
    // The message sits above whichever tab is shown, so it stays in sight while tabs change.
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    // The strip's margins go with it: without a message the tab starts at the top.
    auto* messageStrip = new QWidget(this);
    messageArea_ = new settings::MessageArea(messages_, messageStrip);
    auto* messageRow = new QVBoxLayout(messageStrip);
    messageRow->setContentsMargins(20, 12, 20, 0);
    messageRow->addWidget(messageArea_);
    column->addWidget(messageStrip);
    const auto showStrip = [this, messageStrip] {
        messageStrip->setVisible(!messages_.text().isEmpty());
    };
    connect(&messages_, &SettingsMessages::changed, messageStrip, showStrip);
    showStrip();
    layout->addLayout(column, 1);
    detailColumn_ = column;
    restyle();
    // Tabs draw with the colours of the moment: rebuild the shown one when they change.
    connect(&Appearance::shared(), &Appearance::changed, this, [this] {
        restyle();
        showDetail();
    });

    sidebar_->setCurrentRow(0);
    connect(sidebar_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(allSettingsTabs.size())) {
            setSelectedTab(allSettingsTabs[row]);
        }
    });
    // A screen reader's "Toggle" on a tab only selects or deselects it, leaving the current row
    // alone: follow the selection as a click does, and keep the shown tab selected.
    connect(sidebar_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& added) {
                for (const QModelIndex& index : added.indexes()) {
                    if (index.row() != sidebar_->currentRow()) {
                        sidebar_->setCurrentRow(index.row());
                        return;
                    }
                }
                if (!sidebar_->selectionModel()->hasSelection()) {
                    sidebar_->setCurrentRow(sidebar_->currentRow());
                }
            });
    showDetail();
}

void SettingsView::restyle() {
    QPalette p = palette();
    p.setColor(QPalette::Window, windowBackgroundColor());
    setPalette(p);
    QPalette dp = divider_->palette();
    dp.setColor(QPalette::Window, separatorColor());
    divider_->setPalette(dp);
    styleSidebar(sidebar_);
}

void SettingsView::setSelectedTab(SettingsTab tab) {
    if (tab == selectedTab_ && detail_) {
        return;
    }
    selectedTab_ = tab;
    const int row = static_cast<int>(tab);
    if (sidebar_->currentRow() != row) {
        sidebar_->setCurrentRow(row);
    }
    showDetail();
}

void SettingsView::showDetail() {
    if (detail_) {
        detailColumn_->removeWidget(detail_);
        detail_->deleteLater();
        detail_->hide();
    }
    switch (selectedTab_) {
        case SettingsTab::general: {
            auto* general = new GeneralSettingsView(this);
            connect(general, &GeneralSettingsView::changeRefused, &messages_,
                    &SettingsMessages::post);
            detail_ = general;
            break;
        }
        case SettingsTab::scene:
            detail_ = new SceneSettingsView(
                manager_, [this] { setSceneEditorTarget(SceneEditorTarget::create()); },
                [this](const Scene& scene) {
                    setSceneEditorTarget(SceneEditorTarget::edit(scene));
                },
                this);
            break;
        case SettingsTab::about:
            detail_ = new AboutView(
                updaterFactory_ ? updaterFactory_() : std::make_unique<UnavailableUpdater>(), this);
            break;
    }
    detailColumn_->addWidget(detail_, 1);
    detail_->show();
}

void SettingsView::setSceneEditorTarget(SceneEditorTarget target) {
    if (sheet_) {
        return;  // one sheet at a time
    }
    sceneEditorTarget_ = std::move(target);
    auto* dialog = new QDialog(window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumSize(sheetMinimumSize);
    dialog->resize(540, 600);
    auto* editor = new SceneEditorView(manager_, sceneEditorTarget_->scene, dialog);
    editor->setObjectName(QStringLiteral("SceneEditor"));
    dialog->setWindowTitle(editor->model().title());
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor);
    connect(editor, &SceneEditorView::dismissed, dialog, &QDialog::close);
    connect(dialog, &QDialog::finished, this, [this] { sheetDismissed(); });
    connect(dialog, &QObject::destroyed, this, [this] { sheetDismissed(); });
    sheet_ = dialog;
    dialog->open();
}

SceneEditorView* SettingsView::sceneEditor() const {
    return sheet_ ? sheet_->findChild<SceneEditorView*>() : nullptr;
}

void SettingsView::sheetDismissed() {
    sceneEditorTarget_.reset();
}

}  // namespace swivlo
