#include "settings/SceneRows.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "core/Localized.h"
#include "scenes/SceneColor.h"
#include "scenes/SceneFeature.h"
#include "scenes/SceneManager.h"
#include "settings/SettingsStyle.h"
#include "ui/Appearance.h"
#include "ui/SwitchControl.h"
#include "ui/SymbolProvider.h"

namespace swivlo {

using namespace settings;

namespace {

constexpr int title2SymbolSize = 22;

// Icon, then name over a second line, as both row kinds lay them out.
QHBoxLayout* rowLayout(QWidget* row, const Scene& scene, const QString& name,
                       const QString& detail) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 8, 0, 8);
    layout->setSpacing(8);
    auto* icon = new SymbolView(QString::fromStdString(scene.icon), title2SymbolSize,
                                resolveSceneColor(scene.color, Appearance::shared().isDark()), row);
    icon->setFrameWidth(40);
    layout->addWidget(icon);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(
        textLabel(name, settings::font(TextStyle::headline, QFont::Medium), labelColor(), row));
    auto* second = new ElidedLabel(detail, row);
    second->setFont(settings::font(TextStyle::subheadline));
    Appearance::setTextColor(*second, secondaryLabelColor());
    second->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    second->setObjectName(QStringLiteral("detail"));
    texts->addWidget(second);
    // The texts take the free width, so a long summary is cut short rather than the switch.
    layout->addLayout(texts, 1);
    return layout;
}

}  // namespace

ClickableRow::ClickableRow(QWidget* parent) : QAbstractButton(parent) {
    // Left out of the Tab order, as before: the pointer and the accessibility interface press it.
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

SceneRow::SceneRow(Scene scene, SceneManager& manager, std::function<void()> onEdit,
                   QWidget* parent)
    : ClickableRow(parent),
      scene_(std::move(scene)),
      manager_(manager),
      onEdit_(std::move(onEdit)),
      switch_(new SwitchControl(this)) {
    // A scene named like a preset shows the preset's translation.
    const QString name = localized(scene_.name.c_str());
    auto* layout = rowLayout(this, scene_, name, sceneSummary(scene_));
    switch_->setChecked(scene_.isActive);
    switch_->setAccessibleName(name);
    setAccessibleName(name);
    setAccessibleDescription(sceneSummary(scene_));
    layout->addWidget(switch_);
    connect(switch_, &QAbstractButton::toggled, this, [this](bool on) {
        if (on) {
            manager_.activateScene(scene_);
        } else {
            manager_.deactivateActiveScene();
        }
    });
    connect(this, &QAbstractButton::clicked, this, &SceneRow::edit);
}

void SceneRow::edit() {
    if (onEdit_) {
        onEdit_();
    }
}

void SceneRow::remove() {
    manager_.deleteScene(scene_.id);
}

void SceneRow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const QColor destructive = resolveSceneColor("red", Appearance::shared().isDark());
    menu.addAction(SymbolProvider::icon(QStringLiteral("pencil"), labelColor()), localized("Edit"),
                   this, &SceneRow::edit);
    menu.addAction(SymbolProvider::icon(QStringLiteral("trash"), destructive), localized("Delete"),
                   this, &SceneRow::remove);
    menu.exec(event->globalPos());
}

PresetSceneRow::PresetSceneRow(const Scene& scene, const QString& description,
                               std::function<void()> onAdd, QWidget* parent)
    : ClickableRow(parent) {
    auto* layout = rowLayout(this, scene, QString::fromStdString(scene.name), description);
    layout->addWidget(
        new SymbolView(QStringLiteral("plus.circle"), 18, secondaryLabelColor(), this));
    setAccessibleName(QString::fromStdString(scene.name));
    setAccessibleDescription(description);
    if (onAdd) {
        connect(this, &QAbstractButton::clicked, this, std::move(onAdd));
    }
}

}  // namespace swivlo
