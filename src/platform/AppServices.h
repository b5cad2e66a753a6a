#pragma once

#include "platform/Application.h"
#include "platform/BundleInfo.h"
#include "platform/Events.h"
#include "platform/KeyboardTap.h"
#include "platform/LoginItems.h"
#include "platform/MainQueue.h"
#include "platform/Popover.h"
#include "platform/PreferencesStore.h"
#include "platform/Screens.h"
#include "platform/StatusBar.h"
#include "platform/WindowStacking.h"

namespace swivlo {

// Installs the host interfaces the application and its windows use from one object holding an
// implementation of each (the desktop's, or the tests' fakes); nullptr takes them away again.
template <class Host>
void installAppServices(Host* host) {
    Service<MainQueue>::install(host ? &host->mainQueue : nullptr);
    Service<PreferencesStore>::install(host ? &host->preferences : nullptr);
    Service<StatusBar>::install(host ? &host->statusBar : nullptr);
    Service<PopoverFactory>::install(host ? &host->popovers : nullptr);
    Service<EventMonitors>::install(host ? &host->monitors : nullptr);
    Service<Application>::install(host ? &host->application : nullptr);
    Service<Workspace>::install(host ? &host->application : nullptr);
    Service<Screens>::install(host ? &host->screens : nullptr);
    Service<KeyboardTap>::install(host ? &host->keyboardTap : nullptr);
    Service<LoginItems>::install(host ? &host->loginItems : nullptr);
    Service<BundleInfo>::install(host ? &host->bundleInfo : nullptr);
    Service<WindowStacking>::install(host ? &host->windowStacking : nullptr);
}

}  // namespace swivlo
