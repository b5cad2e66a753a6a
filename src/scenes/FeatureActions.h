#pragma once

#include <span>
#include <string_view>

namespace swivlo {

// What setting one feature of a scene does on the host, given the value to set.
struct FeatureAction {
    std::string_view featureId;
    void (*run)(bool value);
};

// Exactly one action per catalogue feature, in catalogue order, all through
// SystemTools::shared().
std::span<const FeatureAction> featureActions();

}  // namespace swivlo
