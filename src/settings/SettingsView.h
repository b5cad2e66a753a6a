#pragma once

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <optional>

#include "settings/SceneEditorModel.h"
#include "settings/SettingsMessages.h"
#include "settings/SettingsTab.h"
#include "settings/Updater.h"

class QFrame;
class QListWidget;
class QVBoxLayout;

namespace swivlo {

class SceneManager;
class SceneEditorView;

namespace settings {
class MessageArea;
}

// The settings window's content: the sidebar of tabs and the selected tab's view, which is
// built anew each time a tab is selected. Also presents the scene editor as a window-modal sheet.
class SettingsView : public QWidget {
    Q_OBJECT

public:
    SettingsView(SceneManager& manager, UpdaterFactory updaterFactory, QWidget* parent = nullptr);

    SettingsTab selectedTab() const { return selectedTab_; }
    void setSelectedTab(SettingsTab tab);
    QWidget* detailView() const { return detail_; }
    SettingsMessages& messages() { return messages_; }
    settings::MessageArea* messageArea() const { return messageArea_; }
    QListWidget* sidebar() const { return sidebar_; }

    const std::optional<SceneEditorTarget>& sceneEditorTarget() const { return sceneEditorTarget_; }
    // Shows the editor sheet for the target (the Scene tab's create and edit actions).
    void setSceneEditorTarget(SceneEditorTarget target);
    QDialog* sheet() const { return sheet_; }
    SceneEditorView* sceneEditor() const;

    static constexpr int sidebarMinimumWidth = 180;
    static constexpr int sidebarMaximumWidth = 220;
    static constexpr QSize minimumSize{680, 540};
    static constexpr QSize sheetMinimumSize{500, 450};

private:
    void restyle();
    void showDetail();
    void sheetDismissed();

    SceneManager& manager_;
    UpdaterFactory updaterFactory_;
    SettingsMessages messages_;
    SettingsTab selectedTab_ = SettingsTab::general;
    std::optional<SceneEditorTarget> sceneEditorTarget_;
    QListWidget* sidebar_;
    QFrame* divider_ = nullptr;
    settings::MessageArea* messageArea_ = nullptr;
    QVBoxLayout* detailColumn_ = nullptr;
    QWidget* detail_ = nullptr;
    QPointer<QDialog> sheet_;
};

}  // namespace swivlo
