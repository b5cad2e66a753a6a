#include "settings/GeneralSettingsView.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/PreferencesStore.h"
#include "platform/hotkey/GlobalHotkey.h"
#include "settings/PanelItemsList.h"
#include "settings/SettingsStyle.h"
#include "settings/SwitchRow.h"
#include "shortcut/HotkeyTextField.h"
#include "ui/SwitchControl.h"

namespace swivlo {

using namespace settings;

GeneralSettingsView::GeneralSettingsView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* page = new FormPage(localized("General"), this);
    layout->addWidget(page);

    auto* behavior = new FormSection(localized("Behavior"), page);
    launch_ = new SwitchRow(localized("Launch at login"), model_.launchAtLogin(), [this](bool on) {
        // A login item the host refused shows as the switch falling back, and says why.
        if (const auto whyNot = model_.setLaunchAtLogin(on)) {
            showStoredValues();
            emit changeRefused(localized(on ? "Launch at login could not be turned on: %1."
                                            : "Launch at login could not be turned off: %1.")
                                   .arg(QString::fromStdString(*whyNot)));
        }
    });
    behavior->addRow(launch_);
    autoClose_ = new SwitchRow(localized("Close panel after action"), model_.autoClosePanel(),
                               [this](bool on) { model_.setAutoClosePanel(on); });
    behavior->addRow(autoClose_);
    page->addSection(behavior);

    auto* items = new FormSection(localized("Panel Items"), page);
    list_ = new PanelItemsList(model_);
    items->addBareRow(list_);
    page->addSection(items);

    auto* shortcut = new FormSection(localized("Keyboard Shortcut"), page);
    hotkey_ =
        new SwitchRow(localized("Enable global shortcut"), model_.hotkeyEnabled(), [this](bool on) {
            model_.setHotkeyEnabled(on);
            showHotkeyState();
        });
    shortcut->addRow(hotkey_);
    recorderRow_ = new QWidget;
    auto* recorderLayout = new QHBoxLayout(recorderRow_);
    recorderLayout->setContentsMargins(0, 4, 0, 4);
    recorderLayout->addWidget(
        textLabel(localized("Shortcut"), settings::font(TextStyle::body), labelColor()));
    recorderLayout->addStretch(1);
    field_ = model_.recorderView().make(recorderRow_);
    field_->setFixedSize(140, 28);
    field_->setAccessibleName(localized("Shortcut"));
    recorderLayout->addWidget(field_);
    shortcut->addRow(recorderRow_);
    // Why the shortcut does not work here, when it does not: the switch alone would say it does.
    hotkeyProblem_ = textLabel(QString(), settings::font(TextStyle::caption), labelColor());
    hotkeyProblem_->setWordWrap(true);
    hotkeyProblem_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    shortcut->addRow(hotkeyProblem_);
    page->addSection(shortcut);
    if (GlobalHotkey* hotkey = globalHotkey()) {
        connect(hotkey, &GlobalHotkey::problemChanged, this, [this] { showHotkeyState(); });
    }
    showHotkeyState();

    // The stored shortcut changes through the field's own handlers: hand the field the new
    // text, as a redraw would.
    connect(&preferences(), &PreferencesStore::changed, this, [this] { refreshShortcut(); });
    // A change the store could not save: every control shows what is stored again.
    connect(&preferences(), &PreferencesStore::saveFailed, this, [this] { showStoredValues(); });
}

void GeneralSettingsView::showStoredValues() {
    for (auto [row, on] : {std::pair{launch_, model_.launchAtLogin()},
                           std::pair{autoClose_, model_.autoClosePanel()},
                           std::pair{hotkey_, model_.hotkeyEnabled()}}) {
        const QSignalBlocker blocker(row->switchControl());
        row->switchControl()->setChecked(on);
    }
    list_->showStoredVisibility();
    refreshShortcut();
    showHotkeyState();
}

void GeneralSettingsView::showHotkeyState() {
    const GlobalHotkey* hotkey = globalHotkey();
    const QString unavailable = hotkey ? hotkey->unavailableReason() : QString();
    const bool enabled = model_.hotkeyEnabled();
    if (!unavailable.isEmpty()) {
        // Never shown on where it cannot work; the stored choice stays for another session.
        const QSignalBlocker blocker(hotkey_->switchControl());
        hotkey_->switchControl()->setChecked(false);
        hotkey_->switchControl()->setEnabled(false);
    }
    recorderRow_->setVisible(enabled && unavailable.isEmpty());
    const QString problem =
        !unavailable.isEmpty() ? unavailable : (hotkey && enabled ? hotkey->problem() : QString());
    hotkeyProblem_->setText(problem);
    hotkeyProblem_->setAccessibleName(problem);
    hotkeyProblem_->setVisible(!problem.isEmpty());
}

void GeneralSettingsView::refreshShortcut() {
    model_.recorderView().update(*field_);
}

void GeneralSettingsView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_.reload();
    list_->rebuild();
}

}  // namespace swivlo
