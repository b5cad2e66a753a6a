#include <QEnterEvent>
#include <QTest>

#include "WidgetTestSupport.h"
#include "panel/HoverableRowView.h"
#include "ui/SwitchControl.h"

namespace swivlo {
namespace {

using HoverableRowViewTest = testing::WidgetTest;

// An owner-like switch state that may refuse changes, as the host does without permission.
struct FakeSwitch {
    bool value = false;
    bool refuse = false;
    std::vector<bool> sets;

    Row row(const QString& title, QColor tint = QColor(0, 122, 255)) {
        return Row{title, title, QStringLiteral("moon.fill"), tint,
                   RowControl::toggle([this] { return value; },
                                      [this](bool v) {
                                          sets.push_back(v);
                                          if (!refuse) {
                                              value = v;
                                          }
                                      })};
    }
};

TEST_F(HoverableRowViewTest, SwitchShowsTheOwnersValueWhenTheChangeIsRefused) {
    FakeSwitch owner;
    owner.refuse = true;
    HoverableRowView row(owner.row(QStringLiteral("Auto Hide Dock")));
    showActive(row);
    QTest::mouseClick(row.control(), Qt::LeftButton);
    EXPECT_EQ(owner.sets, std::vector<bool>{true});
    EXPECT_FALSE(row.control()->isChecked());
}

TEST_F(HoverableRowViewTest, PointerOverThePaddedAreaHighlightsIt) {
    FakeSwitch owner;
    HoverableRowView row(owner.row(QStringLiteral("Hide Widgets")));
    row.show();
    EXPECT_FALSE(row.isHovered());

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(row.hoverArea(), &enter);
    EXPECT_TRUE(row.isHovered());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(row.hoverArea(), &leave);
    EXPECT_FALSE(row.isHovered());
}

TEST_F(HoverableRowViewTest, LongTitleDoesNotWidenTheRow) {
    FakeSwitch owner;
    HoverableRowView shortRow(owner.row(QStringLiteral("Focus")));
    HoverableRowView longRow(owner.row(QString(200, QLatin1Char('W'))));
    EXPECT_EQ(longRow.sizeHint().width(), shortRow.sizeHint().width());
}

}  // namespace
}  // namespace swivlo
