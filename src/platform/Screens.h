#pragma once

#include <QRectF>
#include <vector>

#include "platform/Service.h"

namespace swivlo {

// The displays attached to the host.
class Screens {
public:
    virtual ~Screens() = default;
    // Every display's frame in desktop coordinates, in the host's order; empty without displays.
    virtual std::vector<QRectF> frames() const = 0;
};

inline Screens& screens() {
    return Service<Screens>::get();
}

}  // namespace swivlo
