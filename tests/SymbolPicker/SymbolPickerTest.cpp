#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include "SymbolPicker/SymbolGridModel.h"
#include "SymbolPicker/SymbolGridView.h"
#include "SymbolPicker/SymbolPicker.h"
#include "TestSymbols.h"

namespace swivlo {
namespace {

using C = SymbolCategory;

SymbolList smallCatalogue() {
    return testing::symbolList(
        {{"moon", {C::weather}}, {"house", {C::home}}, {"plain", {}}, {"house.fill", {C::home}}});
}

// The caller's side of a binding: its value and every write it received.
template <typename T>
struct Caller {
    T value;
    std::vector<T> writes;
    Binding<T> binding() {
        return {[this] { return value; },
                [this](const T& v) {
                    writes.push_back(v);
                    value = v;
                }};
    }
};

class SymbolPickerTest : public ::testing::Test {
protected:
    void show(SymbolPicker& picker) {
        picker.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&picker));
        QCoreApplication::processEvents();
        picker.grid()->doItemsLayout();
    }
    // A shown picker over every category, bound to `caller`.
    template <typename T>
    std::unique_ptr<SymbolPicker> open(Caller<T>& caller, SymbolList list = smallCatalogue()) {
        auto picker = std::make_unique<SymbolPicker>(caller.binding(), allSymbolCategories(),
                                                     nullptr, std::move(list));
        show(*picker);
        return picker;
    }
    void clickCell(SymbolPicker& picker, const QString& name) {
        const int row = picker.model().grid()->rowOf(name);
        ASSERT_GE(row, 0) << name.toStdString();
        const QModelIndex index = picker.model().grid()->index(row);
        picker.grid()->scrollTo(index);
        const QPoint centre = picker.grid()->visualRect(index).center();
        QTest::mouseClick(picker.grid()->viewport(), Qt::LeftButton, {}, centre);
    }
    QStringList visibleNames(SymbolPicker& picker) {
        QStringList names;
        for (int row = 0; row < picker.model().grid()->rowCount(); ++row) {
            names << picker.model().grid()->nameAt(row);
        }
        return names;
    }
};

// Another cell, or the highlighted current one again: either is stored and closes the picker.
TEST_F(SymbolPickerTest, ChoosingACellStoresItsNameAndCloses) {
    for (const char* name : {"house.fill", "house"}) {
        Caller<QString> caller{QStringLiteral("house"), {}};
        auto picker = open(caller);
        auto* grid = picker->model().grid();
        const auto selected = [grid](const char* cell) {
            return grid->index(grid->rowOf(QString::fromUtf8(cell)))
                .data(SymbolGridModel::SelectedRole)
                .toBool();
        };
        EXPECT_TRUE(selected("house"));
        EXPECT_FALSE(selected("house.fill"));
        clickCell(*picker, QString::fromUtf8(name));
        EXPECT_EQ(caller.writes, std::vector<QString>{QString::fromUtf8(name)});
        EXPECT_FALSE(picker->isVisible());
        EXPECT_EQ(picker->result(), QDialog::Accepted);
    }
}

// Remove shows only for an optional binding with a symbol chosen.
TEST_F(SymbolPickerTest, RemoveIsOfferedOnlyWhileAnOptionalSymbolIsChosen) {
    Caller<QString> required{QStringLiteral("moon"), {}};
    EXPECT_EQ(open(required)->removeRow(), nullptr);
    Caller<std::optional<QString>> none{std::nullopt, {}};
    auto empty = open(none);
    ASSERT_NE(empty->removeRow(), nullptr);
    EXPECT_FALSE(empty->removeRow()->isVisible());

    Caller<std::optional<QString>> chosen{QStringLiteral("moon"), {}};
    auto picker = open(chosen);
    ASSERT_TRUE(picker->removeRow()->isVisible());
    QTest::mouseClick(picker->removeButton(), Qt::LeftButton);
    EXPECT_EQ(chosen.writes, std::vector<std::optional<QString>>{std::nullopt});
    EXPECT_FALSE(picker->isVisible());
}

