#pragma once

#include <QLabel>
#include <QWidget>

#include "settings/GeneralSettings.h"

namespace swivlo {

class HotkeyTextField;

namespace settings {
class PanelItemsList;
class SwitchRow;
}  // namespace settings

// The General tab: behaviour switches, the panel item list and the global shortcut. Reads the
// preferences when it comes on screen; every change is written at once.
class GeneralSettingsView : public QWidget {
    Q_OBJECT

public:
    explicit GeneralSettingsView(QWidget* parent = nullptr);

    GeneralSettings& model() { return model_; }
    settings::PanelItemsList* panelItemsList() const { return list_; }
    // The "Shortcut" row, shown only while the global shortcut is enabled.
    QWidget* recorderRow() const { return recorderRow_; }
    HotkeyTextField* recorderField() const { return field_; }
    // Why the global shortcut does not work in this session or with these keys; hidden when
    // it works.
    QLabel* hotkeyProblem() const { return hotkeyProblem_; }

signals:
    // A change that did not take, with why, for the window to tell the user.
    void changeRefused(const QString& message);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refreshShortcut();
    void showStoredValues();
    void showHotkeyState();

    GeneralSettings model_;
    settings::SwitchRow* launch_ = nullptr;
    settings::SwitchRow* autoClose_ = nullptr;
    settings::SwitchRow* hotkey_ = nullptr;
    settings::PanelItemsList* list_ = nullptr;
    QWidget* recorderRow_ = nullptr;
    HotkeyTextField* field_ = nullptr;
    QLabel* hotkeyProblem_ = nullptr;
};

}  // namespace swivlo
