#include "switches/HostTexts.h"

namespace swivlo::HostTexts {

bool desktopIconsVisibleFrom(const std::optional<std::string>& output) {
    return !output || (*output != "0" && *output != "false");
}

bool stageManagerEnabledFrom(const std::optional<std::string>& output) {
    return output && (*output == "1" || *output == "true");
}

bool widgetsHiddenFrom(const std::optional<std::string>& output) {
    return output && *output == "1";
}

bool dockAutoHideFrom(const std::optional<std::string>& result) {
    return result && *result == "true";
}

}  // namespace swivlo::HostTexts
