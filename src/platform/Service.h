#pragma once

#include <cassert>

namespace swivlo {

// The one implementation of a host interface that the process uses. main() installs the desktop
// implementations; tests install fakes. Owners look their collaborators up here, so the same
// logic runs unchanged against either.
template <class Interface>
class Service {
public:
    static Interface& get() {
        assert(instance_ && "host interface used before it was installed");
        return *instance_;
    }
    static bool installed() { return instance_ != nullptr; }
    static void install(Interface* impl) { instance_ = impl; }

private:
    static inline Interface* instance_ = nullptr;
};

}  // namespace swivlo
