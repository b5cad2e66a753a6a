#include "settings/EditorButtons.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "SymbolPicker/SymbolPicker.h"
#include "core/Localized.h"
#include "settings/ColorChooser.h"
#include "settings/SettingsStyle.h"
#include "ui/Appearance.h"
#include "ui/SymbolProvider.h"

namespace swivlo {

using namespace settings;

IconButton::IconButton(QString icon, bool isSelected, QWidget* parent)
    : QAbstractButton(parent), icon_(std::move(icon)), isSelected_(isSelected) {
    setFixedSize(52, 52);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(icon_);
}

void IconButton::setIcon(const QString& icon) {
    icon_ = icon;
    setAccessibleName(icon_);
    update();
}

void IconButton::setSelected(bool selected) {
    isSelected_ = selected;
    update();
}

void IconButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isSelected_ ? accentColor()
                                 : Appearance::withOpacity(secondaryLabelColor(), 0.2));
    painter.drawRoundedRect(QRectF(rect()), 10, 10);
    const QColor symbolColor = isSelected_ ? QColor(Qt::white) : labelColor();
    const QRectF box(14, 14, 24, 24);
    SymbolProvider::paint(painter, box, icon_, symbolColor);
}

CustomIconButton::CustomIconButton(QString icon, bool isSelected, std::function<void()> onSelect,
                                   std::function<void(const std::string&)> onIconChange,
                                   QWidget* parent)
    : IconButton(std::move(icon), isSelected, parent), onIconChange_(std::move(onIconChange)) {
    setToolTip(localized("Custom Icon"));
    connect(this, &QAbstractButton::clicked, this, [this, onSelect = std::move(onSelect)] {
        if (onSelect) {
            onSelect();
        }
        showPicker();
    });
}

void CustomIconButton::showPicker() {
    // Reading yields the tile's symbol; a picked name goes to onIconChange.
    Binding<QString> symbol{[this] { return icon(); },
                            [this](const QString& name) {
                                if (onIconChange_) {
                                    onIconChange_(name.toStdString());
                                }
                            }};
    QWidget* picker = SymbolPicker::present(this, std::move(symbol), allSymbolCategories());
    picker_ = picker;
}

ColorButton::ColorButton(QColor fill, bool isSelected, QWidget* parent)
    : QAbstractButton(parent), fill_(std::move(fill)), isSelected_(isSelected) {
    setFixedSize(40, 40);
    setCursor(Qt::PointingHandCursor);
}

void ColorButton::setSelected(bool selected) {
    isSelected_ = selected;
    update();
}

void ColorButton::setFill(const QColor& fill) {
    fill_ = fill;
    update();
}

void ColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill_);
    painter.drawEllipse(circle);
    if (isSelected_) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 4));
        painter.drawEllipse(circle.adjusted(2, 2, -2, -2));
    }
    const qreal ringOpacity = isSelected_ ? 0.3 : idleRingOpacity_;
    if (ringOpacity > 0) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(
            QPen(Appearance::withOpacity(Appearance::shared().palette().primary, ringOpacity), 1));
        painter.drawEllipse(circle);
    }
}

CustomColorButton::CustomColorButton(QColor color, bool isSelected, std::function<void()> onSelect,
                                     std::function<void(const QColor&)> onColorChange,
                                     QWidget* parent)
    : ColorButton(std::move(color), isSelected, parent), onColorChange_(std::move(onColorChange)) {
    idleRingOpacity_ = 0.15;
    setAccessibleName(localized("Custom Color"));
    connect(this, &QAbstractButton::clicked, this, [this, onSelect = std::move(onSelect)] {
        if (onSelect) {
            onSelect();
        }
        showPicker();
    });
}

void CustomColorButton::showPicker() {
    // A popover beside the swatch, on screen, with a compact picker bound to the swatch's colour.
    auto* chooser = new ColorChooser(fill(), this);
    chooser->setWindowFlags(Qt::Popup);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->setObjectName(QStringLiteral("CustomColorPopover"));
    connect(chooser, &ColorChooser::colorChanged, this, [this](const QColor& color) {
        if (onColorChange_) {
            onColorChange_(color);
        }
    });
    picker_ = chooser;
    chooser->adjustSize();
    const QRect swatch(mapToGlobal(QPoint(0, 0)), size());
    const QRect available = screen() ? screen()->availableGeometry() : swatch;
    chooser->setGeometry(placeBeside(swatch, chooser->size(), available, 8));
    chooser->show();
}

}  // namespace swivlo
