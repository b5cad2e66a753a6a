#include "panel/StatusContent.h"

#include <set>

#include "core/Localized.h"
#include "core/Notifications.h"
#include "platform/Application.h"
#include "platform/MainQueue.h"
#include "platform/Preferences.h"
#include "scenes/SceneColor.h"
#include "scenes/SceneManager.h"
#include "switches/KeepAwakeTimer.h"
#include "switches/PanelItems.h"
#include "switches/SystemTools.h"
#include "ui/Appearance.h"

namespace swivlo {

namespace {
const QString sceneRowPrefix = QStringLiteral("scene_");

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}
}  // namespace

StatusContent::StatusContent(SceneManager& sceneManager, Openers openers, QObject* parent)
    : QObject(parent), sceneManager_(sceneManager), openers_(std::move(openers)) {
    alertObserver_ = NotificationCenter::defaultCenter().addObserver(
        Notification::showAccessibilityPermissionAlert, [this] {
            showPermissionAlert_ = true;
            emit changed();
        });
    connect(&sceneManager_, &SceneManager::scenesChanged, this, &StatusContent::changed);
    // A timed Keep Awake runs on while the panel is open: its time left moves, and at the end
    // it turns off without anyone touching the switch.
    auto& timer = KeepAwakeTimer::shared();
    connect(&timer, &KeepAwakeTimer::changed, this, [this] {
        if (KeepAwakeTimer::shared().remaining()) {
            states_[Capability::keepAwake] = true;
        }
        emit changed();
    });
    connect(&timer, &KeepAwakeTimer::expired, this, [this] {
        states_[Capability::keepAwake] = false;
        emit changed();
    });
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
void StatusContent::readStoredValues() {
    autoClosePanel();
    hiddenSwitchIDs();
    panelItemsOrder();
}

bool StatusContent::isOn(Capability capability) const {
    const auto it = states_.find(capability);
    return it != states_.end() && it->second;
}

Row StatusContent::switchRow(const Switch& entry) {
    Row row;
    row.id = text(entry.panelId);
    row.title = text(entry.title);
    row.systemImage = text(entry.symbol);
    row.tint = Appearance::shared().namedColor(text(entry.tint));
    row.caption = [&entry] { return SystemTools::shared().caption(entry); };
    if (entry.kind == Switch::Kind::toggle) {
        row.control = RowControl::toggle([this, &entry] { return isOn(*entry.capability); },
                                         [this, &entry](bool on) { setSwitch(entry, on); });
    } else {
        row.control = RowControl::button(localized(text(entry.actionTitle)),
                                         [this, &entry] { runAction(entry); });
    }
    return row;
}

std::vector<Row> StatusContent::visibleRows() {
    const std::set<std::string> hidden = PanelItems::idSet(hiddenSwitchIDs());
    auto& tools = SystemTools::shared();
    std::vector<Row> rows;
    for (const Switch* entry : PanelItems::orderedItems(panelItemsOrder())) {
        // What the host cannot do is left out, as a desktop's own quick settings do.
        if (!hidden.count(std::string(entry->panelId)) && tools.availability(*entry).available) {
            rows.push_back(switchRow(*entry));
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
    states_ = SystemTools::shared().readStates();
    emit changed();
}

void StatusContent::setSwitch(const Switch& entry, bool on) {
    NotificationCenter::defaultCenter().post(Notification::panelUsed);
    // A refused change (no automation permission) keeps the old position; the alert shows.
    if (SystemTools::shared().setSwitch(entry, on) == Change::done && entry.capability) {
        states_[*entry.capability] = on;
    }
    emit changed();
    closePanelIfNeeded();
}

void StatusContent::runAction(const Switch& entry) {
    NotificationCenter::defaultCenter().post(Notification::panelUsed);
    if (entry.capability) {
        SystemTools::shared().runAction(entry);
    } else if (openers_.startScreenCleaner) {
        // The one action that is the app's own window rather than the host's.
        openers_.startScreenCleaner();
    }
    closePanelIfNeeded();
}

void StatusContent::setSceneActive(const QUuid& sceneId, bool active) {
    NotificationCenter::defaultCenter().post(Notification::panelUsed);
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
    showPermissionAlert_ = false;
    emit changed();
}

}  // namespace swivlo
