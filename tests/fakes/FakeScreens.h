#pragma once

#include "platform/Screens.h"

namespace swivlo::testing {

// Displays a test arranges by hand; one 1440x900 display unless told otherwise.
class FakeScreens : public Screens {
public:
    std::vector<QRectF> frames() const override { return screenFrames; }

    std::vector<QRectF> screenFrames{QRectF(0, 0, 1440, 900)};
};

}  // namespace swivlo::testing
