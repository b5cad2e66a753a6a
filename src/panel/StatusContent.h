#pragma once

#include <QObject>
#include <QString>
#include <QUuid>
#include <functional>
#include <string>
#include <vector>

#include "panel/Row.h"
#include "platform/NotificationCenter.h"
#include "platform/SystemHost.h"

namespace swivlo {

class SceneManager;
struct Scene;
struct Switch;

// What the menu bar panel shows and does: a row per catalogue switch the host can do, in the
// user's order, their on/off state as read from the host, the row actions, the scene rows, the
// footer and the permission alert. Built afresh each time the panel opens; widgets draw it and
// forward the user's input.
class StatusContent : public QObject {
    Q_OBJECT

public:
    static constexpr double closeDelaySeconds = 0.15;
    static inline const std::string accessibilitySettingsURL =
        "x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility";

    // What the buttons open: the app's screen cleaner and settings window, wired by the
    // application, which sits above both.
    struct Openers {
        std::function<void()> startScreenCleaner;
        std::function<void()> showSettings;
    };

    StatusContent(SceneManager& sceneManager, Openers openers, QObject* parent = nullptr);
    ~StatusContent() override;

    // The position of a toggle's switch; off until the states are read.
    bool isOn(Capability capability) const;
    bool showPermissionAlert() const { return showPermissionAlert_; }

    // Read from the preferences at every draw.
    static bool autoClosePanel();
    static std::string hiddenSwitchIDs();
    static std::string panelItemsOrder();
    // Reads all three, so a stored value the panel cannot use is reported before it first opens.
    static void readStoredValues();

    // The switch rows ordered by "panelItemsOrder", without those in "hiddenSwitchIDs" and those
    // the host cannot do.
    std::vector<Row> visibleRows();
    // One row per stored scene, in stored order.
    std::vector<Row> sceneRows();
    bool hasScenes() const;

    // Reads every toggle's state from the host, in one call.
    void loadSwitchStates();

    // A toggle row's switch, and an action row's button.
    void setSwitch(const Switch& entry, bool on);
    void runAction(const Switch& entry);
    void setSceneActive(const QUuid& sceneId, bool active);

    void openSettings();
    void quit();

    // Either alert button dismisses the alert; the second also opens the system settings.
    void dismissPermissionAlert(bool openSettings);

signals:
    // Something the view draws changed: a switch position, the alert, or the scenes.
    void changed();

private:
    Row switchRow(const Switch& entry);
    void closePanelIfNeeded();

    SceneManager& sceneManager_;
    Openers openers_;
    NotificationCenter::Token alertObserver_ = 0;

    SwitchStates states_;
    bool showPermissionAlert_ = false;
};

}  // namespace swivlo
