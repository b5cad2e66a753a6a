#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "settings/Updater.h"

namespace swivlo {

class SceneManager;
class SettingsView;

// Owns the one settings window: opens it, or brings it to the front when it is open, and
// forgets it when it closes, so the next opening starts afresh on the General tab.
class SettingsWindowController : public QObject {
    Q_OBJECT

public:
    // The process's controller, created on first use.
    static SettingsWindowController& shared();

    // `manager` null: the shared scene store.
    explicit SettingsWindowController(SceneManager* manager = nullptr, QObject* parent = nullptr);
    ~SettingsWindowController() override;

    void showSettings();
    // The window's close notification; any other window is ignored.
    void windowWillClose(QWidget* window);

    // The open settings window, or none.
    QWidget* window() const { return window_; }
    SettingsView* settingsView() const;

    // Makes the updater of each About page; none: there is no update framework.
    UpdaterFactory updaterFactory;

    static constexpr QSize contentSize{680, 540};

private:
    SceneManager* manager_;
    QPointer<QWidget> window_;
};

}  // namespace swivlo
