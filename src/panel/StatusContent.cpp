#include "panel/StatusContent.h"

#include <set>

#include "app/Notifications.h"
#include "app/PanelItems.h"
#include "app/PreferencesKeys.h"
#include "panel/Appearance.h"
#include "panel/PanelText.h"
#include "platform/Application.h"
#include "platform/MainQueue.h"
#include "scenes/SceneColor.h"
#include "scenes/SceneManager.h"
#include "switches/SystemTools.h"

namespace swivlo {

namespace {
const QString sceneRowPrefix = QStringLiteral("scene_");
}

StatusContent::StatusContent(SceneManager& sceneManager, Openers openers, QObject* parent)
    : QObject(parent), sceneManager_(sceneManager), openers_(std::move(openers)) {
    alertObserver_ = NotificationCenter::defaultCenter().addObserver(
        Notification::showAccessibilityPermissionAlert, [this] {
            showPermissionAlert_ = true;
            emit changed();
        });
    connect(&sceneManager_, &SceneManager::scenesChanged, this, &StatusContent::changed);
    // Read now, though used only after an action, so a stored value the panel cannot use is
    // reported when the panel is first built at start.
    autoClosePanel();
}

StatusContent::~StatusContent() {
    NotificationCenter::defaultCenter().removeObserver(alertObserver_);
}

bool StatusContent::autoClosePanel() {
    return Preferences::autoClosePanel();
}
std::string StatusContent::hiddenSwitchIDs() {
    return Preferences::hiddenSwitchIDs();
}
std::string StatusContent::panelItemsOrder() {
    return Preferences::panelItemsOrder();
}

Row StatusContent::switchRow(const PanelItems::Item& item) {
    const std::string& id = item.id;
    Row row;
    row.id = QString::fromStdString(item.id);
    row.title = QString::fromStdString(item.title);
    row.systemImage = QString::fromStdString(item.systemImage);
    row.tint = Appearance::shared().namedColor(QString::fromStdString(item.tint));

    auto toggle = [this](const bool& field, void (StatusContent::*set)(bool)) {
        return RowControl::toggle([&field] { return field; },
                                  [this, set](bool on) { (this->*set)(on); });
    };
    if (id == "hide_desktop") {
        row.control = toggle(hideDesktop_, &StatusContent::setHideDesktop);
    } else if (id == "hide_widgets") {
        row.control = toggle(hideWidgets_, &StatusContent::setHideWidgets);
    } else if (id == "auto_hide_dock") {
        row.control = toggle(autoHideDock_, &StatusContent::setAutoHideDock);
    } else if (id == "stage_manager") {
        row.control = toggle(stageManagerEnabled_, &StatusContent::setStageManager);
    } else if (id == "hide_all_windows") {
        row.control =
            RowControl::button(localizedText(QStringLiteral("Hide")), [this] { hideAllWindows(); });
    } else if (id == "dark_mode") {
        row.control = toggle(darkModeEnabled_, &StatusContent::setDarkMode);
    } else if (id == "keep_awake") {
        row.control = toggle(keepAwakeEnabled_, &StatusContent::setKeepAwake);
    } else {
        row.control = RowControl::button(localizedText(QStringLiteral("Start")),
                                         [this] { startScreenCleaner(); });
    }
    return row;
}

std::vector<Row> StatusContent::visibleRows() {
    const std::set<std::string> hidden = PanelItems::idSet(hiddenSwitchIDs());
    std::vector<Row> rows;
    for (const auto& item : PanelItems::orderedItems(panelItemsOrder())) {
        if (!hidden.count(item.id)) {
            rows.push_back(switchRow(item));
        }
    }
    return rows;
}

bool StatusContent::hasScenes() const {
    return !sceneManager_.scenes().empty();
}

std::vector<Row> StatusContent::sceneRows() {
    std::vector<Row> rows;
    const bool dark = Appearance::shared().isDark();
    for (const Scene& scene : sceneManager_.scenes()) {
        const QUuid id = scene.id;
        Row row;
        row.id = sceneRowPrefix + QString::fromStdString(sceneIdString(id));
        row.title = QString::fromStdString(scene.name);
        row.systemImage = QString::fromStdString(scene.icon);
        row.tint = resolveSceneColor(scene.color, dark);
        row.control = RowControl::toggle(
            [this, id] {
                const Scene* stored = sceneManager_.findScene(id);
                return stored && stored->isActive;
            },
            [this, id](bool on) { setSceneActive(id, on); });
        rows.push_back(std::move(row));
    }
    return rows;
}

void StatusContent::loadSwitchStates() {
    auto& tools = SystemTools::shared();
    hideDesktop_ = !tools.isDesktopIconsVisible();
    hideWidgets_ = tools.isWidgetsHidden();
    autoHideDock_ = tools.isDockAutoHidden();
    stageManagerEnabled_ = tools.isStageManagerEnabled();
    darkModeEnabled_ = tools.isDarkModeEnabled();
    keepAwakeEnabled_ = tools.isKeepAwakeRunning();
    emit changed();
}

void StatusContent::setField(bool& field, bool value) {
    field = value;
    emit changed();
}

void StatusContent::setHideDesktop(bool on) {
    setField(hideDesktop_, on);
    SystemTools::shared().setDesktopIconsVisible(!on);
    closePanelIfNeeded();
}

void StatusContent::setHideWidgets(bool on) {
    setField(hideWidgets_, on);
    SystemTools::shared().setWidgetsHidden(on);
    closePanelIfNeeded();
}

void StatusContent::setAutoHideDock(bool on) {
    auto& tools = SystemTools::shared();
    tools.setDockAutoHide(on);
    // Refused for lack of permission: the switch keeps its old position (and the alert shows).
    setField(autoHideDock_, tools.lastPermissionDenied() ? autoHideDock_ : on);
    closePanelIfNeeded();
}

void StatusContent::setStageManager(bool on) {
    setField(stageManagerEnabled_, on);
    SystemTools::shared().setStageManagerEnabled(on);
    closePanelIfNeeded();
}

void StatusContent::hideAllWindows() {
    SystemTools::shared().hideAllWindows();
    closePanelIfNeeded();
}

void StatusContent::setDarkMode(bool on) {
    auto& tools = SystemTools::shared();
    tools.setDarkMode(on);
    setField(darkModeEnabled_, tools.lastPermissionDenied() ? darkModeEnabled_ : on);
    closePanelIfNeeded();
}

void StatusContent::setKeepAwake(bool on) {
    setField(keepAwakeEnabled_, on);
    SystemTools::shared().setKeepAwake(on);
    closePanelIfNeeded();
}

void StatusContent::startScreenCleaner() {
    if (openers_.startScreenCleaner) {
        openers_.startScreenCleaner();
    }
    closePanelIfNeeded();
}

void StatusContent::setSceneActive(const QUuid& sceneId, bool active) {
    const Scene* found = sceneManager_.findScene(sceneId);
    if (!found) {
        return;
    }
    // A copy: activating rewrites the stored list.
    const Scene stored = *found;
    if (active) {
        sceneManager_.activateScene(stored);
    } else if (stored.isActive) {
        sceneManager_.deactivateScene(stored);
    }
    // Scene toggles leave the panel open whatever "autoClosePanel" says.
    loadSwitchStates();
}

void StatusContent::closePanelIfNeeded() {
    if (!autoClosePanel()) {
        return;
    }
    mainQueue().asyncAfter(closeDelaySeconds, [] {
        NotificationCenter::defaultCenter().post(Notification::requestClosePopover);
    });
}

void StatusContent::openSettings() {
    if (openers_.showSettings) {
        openers_.showSettings();
    }
}

void StatusContent::quit() {
    application().terminate();
}

void StatusContent::dismissPermissionAlert(bool openSettings) {
    if (openSettings) {
        workspace().openURL(accessibilitySettingsURL);
    }
    setField(showPermissionAlert_, false);
}

}  // namespace swivlo
