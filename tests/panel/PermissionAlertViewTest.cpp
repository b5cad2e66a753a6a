#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "WidgetTestSupport.h"
#include "panel/PermissionAlertView.h"

namespace swivlo {
namespace {

class PermissionAlertViewTest : public testing::WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        panel.resize(300, 420);
        alert = new PermissionAlertView(&panel);
        showActive(panel);
    }

    QWidget panel;
    PermissionAlertView* alert = nullptr;
};

struct Choice {
    const char* name;
    std::function<void(PermissionAlertView*)> choose;
    bool opensSettings;
};

class AlertChoice : public PermissionAlertViewTest, public ::testing::WithParamInterface<Choice> {};

TEST_P(AlertChoice, EitherChoiceDismissesAndSaysWhich) {
    QSignalSpy ignore(alert, &PermissionAlertView::ignoreRequested);
    QSignalSpy open(alert, &PermissionAlertView::openSettingsRequested);
    QSignalSpy dismissed(alert, &PermissionAlertView::dismissed);
    alert->present();
    GetParam().choose(alert);
    alert->dismiss();  // a second dismissal reports nothing
    EXPECT_FALSE(alert->isPresented());
    EXPECT_EQ(open.count(), GetParam().opensSettings ? 1 : 0);
    EXPECT_EQ(ignore.count(), GetParam().opensSettings ? 0 : 1);
    EXPECT_EQ(dismissed.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, AlertChoice,
    ::testing::Values(
        Choice{"OpenSettingsClicked",
               [](PermissionAlertView* a) { a->openSettingsButton()->click(); }, true},
        Choice{"Return", [](PermissionAlertView* a) { QTest::keyClick(a, Qt::Key_Return); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PermissionAlertViewTest, TheFocusComesBackAfter) {
    auto* behind = new QPushButton(QStringLiteral("behind"), &panel);
    behind->show();
    behind->setFocus(Qt::TabFocusReason);
    alert->present();
    alert->raise();
    EXPECT_EQ(QApplication::focusWidget(), alert->openSettingsButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), behind);
}

}  // namespace
}  // namespace swivlo
