#pragma once

#include <gtest/gtest.h>

#include "SimulatedHostFixture.h"
#include "fakes/TestPlatform.h"

namespace swivlo::testing {

// Every fake host interface, and a simulated host for anything that switches it.
class SettingsTest : public ::testing::Test {
protected:
    std::string stored(const std::string& key) {
        return platform.preferences.stringValue(key).value_or("<absent>");
    }

    TestPlatform platform;
    SimulatedHostFixture host;
    FakeLoginItems& loginItems = platform.loginItems;
    FakeBundleInfo& bundleInfo = platform.bundleInfo;
};

}  // namespace swivlo::testing
