#include "scenes/SceneFeature.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

namespace swivlo {

namespace {

// Interface texts live in the application's one translation context; the English text is the
// key, and the translator note tells the title apart from the shorter summary label.
constexpr const char* kContext = "Swivlo";

struct Text {
    const char* source;
    const char* note;
};

struct Entry {
    std::string_view id;
    Text title;
    Text label;
    std::string_view icon;
};

QString translated(const Text& text) {
    return QCoreApplication::translate(kContext, text.source, text.note);
}

const std::array<Entry, 6> kEntries = {{
    {SceneFeatureId::hideDesktop,
     QT_TRANSLATE_NOOP3("Swivlo", "Hide Desktop", "Label for Hide Desktop feature"),
     QT_TRANSLATE_NOOP3("Swivlo", "Hide Desktop",
                        "Short label for Hide Desktop feature in scene summary"),
     "menubar.rectangle"},
    {SceneFeatureId::hideWidgets,
     QT_TRANSLATE_NOOP3("Swivlo", "Hide Widgets", "Label for Hide Widgets feature"),
     QT_TRANSLATE_NOOP3("Swivlo", "Hide Widgets",
                        "Short label for Hide Widgets feature in scene summary"),
     "square.grid.2x2.fill"},
    {SceneFeatureId::autoHideDock,
     QT_TRANSLATE_NOOP3("Swivlo", "Auto Hide Dock", "Label for Auto Hide Dock feature"),
     QT_TRANSLATE_NOOP3("Swivlo", "Auto Hide Dock",
                        "Short label for Auto Hide Dock feature in scene summary"),
     "dock.rectangle"},
    {SceneFeatureId::stageManager,
     QT_TRANSLATE_NOOP3("Swivlo", "Stage Manager", "Label for Stage Manager feature"),
     QT_TRANSLATE_NOOP3("Swivlo", "Stage Manager",
                        "Short label for Stage Manager feature in scene summary"),
     "rectangle.split.3x3"},
    {SceneFeatureId::darkMode,
     QT_TRANSLATE_NOOP3("Swivlo", "Dark Mode", "Label for Dark Mode feature"),
     QT_TRANSLATE_NOOP3("Swivlo", "Dark Mode",
                        "Short label for Dark Mode feature in scene summary"),
     "moon.fill"},
    {SceneFeatureId::keepAwake,
     QT_TRANSLATE_NOOP3("Swivlo", "Keep Awake", "Label for Keep Awake feature"),
     QT_TRANSLATE_NOOP3("Swivlo", "Keep Awake",
                        "Short label for Keep Awake feature in scene summary"),
     "bolt.fill"},
}};

}  // namespace

const std::vector<SceneFeature>& SceneFeature::allFeatures() {
    static const std::vector<SceneFeature> features = [] {
        std::vector<SceneFeature> list;
        for (const Entry& entry : kEntries) {
            list.push_back(
                {std::string(entry.id), translated(entry.title), std::string(entry.icon), true});
        }
        return list;
    }();
    return features;
}

const SceneFeature* SceneFeature::find(std::string_view id) {
    for (const SceneFeature& feature : allFeatures()) {
        if (feature.id == id) {
            return &feature;
        }
    }
    return nullptr;
}

QString sceneSummary(const Scene& scene) {
    QStringList labels;
    for (const Entry& entry : kEntries) {
        if (scene.features.contains(entry.id)) {
            labels.append(translated(entry.label));
        }
    }
    if (labels.isEmpty()) {
        return QCoreApplication::translate("Swivlo", "feature_summary_empty",
                                           "Shown when a scene has no features configured");
    }
    return labels.join(QStringLiteral(" \u00B7 "));
}

}  // namespace swivlo
