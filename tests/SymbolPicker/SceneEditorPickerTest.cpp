#include <gtest/gtest.h>
#include <QTest>

#include "SymbolPicker/SymbolPicker.h"
#include "fakes/TestPlatform.h"
#include "scenes/SceneManager.h"
#include "settings/EditorButtons.h"
#include "settings/SceneEditorView.h"

namespace swivlo {
namespace {

class SceneEditorPickerTest : public ::testing::Test {
protected:
    testing::TestPlatform platform;
    SceneManager manager;
    SceneEditorView editor{manager, std::nullopt};
};

TEST_F(SceneEditorPickerTest, TheCustomTileOpensAModalPickerAndThePickedSymbolIsSelected) {
    editor.show();
    QTest::mouseClick(editor.customIconButton(), Qt::LeftButton);
    auto* picker = qobject_cast<SymbolPicker*>(editor.customIconButton()->picker());
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->windowModality(), Qt::WindowModal);
    picker->model().choose(QStringLiteral("cloud.sun.fill"));
    EXPECT_EQ(editor.model().customIcon(), "cloud.sun.fill");
    EXPECT_EQ(editor.model().selectedIcon(), "cloud.sun.fill");
    EXPECT_EQ(editor.customIconButton()->icon(), QStringLiteral("cloud.sun.fill"));
    EXPECT_TRUE(editor.customIconButton()->isSelected());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(editor.customIconButton()->showingPicker());
}

}  // namespace
}  // namespace swivlo
