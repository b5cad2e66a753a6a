#include <gtest/gtest.h>

#include "scenes/SceneColor.h"

namespace swivlo {
namespace {

const QColor kDodgerBlue(0x1E, 0x90, 0xFF);

struct Resolved {
    const char* text;
    QColor expected;  // invalid: blue
};

class SceneColorResolves : public ::testing::TestWithParam<Resolved> {};

TEST_P(SceneColorResolves, ToTheDrawnColour) {
    const QColor expected =
        GetParam().expected.isValid() ? GetParam().expected : resolveSceneColor("blue");
    EXPECT_EQ(resolveSceneColor(GetParam().text), expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Values, SceneColorResolves,
                         ::testing::Values(Resolved{"custom:1e90ff", kDodgerBlue},
                                           Resolved{"#1E90FF", kDodgerBlue}, Resolved{"", {}},
                                           Resolved{"RED", {}}, Resolved{"red ", {}},
                                           Resolved{"custom:GG0000", {}},
                                           Resolved{"custom:1E90FF0", {}},
                                           Resolved{"custom:+1E90F", {}}, Resolved{"1E90FF", {}},
                                           Resolved{"#1E90FF ", {}}, Resolved{"#1E90F", {}},
                                           // Not read as #01E90F: the whole value or nothing.
                                           Resolved{"#1E90FZ", {}}));

struct Picked {
    QColor colour;
    const char* stored;
};

class SceneColorStores : public ::testing::TestWithParam<Picked> {};

TEST_P(SceneColorStores, AsUpperCaseCustomValue) {
    EXPECT_EQ(customColorString(GetParam().colour), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SceneColorStores,
    ::testing::Values(Picked{QColor(Qt::red), "custom:FF0000"},
                      Picked{QColor::fromRgbF(0.5f, 0, 1), "custom:8000FF"},
                      Picked{QColor::fromRgbF(0.3f, 0.3f, 0.3f), "custom:4D4D4D"},
                      Picked{QColor::fromRgbF(1.5f, -0.25f, 0.5f), "custom:FF0080"},
                      Picked{QColor(), "custom:007AFF"}));

}  // namespace
}  // namespace swivlo
