#include <QBoxLayout>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "WidgetTestSupport.h"
#include "panel/CapsuleButton.h"
#include "panel/HoverableFooterButton.h"
#include "panel/HoverableRowView.h"
#include "panel/PanelSections.h"
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

TEST_F(HoverableRowViewTest, SpaceFlipsTheSwitchThroughTheOwner) {
    FakeSwitch owner;
    HoverableRowView row(owner.row(QStringLiteral("Dark Mode")));
    showActive(row);
    row.control()->setFocus(Qt::TabFocusReason);

    QTest::keyClick(row.control(), Qt::Key_Space);
    EXPECT_EQ(owner.sets, std::vector<bool>{true});
    EXPECT_TRUE(row.control()->isChecked());
    QTest::keyClick(row.control(), Qt::Key_Space);
    EXPECT_EQ(owner.sets, (std::vector<bool>{true, false}));
    EXPECT_FALSE(row.control()->isChecked());
}

TEST_F(HoverableRowViewTest, SwitchShowsTheOwnersValueWhenTheChangeIsRefused) {
    FakeSwitch owner;
    owner.refuse = true;
    HoverableRowView row(owner.row(QStringLiteral("Auto Hide Dock")));
    showActive(row);
    QTest::mouseClick(row.control(), Qt::LeftButton);
    EXPECT_EQ(owner.sets, std::vector<bool>{true});
    EXPECT_FALSE(row.control()->isChecked());
}

TEST_F(HoverableRowViewTest, RefreshReadsTheGetterAgain) {
    FakeSwitch owner;
    HoverableRowView row(owner.row(QStringLiteral("Keep Awake")));
    EXPECT_FALSE(row.control()->isChecked());
    owner.value = true;
    row.refresh();
    EXPECT_TRUE(row.control()->isChecked());
    EXPECT_TRUE(owner.sets.empty());
}

TEST_F(HoverableRowViewTest, ButtonRowRunsItsActionFromSpace) {
    int runs = 0;
    HoverableRowView row(Row{QStringLiteral("screen_cleaner"), QStringLiteral("Screen Cleaner"),
                             QStringLiteral("sparkles"), QColor(50, 173, 230),
                             RowControl::button(QStringLiteral("Start"), [&runs] { ++runs; })});
    showActive(row);
    auto* button = qobject_cast<CapsuleButton*>(row.control());
    ASSERT_NE(button, nullptr);
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(button->text(), QStringLiteral("Start"));
}

TEST_F(HoverableRowViewTest, PointerOverThePaddedAreaHighlightsIt) {
    FakeSwitch owner;
    HoverableRowView row(owner.row(QStringLiteral("Hide Widgets")));
    QSignalSpy hovered(&row, &HoverableRowView::hoveredChanged);
    row.show();
    EXPECT_FALSE(row.isHovered());

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(row.hoverArea(), &enter);
    EXPECT_TRUE(row.isHovered());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(row.hoverArea(), &leave);
    EXPECT_FALSE(row.isHovered());
    ASSERT_EQ(hovered.count(), 2);
    EXPECT_TRUE(hovered.at(0).at(0).toBool());
    EXPECT_FALSE(hovered.at(1).at(0).toBool());
}

TEST_F(HoverableRowViewTest, LongTitleDoesNotWidenTheRow) {
    FakeSwitch owner;
    HoverableRowView shortRow(owner.row(QStringLiteral("Focus")));
    HoverableRowView longRow(owner.row(QString(200, QLatin1Char('W'))));
    EXPECT_EQ(longRow.sizeHint().width(), shortRow.sizeHint().width());
}

TEST_F(HoverableRowViewTest, TabReachesEveryControlOfThePanel) {
    std::vector<FakeSwitch> owners(3);
    QWidget panel;
    panel.setFixedWidth(300);
    auto* column = new QVBoxLayout(&panel);
    auto* card = new PanelCard;
    std::vector<QAbstractButton*> expected;
    for (std::size_t i = 0; i < owners.size(); ++i) {
        auto* row = new HoverableRowView(owners[i].row(QStringLiteral("Switch %1").arg(i)));
        card->addRow(row);
        expected.push_back(row->control());
    }
    auto* buttonRow = new HoverableRowView(
        Row{QStringLiteral("b"), QStringLiteral("Screen Cleaner"), QStringLiteral("sparkles"),
            Qt::cyan, RowControl::button(QStringLiteral("Start"), [] {})});
    card->addRow(buttonRow);
    expected.push_back(buttonRow->control());
    column->addWidget(card);
    auto* footer = new PanelFooter;
    column->addWidget(footer);
    expected.push_back(footer->settingsButton());
    expected.push_back(footer->quitButton());

    showActive(panel);
    expected.front()->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> visited{QApplication::focusWidget()};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, std::vector<QWidget*>(expected.begin(), expected.end()));
}

}  // namespace
}  // namespace swivlo
