#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "ui/Appearance.h"

namespace swivlo::testing {

// Widget tests start in the light appearance and leave it that way.
class WidgetTest : public ::testing::Test {
protected:
    void SetUp() override { Appearance::shared().setDark(false); }
    void TearDown() override { Appearance::shared().setDark(false); }

    // Shows `window` and makes it the active window, so focus and Tab behave as for a user.
    static void showActive(QWidget& window) {
        window.show();
        QApplication::setActiveWindow(&window);
        window.activateWindow();
    }
};

}  // namespace swivlo::testing
