#pragma once

#include "fakes/CallLog.h"
#include "fakes/FakeAppServices.h"
#include "fakes/FakeKeyboardTap.h"
#include "fakes/FakeLoginItems.h"
#include "fakes/FakeScreens.h"
#include "fakes/FakeWindowStacking.h"
#include "fakes/ManualMainQueue.h"
#include "fakes/MemoryPreferencesStore.h"

namespace swivlo::testing {

// Every fake host interface, installed for the lifetime of this object and recording into one
// log. Create one per test (in the fixture) so each test starts from an empty host.
class TestPlatform {
public:
    TestPlatform();
    ~TestPlatform();
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    CallLog log;
    ManualMainQueue mainQueue;
    MemoryPreferencesStore preferences{&log};
    FakeStatusBar statusBar{log};
    FakePopoverFactory popovers{log};
    FakeEventMonitors monitors{log};
    FakeApplication application{log};
    FakeScreens screens;
    FakeKeyboardTap keyboardTap{log};
    FakeLoginItems loginItems;
    FakeBundleInfo bundleInfo;
    FakeWindowStacking windowStacking{log};
};

}  // namespace swivlo::testing
