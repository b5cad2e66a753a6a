#include "platform/testing/TestPlatform.h"

namespace swivlo::testing {

TestPlatform::TestPlatform() {
    Service<MainQueue>::install(&mainQueue);
    Service<PreferencesStore>::install(&preferences);
    Service<StatusBar>::install(&statusBar);
    Service<PopoverFactory>::install(&popovers);
    Service<EventMonitors>::install(&monitors);
    Service<Application>::install(&application);
    Service<Workspace>::install(&application);
    Service<Screens>::install(&screens);
    Service<KeyboardTap>::install(&keyboardTap);
    Service<LoginItems>::install(&loginItems);
    Service<BundleInfo>::install(&bundleInfo);
}

TestPlatform::~TestPlatform() {
    Service<MainQueue>::install(nullptr);
    Service<PreferencesStore>::install(nullptr);
    Service<StatusBar>::install(nullptr);
    Service<PopoverFactory>::install(nullptr);
    Service<EventMonitors>::install(nullptr);
    Service<Application>::install(nullptr);
    Service<Workspace>::install(nullptr);
    Service<Screens>::install(nullptr);
    Service<KeyboardTap>::install(nullptr);
    Service<LoginItems>::install(nullptr);
    Service<BundleInfo>::install(nullptr);
}

}  // namespace swivlo::testing
