// The desktop's values as Swivlo found them, kept across restarts until they are given back.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/host/linux/FoundValues.h"

namespace swivlo::linuxhost {
namespace {

TEST(FoundValues, ASecondOnKeepsWhatTheUserHadAndOffGivesItBackOnce) {
    QTemporaryDir state;
    const QString path = state.filePath(QStringLiteral("swivlo/found-values.json"));
    const QJsonObject users{{"dock-fixed", true}, {"autohide", false}};
    ASSERT_TRUE(FoundValues(path).remember("dock", users));
    // Swivlo's own values, found by a second "on" (or after a restart): not the user's.
    EXPECT_TRUE(FoundValues(path).remember("dock", {{"dock-fixed", false}, {"autohide", true}}));
    EXPECT_EQ(FoundValues(path).find("dock"), users);

    FoundValues(path).forget("dock");
    EXPECT_EQ(FoundValues(path).find("dock"), std::nullopt);
    EXPECT_TRUE(FoundValues(path).remember("dock", {{"dock-fixed", false}}));
    EXPECT_EQ(FoundValues(path).find("dock"), (QJsonObject{{"dock-fixed", false}}));
}

}  // namespace
}  // namespace swivlo::linuxhost
