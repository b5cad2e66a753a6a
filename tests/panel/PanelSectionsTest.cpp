#include <QSignalSpy>
#include <QTest>

#include "WidgetTestSupport.h"
#include "panel/HoverableFooterButton.h"
#include "panel/PanelSections.h"

namespace swivlo {
namespace {

using PanelSectionsTest = testing::WidgetTest;

TEST_F(PanelSectionsTest, CardPadsItsRowsAndStaysDrawnWhenEmpty) {
    PanelCard empty;
    empty.setFixedWidth(300);
    empty.adjustSize();
    EXPECT_EQ(empty.height(), 8);
    EXPECT_EQ(empty.rowCount(), 0);

    PanelCard card;
    card.setFixedWidth(300);
    auto* row = new QWidget;
    row->setFixedHeight(40);
    card.addRow(row);
    card.adjustSize();
    card.show();
    EXPECT_EQ(card.height(), 40 + 8);
    EXPECT_EQ(row->geometry(), QRect(8, 4, 300 - 16, 40));
}

TEST_F(PanelSectionsTest, CardBackgroundIsAFaintTintOfPrimary) {
    PanelCard card;
    card.setFixedSize(300, 60);
    card.setAttribute(Qt::WA_TranslucentBackground);
    const QImage image = card.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(image.pixel(4, 30)), 0);  // outside the 8-point inset
    EXPECT_NEAR(qAlpha(image.pixel(150, 30)), qRound(0.04 * 255), 1);
}

TEST_F(PanelSectionsTest, SectionHeaderPaddingAndStyle) {
    SectionHeader header(QStringLiteral("Quick Switches"));
    SectionHeader later(QStringLiteral("Scenes"), 4);
    EXPECT_EQ(header.text(), QStringLiteral("Quick Switches"));
    EXPECT_EQ(header.contentsMargins(), QMargins(16, 10, 16, 4));
    EXPECT_EQ(later.contentsMargins(), QMargins(16, 14, 16, 4));
    EXPECT_EQ(later.sizeHint().height(), header.sizeHint().height() + 4);
    EXPECT_EQ(header.font().pixelSize(), 11);
    EXPECT_EQ(header.font().weight(), QFont::DemiBold);
    const QColor before = header.palette().color(QPalette::WindowText);
    Appearance::shared().setDark(true);
    EXPECT_NE(header.palette().color(QPalette::WindowText), before);
}

TEST_F(PanelSectionsTest, FooterButtonsAreNamedAndReportClicks) {
    PanelFooter footer;
    QSignalSpy settings(&footer, &PanelFooter::settingsRequested);
    QSignalSpy quit(&footer, &PanelFooter::quitRequested);
    EXPECT_EQ(footer.settingsButton()->accessibleName(), QStringLiteral("Settings"));
    EXPECT_EQ(footer.quitButton()->accessibleName(), QStringLiteral("Quit"));
    EXPECT_EQ(footer.settingsButton()->systemImage(), QStringLiteral("gearshape"));
    EXPECT_EQ(footer.quitButton()->systemImage(), QStringLiteral("power"));
    footer.settingsButton()->click();
    footer.quitButton()->click();
    footer.quitButton()->click();
    EXPECT_EQ(settings.count(), 1);
    EXPECT_EQ(quit.count(), 2);
}

TEST_F(PanelSectionsTest, FooterButtonRunsItsActionAndHighlightsOnHover) {
    int runs = 0;
    HoverableFooterButton button(QStringLiteral("Settings"), QStringLiteral("gearshape"),
                                 [&runs] { ++runs; });
    showActive(button);
    button.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(runs, 1);

    const QSize size = button.sizeHint();
    EXPECT_GE(size.height(), 6 + 15 + 6);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(button.isHovered());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.isHovered());
}

}  // namespace
}  // namespace swivlo
