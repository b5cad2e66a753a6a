#include "panel/HoverableFooterButton.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>

#include "core/Localized.h"
#include "ui/AnimatedValue.h"
#include "ui/Appearance.h"
#include "ui/ContinuousShape.h"
#include "ui/SymbolProvider.h"

namespace swivlo {

namespace {

constexpr int kHorizontalPadding = 8;
constexpr int kVerticalPadding = 6;
constexpr int kIconSpacing = 5;
constexpr qreal kTextSize = 12;

}  // namespace

HoverableFooterButton::HoverableFooterButton(const QString& title, const QString& systemImage,
                                             std::function<void()> action, QWidget* parent)
    : QAbstractButton(parent),
      systemImage_(systemImage),
      action_(std::move(action)),
      highlight_(new AnimatedValue(this, kHoverFadeMs, easeInOutCurve())) {
    setText(localized(title));
    setAccessibleName(text());
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (action_) {
            action_();
        }
    });
    connect(&Appearance::shared(), &Appearance::changed, this, qOverload<>(&QWidget::update));
}

SymbolTitleLabel HoverableFooterButton::label() const {
    return {systemImage_, text(), Appearance::font(kTextSize),
            SymbolProvider::sizeForFont(kTextSize), kIconSpacing};
}

QSize HoverableFooterButton::sizeHint() const {
    return label().size() + QSize(2 * kHorizontalPadding, 2 * kVerticalPadding);
}

void HoverableFooterButton::setHovered(bool hovered) {
    hovered_ = hovered;
    highlight_->animateTo(hovered ? 1.0 : 0.0);
}

void HoverableFooterButton::enterEvent(QEnterEvent* event) {
    setHovered(true);
    QAbstractButton::enterEvent(event);
}

void HoverableFooterButton::leaveEvent(QEvent* event) {
    setHovered(false);
    QAbstractButton::leaveEvent(event);
}

void HoverableFooterButton::focusInEvent(QFocusEvent* event) {
    keyboardFocus_ = Appearance::showsFocusRing(event->reason());
    QAbstractButton::focusInEvent(event);
}

void HoverableFooterButton::focusOutEvent(QFocusEvent* event) {
    keyboardFocus_ = false;
    QAbstractButton::focusOutEvent(event);
}

void HoverableFooterButton::paintEvent(QPaintEvent*) {
    const PanelPalette& colors = Appearance::shared().palette();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    if (highlight_->value() > 0) {
        painter.fillPath(continuousRoundedRect(area, 6),
                         Appearance::withOpacity(colors.primary, 0.06 * highlight_->value()));
    }
    if (hasFocus() && keyboardFocus_) {
        painter.strokePath(continuousRoundedRect(area.adjusted(1, 1, -1, -1), 5),
                           QPen(colors.focusRing, 2));
    }

    // A plain button dims its label while held down.
    if (isDown()) {
        painter.setOpacity(0.6);
    }
    label().paint(painter, area.adjusted(kHorizontalPadding, 0, -kHorizontalPadding, 0),
                  colors.secondaryLabel, colors.secondaryLabel);
}

}  // namespace swivlo
