#pragma once

#include "platform/Screens.h"

namespace swivlo::desktop {

// The displays Qt knows, in its order (the primary first).
class QtScreens : public Screens {
public:
    std::vector<QRectF> frames() const override;
};

}  // namespace swivlo::desktop
