// Renders the panel's views in the light and dark appearances so they can be looked at:
// panel_widget_demo <output folder>. Runs on the offscreen platform at twice the pixel density.
#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QDir>
#include <QEnterEvent>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include "panel/HoverableRowView.h"
#include "panel/PanelSections.h"
#include "panel/PermissionAlertView.h"
#include "ui/Appearance.h"
#include "ui/SymbolProvider.h"

using namespace swivlo;

namespace {

class DemoPanel : public QWidget {
public:
    DemoPanel() {
        setFixedWidth(300);
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(0, 10, 0, 10);
        column->setSpacing(0);
        column->addWidget(new SectionHeader(QStringLiteral("Quick Switches")));
        auto* card = new PanelCard;
        const auto color = [](const char* name) {
            return Appearance::shared().namedColor(QString::fromLatin1(name));
        };
        struct Item {
            const char* title;
            const char* symbol;
            const char* tint;
            int state;  // 0 off, 1 on, -1 button
            const char* button;
        };
        const Item items[] = {
            {"Hide Desktop", "menubar.rectangle", "blue", 1, ""},
            {"Hide Widgets", "square.grid.2x2.fill", "orange", 0, ""},
            {"Auto Hide Dock", "dock.rectangle", "purple", 0, ""},
            {"Stage Manager", "rectangle.split.3x3", "green", 1, ""},
            {"Hide All Windows", "eye.slash.fill", "red", -1, "Hide"},
            {"Dark Mode", "moon.fill", "indigo", 0, ""},
            {"Keep Awake", "bolt.fill", "yellow", 1, ""},
            {"Screen Cleaner", "sparkles", "cyan", -1, "Start"},
        };
        for (const Item& item : items) {
            const bool on = item.state == 1;
            RowControl control = item.state < 0
                                     ? RowControl::button(QString::fromUtf8(item.button), [] {})
                                     : RowControl::toggle([on] { return on; }, [](bool) {});
            auto* row = new HoverableRowView(
                Row{QString::fromUtf8(item.title), QString::fromUtf8(item.title),
                    QString::fromUtf8(item.symbol), color(item.tint), std::move(control)});
            card->addRow(row);
            if (QString::fromUtf8(item.title) == QLatin1String("Stage Manager")) {
                hovered = row;
            }
            if (QString::fromUtf8(item.title) == QLatin1String("Dark Mode")) {
                focused = row;
            }
        }
        column->addWidget(card);
        column->addWidget(new SectionHeader(QStringLiteral("Scenes"), 4));
        auto* scenes = new PanelCard;
        scenes->addRow(
            new HoverableRowView(Row{"scene_1", "Focus", "brain.head.profile", color("purple"),
                                     RowControl::toggle([] { return true; }, {})}));
        scenes->addRow(new HoverableRowView(Row{"scene_2", "Late Night Movie With A Very Long Name",
                                                "film", QColor(0xE0, 0x5A, 0x9B),
                                                RowControl::toggle([] { return false; }, {})}));
        column->addWidget(scenes);
        column->addWidget(new PanelFooter);
        alert = new PermissionAlertView(this);
    }

    HoverableRowView* hovered = nullptr;
    HoverableRowView* focused = nullptr;
    PermissionAlertView* alert = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Appearance::shared().palette().panelBackground);
    }
};

QImage symbolSheet() {
    const QStringList names = SymbolProvider::names() << QStringLiteral("no.such.symbol");
    const int columns = 10;
    const int cell = 40;
    const int rows = (static_cast<int>(names.size()) + columns - 1) / columns;
    QImage sheet(columns * cell * 2, rows * cell * 2, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(2);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < names.size(); ++i) {
        const QRectF box((i % columns) * cell + 8, (i / columns) * cell + 8, 24, 24);
        SymbolProvider::paint(painter, box, names[i], QColor(30, 30, 30));
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    for (const bool dark : {false, true}) {
        Appearance::shared().setDark(dark);
        DemoPanel panel;
        panel.adjustSize();
        panel.show();
        QApplication::setActiveWindow(&panel);
        // Show one keyboard focus ring, as after pressing Tab.
        panel.focused->control()->setFocus(Qt::TabFocusReason);
        QEnterEvent enter(QPointF(20, 20), QPointF(20, 20), QPointF(20, 20));
        QApplication::sendEvent(panel.hovered->hoverArea(), &enter);
        // Let the hover fade finish before taking the picture.
        QEventLoop settle;
        QTimer::singleShot(400, &settle, &QEventLoop::quit);
        settle.exec();
        const QString suffix = dark ? QStringLiteral("dark") : QStringLiteral("light");
        panel.grab().save(out.filePath(QStringLiteral("panel-%1.png").arg(suffix)));
        panel.alert->present();
        panel.grab().save(out.filePath(QStringLiteral("panel-alert-%1.png").arg(suffix)));
    }
    symbolSheet().save(out.filePath(QStringLiteral("symbols.png")));
    return 0;
}
