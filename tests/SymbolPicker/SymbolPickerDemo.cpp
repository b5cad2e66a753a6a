// Renders the symbol picker with a search typed, to a PNG file.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "SymbolPicker/SymbolPicker.h"
#include "panel/Appearance.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: symbol_picker_demo <output.png> [search text] [dark]");
        return 2;
    }
    const QString search = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    swivlo::Appearance::shared().setDark(argc > 3 && QByteArray(argv[3]) == "dark");
    std::optional<QString> chosen = QStringLiteral("star.fill");
    swivlo::SymbolPicker picker(
        swivlo::Binding<std::optional<QString>>{
            [&] { return chosen; }, [&](const std::optional<QString>& v) { chosen = v; }},
        swivlo::allSymbolCategories());
    picker.show();
    if (!QTest::qWaitForWindowExposed(&picker)) {
        return 1;
    }
    QTest::keyClicks(picker.searchField(), search);
    QTest::qWait(50);
    return picker.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
