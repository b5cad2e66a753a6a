#include "scenes/SceneFeature.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/Localized.h"
#include "switches/SwitchCatalogue.h"

namespace swivlo {

const std::vector<SceneFeature>& SceneFeature::allFeatures() {
    static const std::vector<SceneFeature> features = [] {
        std::vector<SceneFeature> list;
        for (const Switch& entry : SwitchCatalogue::all()) {
            if (!entry.featureId.empty()) {
                list.push_back({std::string(entry.featureId), entry.featureTitle(),
                                std::string(entry.symbol), true});
            }
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
    for (const Switch& entry : SwitchCatalogue::all()) {
        if (!entry.featureId.empty() && scene.features.contains(entry.featureId)) {
            labels.append(entry.summaryLabel());
        }
    }
    if (labels.isEmpty()) {
        return localized("feature_summary_empty", "Shown when a scene has no features configured");
    }
    return labels.join(QStringLiteral(" \u00B7 "));
}

}  // namespace swivlo
