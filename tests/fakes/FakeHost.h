#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Service.h"
#include "platform/SystemHost.h"

namespace swivlo::testing {

// A host spoken to in capabilities, for tests where the host's command texts are not the
// point: it can do everything unless told otherwise, holds each toggle's state, and notes every
// change it is asked for ("darkMode on", "hideAllWindows run"). Installed while it lives.
class FakeHost : public SystemHost {
public:
    FakeHost() { Service<SystemHost>::install(this); }
    ~FakeHost() override { Service<SystemHost>::install(nullptr); }
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // The host cannot do `capability`, for this reason.
    void lacks(Capability capability, const QString& reason) { missing[capability] = reason; }

    Support supports(Capability capability) const override {
        const auto it = missing.find(capability);
        return it == missing.end() ? Support{} : Support{false, it->second};
    }
    Support supportsOwnWindows() const override { return ownWindows; }
    SwitchStates read(const std::vector<Capability>& capabilities) override {
        SwitchStates states;
        for (const Capability capability : capabilities) {
            if (supports(capability).available) {
                states[capability] = on.count(capability) ? on.at(capability) : false;
            }
        }
        return states;
    }
    Change set(Capability capability, bool value) override {
        changes.push_back(nameOf(capability) + (value ? " on" : " off"));
        if (refused.count(capability)) {
            return Change::refused;
        }
        on[capability] = value;
        return Change::done;
    }
    void perform(Capability capability) override { changes.push_back(nameOf(capability) + " run"); }
    void release() override { changes.push_back("release"); }

    static std::string nameOf(Capability capability) {
        static const std::map<Capability, std::string> names = {
            {Capability::hideDesktop, "hideDesktop"},
            {Capability::hideWidgets, "hideWidgets"},
            {Capability::autoHideDock, "autoHideDock"},
            {Capability::stageManager, "stageManager"},
            {Capability::darkMode, "darkMode"},
            {Capability::keepAwake, "keepAwake"},
            {Capability::hideAllWindows, "hideAllWindows"}};
        return names.at(capability);
    }

    std::map<Capability, QString> missing;
    std::map<Capability, bool> on;
    // Capabilities whose changes the host refuses (no permission), leaving the state as it was.
    std::set<Capability> refused;
    Support ownWindows;
    std::vector<std::string> changes;
};

}  // namespace swivlo::testing
