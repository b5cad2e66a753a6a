#pragma once

#include <QObject>
#include <QString>
#include <QUuid>
#include <functional>
#include <string>
#include <vector>

#include "app/PanelItems.h"
#include "panel/Row.h"
#include "platform/NotificationCenter.h"

namespace swivlo {

class SceneManager;
struct Scene;

// What the menu bar panel shows and does: the switch rows in the user's order, their on/off
// state as read from the host, the row actions, the scene rows, the footer and the permission
// alert. Built afresh each time the panel opens; widgets draw it and forward the user's input.
class StatusContent : public QObject {
    Q_OBJECT

public:
    static constexpr double closeDelaySeconds = 0.15;
    static inline const std::string accessibilitySettingsURL =
        "x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility";

    // What the buttons open; by default the process's screen cleaner and settings window.
    struct Openers {
        std::function<void()> startScreenCleaner;
        std::function<void()> showSettings;
    };
    static Openers defaultOpeners();

    explicit StatusContent(SceneManager& sceneManager, Openers openers = defaultOpeners(),
                           QObject* parent = nullptr);
    ~StatusContent() override;

    bool hideDesktop() const { return hideDesktop_; }
    bool hideWidgets() const { return hideWidgets_; }
    bool autoHideDock() const { return autoHideDock_; }
    bool stageManagerEnabled() const { return stageManagerEnabled_; }
    bool darkModeEnabled() const { return darkModeEnabled_; }
    bool keepAwakeEnabled() const { return keepAwakeEnabled_; }
    bool showPermissionAlert() const { return showPermissionAlert_; }

    // Read from the preferences at every draw.
    static bool autoClosePanel();
    static std::string hiddenSwitchIDs();
    static std::string panelItemsOrder();

    // The eight switch rows ordered by "panelItemsOrder" without those in "hiddenSwitchIDs".
    std::vector<Row> visibleRows();
    // One row per stored scene, in stored order.
    std::vector<Row> sceneRows();
    bool hasScenes() const;

    // Reads every switch's state from the host, in the panel's fixed order.
    void loadSwitchStates();

    void setHideDesktop(bool on);
    void setHideWidgets(bool on);
    void setAutoHideDock(bool on);
    void setStageManager(bool on);
    void hideAllWindows();
    void setDarkMode(bool on);
    void setKeepAwake(bool on);
    void startScreenCleaner();
    void setSceneActive(const QUuid& sceneId, bool active);

    void openSettings();
    void quit();

    // Either alert button dismisses the alert; the second also opens the system settings.
    void dismissPermissionAlert(bool openSettings);

signals:
    // Something the view draws changed: a switch position, the alert, or the scenes.
    void changed();

private:
    Row switchRow(const PanelItems::Item& item);
    void closePanelIfNeeded();
    void setField(bool& field, bool value);

    SceneManager& sceneManager_;
    Openers openers_;
    NotificationCenter::Token alertObserver_ = 0;

    bool hideDesktop_ = false;
    bool hideWidgets_ = false;
    bool autoHideDock_ = false;
    bool stageManagerEnabled_ = false;
    bool darkModeEnabled_ = false;
    bool keepAwakeEnabled_ = false;
    bool showPermissionAlert_ = false;
};

}  // namespace swivlo
