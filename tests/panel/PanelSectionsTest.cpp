#include <QTest>

#include "WidgetTestSupport.h"
#include "panel/HoverableFooterButton.h"

namespace swivlo {
namespace {

using PanelSectionsTest = testing::WidgetTest;

TEST_F(PanelSectionsTest, FooterButtonRunsItsActionAndHighlightsOnHover) {
    int runs = 0;
    HoverableFooterButton button(QStringLiteral("Settings"), QStringLiteral("gearshape"),
                                 [&runs] { ++runs; });
    showActive(button);
    button.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(runs, 1);

    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(button.isHovered());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.isHovered());
}

}  // namespace
}  // namespace swivlo
