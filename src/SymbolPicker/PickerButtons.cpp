#include "SymbolPicker/PickerButtons.h"

#include <QPainter>
#include <QPainterPath>

#include "panel/Appearance.h"
#include "panel/SymbolProvider.h"

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

QSize RemoveSymbolButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const int symbol = SymbolProvider::sizeForFont(kRemoveFontSize);
    const int width =
        2 * kRemovePaddingX + symbol + kRemoveSymbolGap + metrics.horizontalAdvance(text());
    const int height = 2 * kRemovePaddingY + std::max(symbol, metrics.height());
    return {width, height};
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
    const int symbol = SymbolProvider::sizeForFont(kRemoveFontSize);
    const QRectF symbolBox(kRemovePaddingX, (height() - symbol) / 2.0, symbol, symbol);
    SymbolProvider::paint(painter, symbolBox, QStringLiteral("trash"), red);
    painter.setPen(red);
    painter.setFont(font());
    const QRectF textBox(symbolBox.right() + kRemoveSymbolGap, 0,
                         width() - symbolBox.right() - kRemoveSymbolGap, height());
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, text());
}

}  // namespace swivlo
