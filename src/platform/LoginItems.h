#pragma once

#include <string>

#include "platform/Service.h"

namespace swivlo {

// Starting Swivlo when the user logs in.
class LoginItems {
public:
    virtual ~LoginItems() = default;
    // Whether the host will start this program at the next login.
    virtual bool isEnabled() const = 0;
    // Registers this program (again, so it names the running binary) or removes it. False, with
    // `whyNot` set, when the host could not be changed; isEnabled() then tells what holds.
    virtual bool setEnabled(bool enabled, std::string& whyNot) = 0;
};

inline LoginItems& loginItems() {
    return Service<LoginItems>::get();
}

}  // namespace swivlo
