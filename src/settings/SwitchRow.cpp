#include "settings/SwitchRow.h"

#include <QHBoxLayout>
#include <QLabel>

#include "settings/SettingsStyle.h"
#include "ui/Appearance.h"
#include "ui/SwitchControl.h"

namespace swivlo::settings {

SwitchRow::SwitchRow(const QString& title, bool on, std::function<void(bool)> onChange,
                     QWidget* parent)
    : QWidget(parent), switch_(new SwitchControl(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(8);
    title_ = textLabel(title, settings::font(TextStyle::body), labelColor(), this);
    layout->addWidget(title_);
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

void SwitchRow::setUnavailable(const QString& reason) {
    Appearance::setTextColor(*title_, secondaryLabelColor());
    // Beside the title, so the row keeps its height; it gives up width first.
    auto* caption = new ElidedLabel(reason, this);
    caption->setFont(settings::font(TextStyle::caption));
    Appearance::setTextColor(*caption, secondaryLabelColor());
    auto* layout = static_cast<QHBoxLayout*>(this->layout());
    const int at = layout->indexOf(title_) + 1;
    layout->insertWidget(at, caption, 1);
    layout->setStretch(at + 1, 0);  // the caption, not the gap, takes the spare width
    switch_->setEnabled(false);
    switch_->setAccessibleDescription(reason);
    setToolTip(reason);
}

}  // namespace swivlo::settings
