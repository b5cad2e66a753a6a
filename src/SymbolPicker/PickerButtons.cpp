#include "SymbolPicker/PickerButtons.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/Appearance.h"
#include "ui/SymbolProvider.h"

namespace swivlo {

namespace {

constexpr int kRemovePaddingX = 12;
constexpr int kRemovePaddingY = 8;
constexpr int kRemoveSymbolGap = 6;
constexpr qreal kRemoveFontSize = 13;

QColor destructiveColor() {
    return Appearance::shared().namedColor(QStringLiteral("red"));
}

}  // namespace

SymbolIconButton::SymbolIconButton(QString symbol, int side, QWidget* parent)
    : QAbstractButton(parent), symbol_(std::move(symbol)), side_(side) {
    setFixedSize(side_, side_);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void SymbolIconButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const PanelPalette& palette = Appearance::shared().palette();
    const QColor color = isDown() || underMouse() ? palette.label : palette.secondaryLabel;
    SymbolProvider::paint(painter, QRectF(rect()), symbol_, color);
    if (hasFocus()) {
        painter.setPen(QPen(palette.focusRing, 2));
        painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

RemoveSymbolButton::RemoveSymbolButton(const QString& title, QWidget* parent)
    : QPushButton(title, parent) {
    setAutoDefault(false);
    setDefault(false);
    setFlat(true);
    setFont(Appearance::font(kRemoveFontSize));
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

SymbolTitleLabel RemoveSymbolButton::label() const {
    return {QStringLiteral("trash"), text(), font(), SymbolProvider::sizeForFont(kRemoveFontSize),
            kRemoveSymbolGap};
}

QSize RemoveSymbolButton::sizeHint() const {
    return label().size() + QSize(2 * kRemovePaddingX, 2 * kRemovePaddingY);
}

void RemoveSymbolButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor red = destructiveColor();
    if (underMouse() || isDown() || hasFocus()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Appearance::withOpacity(red, isDown() ? 0.2 : 0.1));
        painter.drawRoundedRect(QRectF(rect()), 12, 12);
    }
    label().paint(painter, QRectF(rect()).adjusted(kRemovePaddingX, 0, 0, 0), red, red);
}

}  // namespace swivlo