TEST_F(SymbolPickerTest, CloseAndEscapeLeaveTheValueAsItWas) {
    for (bool escape : {false, true}) {
        Caller<std::optional<QString>> caller{QStringLiteral("moon"), {}};
        auto picker = open(caller);
        if (escape) {
            QTest::keyClick(picker->searchField(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(picker->closeButton(), Qt::LeftButton);
        }
        EXPECT_TRUE(caller.writes.empty());
        EXPECT_FALSE(picker->isVisible());
    }
}

TEST_F(SymbolPickerTest, EveryKeystrokeFiltersTheGridAtOnce) {
    Caller<QString> caller{QStringLiteral("moon"), {}};
    auto picker = open(caller);
    EXPECT_EQ(visibleNames(*picker).size(), 4);
    QTest::keyClick(picker->searchField(), Qt::Key_H);
    EXPECT_EQ(visibleNames(*picker),
              (QStringList{QStringLiteral("house"), QStringLiteral("house.fill")}));
    QTest::keyClicks(picker->searchField(), QStringLiteral("OUSE."));
    EXPECT_EQ(visibleNames(*picker), QStringList{QStringLiteral("house.fill")});
    QTest::keyClick(picker->searchField(), Qt::Key_Backspace);
    EXPECT_EQ(visibleNames(*picker).size(), 2);
    QTest::keyClick(picker->searchField(), Qt::Key_Return);  // chooses nothing
    EXPECT_TRUE(caller.writes.empty());
    EXPECT_TRUE(picker->isVisible());
}

TEST_F(SymbolPickerTest, KeyboardReachesTheGridAndReturnChooses) {
    Caller<QString> caller{QStringLiteral("moon"), {}};
    auto picker = open(caller);
    QTest::keyClicks(picker->searchField(), QStringLiteral("house"));
    QTest::keyClick(picker->searchField(), Qt::Key_Down);
    QTest::keyClick(picker->grid(), Qt::Key_Right);
    QTest::keyClick(picker->grid(), Qt::Key_Return);
    EXPECT_EQ(caller.writes, std::vector<QString>{QStringLiteral("house.fill")});
}

// A name is a symbol's identity: listed twice, it is one cell, in the first line's place, found
// under the categories of both lines.
TEST_F(SymbolPickerTest, ANameListedTwiceIsOneCell) {
    const SymbolList listed =
        parseSymbolList(QStringLiteral("moon,weather\nhouse,home\nmoon,nature\nmoon\n"));
    Caller<QString> caller{QStringLiteral("house"), {}};
    auto all = open(caller, listed);
    EXPECT_EQ(visibleNames(*all), (QStringList{QStringLiteral("moon"), QStringLiteral("house")}));
    for (const auto category : {C::weather, C::nature}) {
        SymbolPicker narrow(caller.binding(), {category}, nullptr, listed);
        show(narrow);
        EXPECT_EQ(visibleNames(narrow), QStringList{QStringLiteral("moon")});
    }
}

TEST_F(SymbolPickerTest, AnEmptyCatalogueStillSearchesAndCloses) {
    Caller<QString> caller{QStringLiteral("moon"), {}};
    auto picker = open(caller, SymbolList{});
    QTest::keyClicks(picker->searchField(), QStringLiteral("sun"));
    QTest::keyClick(picker->searchField(), Qt::Key_Down);
    QTest::mouseClick(picker->closeButton(), Qt::LeftButton);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_TRUE(caller.writes.empty());
}

TEST_F(SymbolPickerTest, ActionsAfterDismissReachTheCallerNoMore) {
    Caller<std::optional<QString>> caller{QStringLiteral("moon"), {}};
    SymbolPickerModel model(caller.binding(), allSymbolCategories(), smallCatalogue());
    QSignalSpy dismissed(&model, &SymbolPickerModel::dismissRequested);
    model.choose(QStringLiteral("house"));
    model.choose(QStringLiteral("plain"));
    model.removeSymbol();
    model.close();
    EXPECT_EQ(caller.writes, std::vector<std::optional<QString>>{QStringLiteral("house")});
    EXPECT_EQ(dismissed.count(), 1);
}

TEST(SymbolGridModelTest, ACellsTipShowsItsNameAsText) {
    const char* name = "<b>moon</b>&amp;";
    SymbolGridModel model(testing::symbolList({{name, {C::weather}}}), allSymbolCategories());
    ASSERT_EQ(model.rowCount(), 1);
    // What a tool tip shows: markup when the text looks like markup, else the text itself.
    const QString tip = model.data(model.index(0), Qt::ToolTipRole).toString();
    QTextDocument shown;
    if (Qt::mightBeRichText(tip)) {
        shown.setHtml(tip);
    } else {
        shown.setPlainText(tip);
    }
    EXPECT_EQ(shown.toPlainText(), QString::fromUtf8(name));
}

}  // namespace
}  // namespace swivlo
