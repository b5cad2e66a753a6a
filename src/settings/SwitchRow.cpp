#include "settings/SwitchRow.h"

#include <QHBoxLayout>
#include <QLabel>

#include "panel/SwitchControl.h"
#include "settings/SettingsStyle.h"

namespace swivlo::settings {

SwitchRow::SwitchRow(const QString& title, bool on, std::function<void(bool)> onChange,
                     QWidget* parent)
    : QWidget(parent), switch_(new SwitchControl(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(8);
    layout->addWidget(textLabel(title, settings::font(TextStyle::body), labelColor(), this));
    layout->addStretch(1);
    switch_->setChecked(on);
    switch_->setAccessibleName(title);
    layout->addWidget(switch_);
    connect(switch_, &QAbstractButton::toggled, this, [onChange = std::move(onChange)](bool value) {
        if (onChange) {
            onChange(value);
        }
    });
}

void SwitchRow::setLeadingWidget(QWidget* widget) {
    static_cast<QHBoxLayout*>(layout())->insertWidget(0, widget);
}

}  // namespace swivlo::settings
