#include "settings/SettingsView.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

#include "settings/AboutView.h"
#include "settings/GeneralSettingsView.h"
#include "settings/SceneEditorView.h"
#include "settings/SceneSettingsView.h"
#include "settings/SettingsStyle.h"

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
    list->setStyleSheet(
        QStringLiteral("QListWidget { background: %1; padding: 10px 8px; outline: 0; }"
                       "QListWidget::item { padding: 5px 6px; border-radius: 6px; color: %2; "
                       "margin-bottom: 2px; }"
                       "QListWidget::item:selected { background: %3; color: %2; }")
            .arg(QColor(226, 226, 228).name(), labelColor().name(QColor::HexArgb),
                 QColor(0, 0, 0, 26).name(QColor::HexArgb)));
    for (const SettingsTab tab : allSettingsTabs) {
        const QPixmap pixmap = symbolPixmap(symbolName(tab), 16, accentColor(), 2.0);
        auto* item = new QListWidgetItem(QIcon(pixmap), title(tab), list);
        item->setData(Qt::UserRole, static_cast<int>(tab));
        item->setSizeHint(QSize(0, 30));
    }
    return list;
}

}  // namespace

SettingsView::SettingsView(SceneManager& manager, UpdaterFactory updaterFactory, QWidget* parent)
    : QWidget(parent), manager_(manager), updaterFactory_(std::move(updaterFactory)) {
    setMinimumSize(minimumSize);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, windowBackgroundColor());
    setPalette(p);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    sidebar_ = makeSidebar(this);
    layout->addWidget(sidebar_);
    auto* divider = new QFrame(this);
    divider->setFixedWidth(1);
    divider->setAutoFillBackground(true);
    QPalette dp = divider->palette();
    dp.setColor(QPalette::Window, separatorColor());
    divider->setPalette(dp);
    layout->addWidget(divider);

    sidebar_->setCurrentRow(0);
    connect(sidebar_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(allSettingsTabs.size())) {
            setSelectedTab(allSettingsTabs[row]);
        }
    });
    showDetail();
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
        layout()->removeWidget(detail_);
        detail_->deleteLater();
        detail_->hide();
    }
    switch (selectedTab_) {
        case SettingsTab::general:
            detail_ = new GeneralSettingsView(this);
            break;
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
    static_cast<QHBoxLayout*>(layout())->addWidget(detail_, 1);
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
