#pragma once

#include <map>
#include <memory>

#include "fakes/CallLog.h"
#include "platform/Application.h"
#include "platform/Events.h"
#include "platform/Popover.h"
#include "platform/StatusBar.h"

namespace swivlo::testing {

class FakeStatusItem : public StatusItem {
public:
    FakeStatusItem(CallLog& log, bool hasButton) : log_(log), hasButton_(hasButton) {}
    bool hasButton() const override { return hasButton_; }
    void setImage(const std::string& name) override;
    void setAction(std::function<void()> action) override;
    void setDoubleClickAction(std::function<void()> action) override {
        doubleClickAction_ = std::move(action);
    }
    void setMenu(std::vector<StatusMenuItem> items) override;
    QRect anchor() const override { return anchor_; }
    void setAnchor(QRect anchor) { anchor_ = anchor; }

    // What a click on the button does.
    void click();
    // The second press of a double click.
    void doubleClick() {
        if (doubleClickAction_) {
            doubleClickAction_();
        }
    }
    // The menu's titles in order, a separator as an empty title.
    std::vector<std::string> menuTitles() const;
    // Chooses the top-level menu entry with this title; false when there is none.
    bool chooseMenuItem(const std::string& title);

private:
    CallLog& log_;
    bool hasButton_;
    std::function<void()> action_;
    std::function<void()> doubleClickAction_;
    std::vector<StatusMenuItem> menu_;
    QRect anchor_{1000, 0, 24, 24};
};

class FakeStatusBar : public StatusBar {
public:
    explicit FakeStatusBar(CallLog& log) : log_(log) {}
    std::unique_ptr<StatusItem> statusItemWithLength(double length) override;

    bool giveButton = true;
    // The item last handed out (owned by whoever asked for it).
    FakeStatusItem* lastItem = nullptr;

private:
    CallLog& log_;
};

// Panel content of a fixed height, for tests that look at the panel and not at what it shows.
class FixedContent : public PanelController {
public:
    explicit FixedContent(double height = 200) : height_(height) {}
    double fittingHeight(double) override { return height_; }

private:
    double height_;
};

class FakePopover : public Popover {
public:
    explicit FakePopover(CallLog& log) : log_(log) {}
    void setBehavior(Behavior behavior) override;
    Behavior behavior() const override { return behavior_; }
    void setContentViewController(std::unique_ptr<PanelController> controller) override;
    void setContentSize(QSizeF size) override;
    QSizeF contentSize() const override { return size_; }
    void showAt(QRect anchor) override;
    void performClose() override;
    bool isShown() const override { return shown_; }

    PanelController* content() const { return content_.get(); }
    // Where it last opened.
    QRect anchor() const { return anchor_; }

private:
    CallLog& log_;
    Behavior behavior_ = Behavior::Transient;
    std::unique_ptr<PanelController> content_;
    QSizeF size_;
    QRect anchor_;
    bool shown_ = false;
};

class FakePopoverFactory : public PopoverFactory {
public:
    explicit FakePopoverFactory(CallLog& log) : log_(log) {}
    std::unique_ptr<Popover> makePopover() override;
    FakePopover* lastPopover = nullptr;

private:
    CallLog& log_;
};

// Monitors that tests feed events to by hand.
class FakeEventMonitors : public EventMonitors {
public:
    explicit FakeEventMonitors(CallLog& log) : log_(log) {}
    std::optional<MonitorToken> addGlobalMonitor(EventMask mask, GlobalHandler handler) override;
    std::optional<MonitorToken> addLocalMonitor(EventMask mask, LocalHandler handler) override;
    void removeMonitor(MonitorToken token) override;

    // Delivers an event from another application to every global monitor whose mask has it.
    void sendGlobal(const Event& event);
    // Runs the local monitors over an event for Swivlo's own windows; nothing means discarded.
    std::optional<Event> sendLocal(const Event& event);

    std::size_t globalCount() const { return global_.size(); }
    std::size_t localCount() const { return local_.size(); }
    // When false, adding a global monitor returns none (no X server, Wayland).
    bool globalAvailable = true;

private:
    CallLog& log_;
    GlobalMonitorMap global_;
    LocalMonitorMap local_;
    MonitorToken next_ = 1;
};

class FakeApplication : public Application, public Workspace {
public:
    explicit FakeApplication(CallLog& log) : log_(log) {}
    void activateIgnoringOtherApps() override { log_.record("app.activate"); }
    void terminate() override { log_.record("app.terminate"); }
    bool openURL(const std::string& url) override {
        log_.record("workspace.openURL " + url);
        return true;
    }

private:
    CallLog& log_;
};

}  // namespace swivlo::testing
