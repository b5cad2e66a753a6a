#pragma once

#include <QDBusConnection>
#include <QObject>
#include <memory>
#include <optional>

#include "platform/StatusBar.h"
#include "platform/tray/TrayIcon.h"
#include "platform/tray/TrayPlacement.h"

class QDBusServiceWatcher;

namespace swivlo::tray {

// The status item in whatever tray the session has: Swivlo's own StatusNotifierItem while a
// StatusNotifierWatcher with a host is on the bus, else the XEmbed icon; it follows the watcher
// as it comes, goes and comes back. With no tray at all shortly after start, it says so once
// (a log line and a desktop notification).
class TrayStatusItem : public QObject, public StatusItem {
    Q_OBJECT

public:
    // Seconds a tray has to come up after Swivlo before Swivlo says there is none.
    static constexpr int noTrayGraceMs = 3000;

    TrayStatusItem();
    ~TrayStatusItem() override;
    bool hasButton() const override { return icon_ && icon_->isVisible(); }
    void setImage(const std::string& name) override;
    void setAction(std::function<void()> action) override;
    void setDoubleClickAction(std::function<void()> action) override;
    void setMenu(std::vector<StatusMenuItem> items) override;
    QRect anchor() const override;

private slots:
    void hostRegistered();

private:
    // Reads the bus and shows the icon the tray there takes.
    void follow();
    void show(TrayKind kind);
    void clicked(QRect where);
    void tellNoTray();

    QDBusConnection bus_;
    QDBusServiceWatcher* watcher_ = nullptr;
    std::unique_ptr<TrayIcon> icon_;
    std::optional<TrayKind> kind_;
    QIcon image_;
    std::vector<StatusMenuItem> menu_;
    std::function<void()> action_;
    std::function<void()> doubleClickAction_;
    std::optional<QRect> lastClick_;
};

class TrayStatusBar : public StatusBar {
public:
    std::unique_ptr<StatusItem> statusItemWithLength(double length) override;
};

}  // namespace swivlo::tray
