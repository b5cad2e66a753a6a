#include "settings/SceneSettingsView.h"

#include <QCoreApplication>
#include <QEasingCurve>
#include <QLabel>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSequentialAnimationGroup>
#include <QVBoxLayout>

#include "scenes/SceneColor.h"
#include "scenes/SceneManager.h"
#include "settings/SceneRows.h"
#include "settings/SettingsStyle.h"
#include "ui/Appearance.h"
#include "ui/SymbolProvider.h"

namespace swivlo {

using namespace settings;

namespace {

// One way of the breathing: opacity and scale together over two seconds.
QAbstractAnimation* breath(SymbolView* symbol, qreal opacity, qreal scale) {
    auto* group = new QParallelAnimationGroup;
    for (const auto& [property, end] : {std::pair{"opacity", opacity}, std::pair{"scale", scale}}) {
        auto* animation = new QPropertyAnimation(symbol, property);
        animation->setEndValue(end);
        animation->setDuration(2000);
        animation->setEasingCurve(QEasingCurve::InOutQuad);
        group->addAnimation(animation);
    }
    return group;
}

}  // namespace

SceneSettingsView::SceneSettingsView(SceneManager& manager, std::function<void()> onCreateScene,
                                     std::function<void(const Scene&)> onEditScene, QWidget* parent)
    : QWidget(parent),
      manager_(manager),
      onCreateScene_(std::move(onCreateScene)),
      onEditScene_(std::move(onEditScene)),
      presetScenes_(swivlo::presetScenes()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* page = new FormPage(localized("Scene"), this);
    layout->addWidget(page);

    auto* add = new QPushButton(SymbolProvider::icon(QStringLiteral("plus"), labelColor()),
                                localized("Add Scene"));
    add->setFont(settings::font(TextStyle::body));
    add->setObjectName(QStringLiteral("AddScene"));
    connect(add, &QPushButton::clicked, this, &SceneSettingsView::createScene);
    page->setTitleAccessory(add);

    auto* holder = new QWidget;
    scenesHolder_ = new QVBoxLayout(holder);
    scenesHolder_->setContentsMargins(0, 0, 0, 0);
    page->addSection(holder);

    auto* presets = new FormSection(localized("Presets"), page);
    for (std::size_t i = 0; i < presetScenes_.size(); ++i) {
        presets->addRow(new PresetSceneRow(presetScenes_[i].scene, presetScenes_[i].description,
                                           [this, i] { addPreset(i); }));
    }
    page->addSection(presets);

    rebuildScenes();
    connect(&manager_, &SceneManager::scenesChanged, this, &SceneSettingsView::rebuildScenes);
}

void SceneSettingsView::addPreset(std::size_t index) {
    manager_.addOrUpdateScene(sceneFromPreset(presetScenes_.at(index).scene));
}

void SceneSettingsView::createScene() {
    if (onCreateScene_) {
        onCreateScene_();
    }
}

void SceneSettingsView::rebuildScenes() {
    // The old rows may be running the very switch or menu that changed the list.
    if (scenesSection_) {
        scenesHolder_->removeWidget(scenesSection_);
        scenesSection_->hide();
        scenesSection_->deleteLater();
    }
    const auto& scenes = manager_.scenes();
    if (scenes.empty()) {
        auto* section = new FormSection(QString());
        section->addRow(emptyState());
        scenesSection_ = section;
    } else {
        auto* section = new FormSection(localized("My Scenes"));
        for (const Scene& scene : scenes) {
            section->addRow(new SceneRow(scene, manager_, [this, scene] {
                if (onEditScene_) {
                    onEditScene_(scene);
                }
            }));
        }
        scenesSection_ = section;
    }
    scenesHolder_->addWidget(scenesSection_);
}

QWidget* SceneSettingsView::emptyState() {
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("EmptyState"));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 40, 0, 40);
    layout->setSpacing(16);
    auto* symbol = new SymbolView(QStringLiteral("wand.and.rays"), 60, Qt::black, box);
    const bool dark = Appearance::shared().isDark();
    symbol->setGradient({resolveSceneColor("blue", dark), resolveSceneColor("purple", dark),
                         resolveSceneColor("pink", dark)});
    layout->addWidget(symbol, 0, Qt::AlignHCenter);
    layout->addWidget(textLabel(localized("No Scenes Yet"),
                                settings::font(TextStyle::title2, QFont::DemiBold), labelColor()),
                      0, Qt::AlignHCenter);
    auto* sentence =
        textLabel(localized("Create custom scenes to control multiple settings at once"),
                  settings::font(TextStyle::body), secondaryLabelColor());
    sentence->setWordWrap(true);
    sentence->setAlignment(Qt::AlignHCenter);
    layout->addWidget(sentence);

    // Breathing: once started it pulses between the two looks for as long as it is shown.
    isBreathing_ = true;
    auto* loop = new QSequentialAnimationGroup(symbol);
    loop->addAnimation(breath(symbol, 0.4, 0.95));
    loop->addAnimation(breath(symbol, 1.0, 1.0));
    loop->setLoopCount(-1);
    loop->start();
    return box;
}

}  // namespace swivlo
