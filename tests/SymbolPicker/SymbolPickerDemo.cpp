// Renders the symbol picker with a search typed, to a PNG file. With "screen", opens it as a
// window-modal sheet over a parent window and saves the whole screen (run under an X server).
//   symbol_picker_demo <output.png> [search text] [light|dark] [widget|screen]
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "SymbolPicker/SymbolPicker.h"
#include "ui/Appearance.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning(
            "usage: symbol_picker_demo <output.png> [search text] [light|dark] [widget|screen]");
        return 2;
    }
    const QString search = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    swivlo::Appearance::shared().setDark(argc > 3 && QByteArray(argv[3]) == "dark");
    const bool screen = argc > 4 && QByteArray(argv[4]) == "screen";

    QString chosen = QStringLiteral("star.fill");
    swivlo::Binding<QString> binding{[&] { return chosen; }, [&](const QString& v) { chosen = v; }};
    QLabel parent(QStringLiteral("Scene editor stand-in"));
    parent.setAlignment(Qt::AlignCenter);
    parent.resize(620, 520);
    parent.move(200, 80);
    swivlo::SymbolPicker* picker = nullptr;
    if (screen) {
        parent.show();
        if (!QTest::qWaitForWindowExposed(&parent)) {
            return 1;
        }
        picker = swivlo::SymbolPicker::present(&parent, binding, swivlo::allSymbolCategories());
    } else {
        picker = new swivlo::SymbolPicker(binding, swivlo::allSymbolCategories());
        picker->show();
    }
    if (!QTest::qWaitForWindowExposed(picker)) {
        return 1;
    }
    QTest::keyClicks(picker->searchField(), search);
    QTest::qWait(100);
    const QPixmap shot = screen ? picker->screen()->grabWindow(0) : picker->grab();
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
