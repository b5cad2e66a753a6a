#pragma once

#include <gtest/gtest.h>

#include "platform/testing/FakeLoginItems.h"
#include "platform/testing/SimulatedHostFixture.h"
#include "platform/testing/TestPlatform.h"

namespace swivlo::testing {

// Every fake host interface plus the login item and information values the settings use, and
// a simulated host for anything that switches it.
class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() {
        Service<LoginItems>::install(&loginItems);
        Service<BundleInfo>::install(&bundleInfo);
    }
    ~SettingsTest() override {
        Service<LoginItems>::install(nullptr);
        Service<BundleInfo>::install(nullptr);
    }

    std::string stored(const std::string& key) {
        return platform.preferences.stringValue(key).value_or("<absent>");
    }

    TestPlatform platform;
    SimulatedHostFixture host;
    FakeLoginItems loginItems;
    FakeBundleInfo bundleInfo;
};

}  // namespace swivlo::testing
