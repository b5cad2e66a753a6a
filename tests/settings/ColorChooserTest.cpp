#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "SettingsFixture.h"
#include "scenes/SceneColor.h"
#include "scenes/SceneManager.h"
#include "settings/ColorChooser.h"
#include "settings/EditorButtons.h"
#include "settings/SceneEditorView.h"

namespace swivlo {
namespace {

using settings::ColorChooser;

// The scene editor with its swatch near the right edge of the screen, as in a window placed
// there.
class CustomColorPopoverTest : public testing::SettingsTest {
protected:
    void SetUp() override {
        editor.resize(540, 600);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
        const QRect screen = editor.screen()->availableGeometry();
        const int swatchRight = swatch()->mapToGlobal(QPoint(swatch()->width(), 0)).x();
        editor.move(editor.pos() + QPoint(screen.right() - 30 - swatchRight, 0));
        QTest::mouseClick(swatch(), Qt::LeftButton);
        popover = swatch()->picker();
        ASSERT_NE(popover, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popover));
        chooser = qobject_cast<ColorChooser*>(popover);
    }
    CustomColorButton* swatch() { return editor.customColorButton(); }

    SceneManager manager;
    SceneEditorView editor{manager, std::nullopt};
    QWidget* popover = nullptr;
    ColorChooser* chooser = nullptr;
};

TEST_F(CustomColorPopoverTest, FitsOnTheScreenBesideTheSwatch) {
    const QRect frame = popover->frameGeometry();
    EXPECT_TRUE(popover->screen()->availableGeometry().contains(frame));
    EXPECT_LT(frame.right(), swatch()->mapToGlobal(QPoint(0, 0)).x());
}

TEST_F(CustomColorPopoverTest, APickGoesToTheSwatchAndTheSceneWithoutItsOpacity) {
    ASSERT_NE(chooser, nullptr);
    QTest::mouseClick(chooser->opacitySlider(), Qt::LeftButton, {},
                      chooser->opacitySlider()->pointFor(0.5));
    QTest::mouseClick(chooser->field(), Qt::LeftButton, {}, chooser->field()->pointFor(1, 1));
    QColor picked = chooser->color();
    EXPECT_LT(picked.alphaF(), 0.6);
    picked.setAlphaF(1);
    EXPECT_EQ(swatch()->fill(), picked);
    EXPECT_TRUE(swatch()->isSelected());
    EXPECT_EQ(editor.model().selectedColor(), customColorString(picked));

    chooser->hexField()->selectAll();
    QTest::keyClicks(chooser->hexField(), QStringLiteral("#12AB9F"));
    EXPECT_EQ(editor.model().selectedColor(), "custom:12AB9F");
}

class PopoverEscapeTest : public CustomColorPopoverTest,
                          public ::testing::WithParamInterface<bool> {};

// Escape in the first or the last control that takes the focus, after a pick in the first.
TEST_P(PopoverEscapeTest, EscapeClosesTheWholePopoverAfterAPick) {
    std::vector<QWidget*> controls;
    for (QWidget* child : popover->findChildren<QWidget*>()) {
        if (child->focusPolicy() & Qt::ClickFocus && child->isVisible()) {
            controls.push_back(child);
        }
    }
    ASSERT_FALSE(controls.empty());
    QTest::mouseClick(controls.front(), Qt::LeftButton, {}, controls.front()->rect().center());
    QTest::keyClick(GetParam() ? controls.front() : controls.back(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(swatch()->picker(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(FirstAndLastControl, PopoverEscapeTest, ::testing::Bool());

}  // namespace
}  // namespace swivlo
