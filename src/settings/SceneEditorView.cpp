#include "settings/SceneEditorView.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "scenes/SceneColor.h"
#include "scenes/SceneManager.h"
#include "settings/EditorButtons.h"
#include "settings/FeatureBoxes.h"
#include "settings/SettingsStyle.h"
#include "ui/Appearance.h"

namespace swivlo {

using namespace settings;

namespace {

QHBoxLayout* choiceRow(QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 8, 4, 8);
    layout->setSpacing(12);
    return layout;
}

}  // namespace

SceneEditorView::SceneEditorView(SceneManager& manager, std::optional<Scene> scene, QWidget* parent)
    : QWidget(parent), manager_(manager), model_(std::move(scene), Appearance::shared().isDark()) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, windowBackgroundColor());
    setPalette(p);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* page = new FormPage(model_.title(), this);
    layout->addWidget(page, 1);

    auto* basic = new FormSection(localized("Basic Info"), page);
    nameField_ = new QLineEdit(QString::fromStdString(model_.name));
    nameField_->setPlaceholderText(localized("Scene Name"));
    nameField_->setAccessibleName(localized("Scene Name"));
    nameField_->setFont(settings::font(TextStyle::body));
    nameField_->setFrame(false);
    connect(nameField_, &QLineEdit::textChanged, this, [this](const QString& name) {
        model_.name = name.toStdString();
        save_->setEnabled(model_.canSave());
    });
    basic->addRow(nameField_);
    basic->addRow(iconRow());
    basic->addRow(colorRow());
    page->addSection(basic);

    auto* features = new FormSection(localized("Features"), page);
    auto* stack = new QWidget;
    auto* stackLayout = new QVBoxLayout(stack);
    stackLayout->setContentsMargins(0, 4 + 8, 0, 4 + 8);
    stackLayout->setSpacing(14);
    stackLayout->addWidget(
        textLabel(localized("Enabled"), settings::font(TextStyle::headline), labelColor()));
    enabledBox_ = new FeatureBox(true, model_);
    stackLayout->addWidget(enabledBox_);
    auto* disabledHeading =
        textLabel(localized("Disabled"), settings::font(TextStyle::headline), labelColor());
    disabledHeading->setContentsMargins(0, 8, 0, 0);
    stackLayout->addWidget(disabledHeading);
    disabledBox_ = new FeatureBox(false, model_);
    stackLayout->addWidget(disabledBox_);
    features->addRow(stack);
    page->addSection(features);
    model_.onFeaturesChanged = [this] {
        enabledBox_->rebuild();
        disabledBox_->rebuild();
    };

    // The sheet's toolbar: Cancel, then Save as the default action.
    auto* bar = new QWidget(this);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(20, 10, 20, 14);
    barLayout->addStretch(1);
    cancel_ = new QPushButton(localized("Cancel"), bar);
    cancel_->setFont(settings::font(TextStyle::body));
    save_ = new QPushButton(localized("Save"), bar);
    save_->setFont(settings::font(TextStyle::body));
    save_->setDefault(true);
    save_->setEnabled(model_.canSave());
    barLayout->addWidget(cancel_);
    barLayout->addWidget(save_);
    layout->addWidget(separatorLine(this));
    layout->addWidget(bar);
    connect(cancel_, &QPushButton::clicked, this, &SceneEditorView::dismissed);
    connect(save_, &QPushButton::clicked, this, &SceneEditorView::saveAndDismiss);
}

QWidget* SceneEditorView::iconRow() {
    auto* row = new QWidget;
    auto* layout = choiceRow(row);
    for (const std::string& icon : SceneEditorModel::offeredIcons()) {
        auto* button = new IconButton(QString::fromStdString(icon), false, row);
        connect(button, &QAbstractButton::clicked, this, [this, icon] {
            model_.selectIcon(icon);
            refreshChoices();
        });
        iconButtons_.push_back(button);
        layout->addWidget(button);
    }
    customIcon_ = new CustomIconButton(
        QString::fromStdString(model_.customIcon()), false,
        [this] {
            model_.selectCustomIcon();
            refreshChoices();
        },
        [this](const std::string& icon) {
            model_.changeCustomIcon(icon);
            refreshChoices();
        },
        row);
    layout->addWidget(customIcon_);
    layout->addStretch(1);
    refreshChoices();
    return row;
}

QWidget* SceneEditorView::colorRow() {
    auto* row = new QWidget;
    auto* layout = choiceRow(row);
    for (const std::string& color : SceneEditorModel::offeredColors()) {
        auto* button =
            new ColorButton(resolveSceneColor(color, Appearance::shared().isDark()), false, row);
        button->setAccessibleName(QString::fromStdString(color));
        connect(button, &QAbstractButton::clicked, this, [this, color] {
            model_.selectColor(color);
            refreshChoices();
        });
        colorButtons_.push_back(button);
        layout->addWidget(button);
    }
    customColor_ = new CustomColorButton(
        model_.customColor(), false,
        [this] {
            model_.selectCustomColor();
            refreshChoices();
        },
        [this](const QColor& color) {
            model_.changeCustomColor(color);
            refreshChoices();
        },
        row);
    layout->addWidget(customColor_);
    layout->addStretch(1);
    refreshChoices();
    return row;
}

void SceneEditorView::refreshChoices() {
    const auto& icons = SceneEditorModel::offeredIcons();
    for (std::size_t i = 0; i < iconButtons_.size(); ++i) {
        iconButtons_[i]->setSelected(model_.selectedIcon() == icons[i]);
    }
    if (customIcon_) {
        customIcon_->setIcon(QString::fromStdString(model_.customIcon()));
        customIcon_->setSelected(model_.isCustomIconSelected());
    }
    const auto& colors = SceneEditorModel::offeredColors();
    for (std::size_t i = 0; i < colorButtons_.size(); ++i) {
        colorButtons_[i]->setSelected(model_.selectedColor() == colors[i]);
    }
    if (customColor_) {
        customColor_->setFill(model_.customColor());
        customColor_->setSelected(model_.isCustomColorSelected());
    }
}

void SceneEditorView::saveAndDismiss() {
    if (!model_.canSave()) {
        return;
    }
    model_.save(manager_);
    emit dismissed();
}

}  // namespace swivlo
