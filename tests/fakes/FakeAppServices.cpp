#include "fakes/FakeAppServices.h"

#include <algorithm>
#include <cmath>

namespace swivlo::testing {

bool CallLog::contains(const std::string& line) const {
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

int CallLog::count(const std::string& line) const {
    return static_cast<int>(std::count(lines_.begin(), lines_.end(), line));
}

void FakeStatusItem::setImage(const std::string& name) {
    log_.record("statusItem.setImage " + name);
}

void FakeStatusItem::setAction(std::function<void()> action) {
    log_.record("statusItem.setAction");
    action_ = std::move(action);
}

void FakeStatusItem::setMenu(std::vector<StatusMenuItem> items) {
    log_.record("statusItem.setMenu");
    menu_ = std::move(items);
}

void FakeStatusItem::click() {
    if (action_) {
        action_();
    }
}

std::vector<std::string> FakeStatusItem::menuTitles() const {
    std::vector<std::string> titles;
    for (const auto& item : menu_) {
        titles.push_back(item.title);
    }
    return titles;
}

bool FakeStatusItem::chooseMenuItem(const std::string& title) {
    const auto found = std::find_if(menu_.begin(), menu_.end(), [&](const StatusMenuItem& item) {
        return item.title == title;
    });
    if (found == menu_.end() || !found->action) {
        return false;
    }
    found->action();
    return true;
}

std::unique_ptr<StatusItem> FakeStatusBar::statusItemWithLength(double length) {
    log_.record("statusBar.statusItemWithLength " + std::to_string(static_cast<int>(length)));
    auto item = std::make_unique<FakeStatusItem>(log_, giveButton);
    lastItem = item.get();
    return item;
}

void FakePopover::setBehavior(Behavior behavior) {
    behavior_ = behavior;
    log_.record("popover.setBehavior " + std::to_string(static_cast<int>(behavior)));
}

void FakePopover::setContentViewController(std::unique_ptr<PanelController> controller) {
    content_ = std::move(controller);
    log_.record("popover.setContentViewController");
}

void FakePopover::setContentSize(QSizeF size) {
    size_ = size;
    log_.record("popover.setContentSize " + std::to_string(std::lround(size.width())) + "x" +
                std::to_string(std::lround(size.height())));
}

void FakePopover::showAt(QRect anchor) {
    anchor_ = anchor;
    shown_ = true;
    log_.record("popover.show");
}

void FakePopover::performClose() {
    shown_ = false;
    log_.record("popover.performClose");
}

std::unique_ptr<Popover> FakePopoverFactory::makePopover() {
    log_.record("popover.create");
    auto popover = std::make_unique<FakePopover>(log_);
    lastPopover = popover.get();
    return popover;
}

std::optional<MonitorToken> FakeEventMonitors::addGlobalMonitor(EventMask mask,
                                                                GlobalHandler handler) {
    if (!globalAvailable) {
        log_.record("monitors.addGlobal " + std::to_string(mask) + " refused");
        return std::nullopt;
    }
    const MonitorToken token = next_++;
    global_[token] = {mask, std::move(handler)};
    log_.record("monitors.addGlobal " + std::to_string(mask));
    return token;
}

std::optional<MonitorToken> FakeEventMonitors::addLocalMonitor(EventMask mask,
                                                               LocalHandler handler) {
    const MonitorToken token = next_++;
    local_[token] = {mask, std::move(handler)};
    log_.record("monitors.addLocal " + std::to_string(mask));
    return token;
}

void FakeEventMonitors::removeMonitor(MonitorToken token) {
    const auto g = global_.find(token);
    if (g != global_.end()) {
        log_.record("monitors.remove " + std::to_string(g->second.first));
        global_.erase(g);
        return;
    }
    const auto l = local_.find(token);
    if (l != local_.end()) {
        log_.record("monitors.remove " + std::to_string(l->second.first));
        local_.erase(l);
    }
}

void FakeEventMonitors::sendGlobal(const Event& event) {
    deliverToGlobalMonitors(global_, event);
}

std::optional<Event> FakeEventMonitors::sendLocal(const Event& event) {
    return deliverToLocalMonitors(local_, event);
}

}  // namespace swivlo::testing
