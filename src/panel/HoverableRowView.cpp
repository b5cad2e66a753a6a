#include "panel/HoverableRowView.h"

#include <QBoxLayout>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QScopedValueRollback>

#include "core/Localized.h"
#include "panel/CapsuleButton.h"
#include "ui/AnimatedValue.h"
#include "ui/Appearance.h"
#include "ui/ContinuousShape.h"
#include "ui/SwitchControl.h"
#include "ui/SymbolProvider.h"

namespace swivlo {

namespace {

constexpr int kOuterPadding = 6;
constexpr int kHorizontalPadding = 10;
constexpr int kVerticalPadding = 6;
constexpr int kSpacing = 10;
constexpr qreal kTitleSize = 13;
constexpr qreal kCaptionSize = 11;
constexpr qreal kSymbolSize = 13;

}  // namespace

// The padded, highlighted part of the row. It draws the badge and title itself so a long
// title is shortened to the room left beside the control.
class RowSurface : public QWidget {
public:
    explicit RowSurface(HoverableRowView* row) : QWidget(row), row_(row) {}

protected:
    void enterEvent(QEnterEvent*) override { row_->setHovered(true); }
    void leaveEvent(QEvent*) override { row_->setHovered(false); }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        row_->paintSurface(painter, rect());
    }

private:
    HoverableRowView* row_;
};

HoverableRowView::HoverableRowView(Row row, QWidget* parent)
    : QWidget(parent), row_(std::move(row)), title_(localized(row_.title)) {
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(kOuterPadding, 0, kOuterPadding, 0);
    outer->setSpacing(0);
    surface_ = new RowSurface(this);
    outer->addWidget(surface_);
    highlight_ = new AnimatedValue(surface_, kHoverFadeMs, easeInOutCurve());

    auto* content = new QHBoxLayout(surface_);
    content->setContentsMargins(kHorizontalPadding, kVerticalPadding, kHorizontalPadding,
                                kVerticalPadding);
    content->setSpacing(kSpacing);
    // The badge and title are painted; these spacers hold their places in the layout.
    content->addSpacing(kBadgeSize);
    content->addStretch(1);

    if (const RowControl::Toggle* toggle = row_.control.asToggle()) {
        auto* switchControl = new SwitchControl(surface_);
        switchControl->setTint(row_.tint);
        switchControl->setChecked(toggle->get && toggle->get());
        // toggled rather than clicked: a screen reader's "Toggle" flips the switch without a
        // click, and must reach the owner all the same.
        connect(switchControl, &QAbstractButton::toggled, this, &HoverableRowView::onToggled);
        // The switch keeps room for its focus ring beside the track; that room overhangs the
        // padding so the track ends where a capsule button does.
        const int ringRoom =
            (switchControl->sizeHint().width() - qRound(SwitchControl::kTrackSize.width())) / 2;
        content->setContentsMargins(kHorizontalPadding, kVerticalPadding,
                                    kHorizontalPadding - ringRoom, kVerticalPadding);
        control_ = switchControl;
    } else if (const RowControl::Button* button = row_.control.asButton()) {
        auto* capsuleButton = new CapsuleButton(button->title, surface_);
        capsuleButton->setAccessibleDescription(button->title);
        connect(capsuleButton, &QAbstractButton::clicked, this, [this] {
            if (const RowControl::Button* b = row_.control.asButton(); b && b->action) {
                b->action();
            }
        });
        control_ = capsuleButton;
    }
    control_->setAccessibleName(title_);
    control_->installEventFilter(this);
    content->addWidget(control_, 0, Qt::AlignVCenter);

    setMinimumHeight(kBadgeSize + 2 * kVerticalPadding);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(&Appearance::shared(), &Appearance::changed, surface_, qOverload<>(&QWidget::update));
    refresh();
}

bool HoverableRowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_ && event->type() == QEvent::FocusIn) {
        focusReason_ = static_cast<QFocusEvent*>(event)->reason();
    }
    return QWidget::eventFilter(watched, event);
}

void HoverableRowView::onToggled(bool on) {
    const RowControl::Toggle* toggle = row_.control.asToggle();
    // Showing the owner's value flips the switch too: that is no request.
    if (!toggle || refreshing_) {
        return;
    }
    if (toggle->set) {
        toggle->set(on);
    }
    // The owner may keep the old value (e.g. the host refused); show what it holds.
    refresh();
}

void HoverableRowView::refresh() {
    const RowControl::Toggle* toggle = row_.control.asToggle();
    if (toggle && toggle->get) {
        const QScopedValueRollback guard(refreshing_, true);
        control_->setChecked(toggle->get());
    }
    const QString caption = row_.caption ? row_.caption() : QString();
    if (caption != caption_) {
        caption_ = caption;
        // Heard by a screen reader as the switch's description.
        control_->setAccessibleDescription(caption_);
        surface_->update();
    }
}

void HoverableRowView::setHovered(bool hovered) {
    if (hovered == hovered_) {
        return;
    }
    hovered_ = hovered;
    highlight_->animateTo(hovered ? 1.0 : 0.0);
    emit hoveredChanged(hovered);
}

void HoverableRowView::paintSurface(QPainter& painter, const QRect& area) const {
    const PanelPalette& colors = Appearance::shared().palette();
    painter.setRenderHint(QPainter::Antialiasing);

    if (highlight_->value() > 0) {
        painter.fillPath(continuousRoundedRect(area, 8),
                         Appearance::withOpacity(colors.primary, 0.05 * highlight_->value()));
    }

    const QRectF badge(area.left() + kHorizontalPadding,
                       area.top() + (area.height() - kBadgeSize) / 2.0, kBadgeSize, kBadgeSize);
    painter.fillPath(continuousRoundedRect(badge, 8), Appearance::withOpacity(row_.tint, 0.15));
    const int symbol = SymbolProvider::sizeForFont(kSymbolSize);
    SymbolProvider::paint(
        painter,
        QRectF(badge.center() - QPointF(symbol / 2.0, symbol / 2.0), QSizeF(symbol, symbol)),
        row_.systemImage, row_.tint);

    const QFont font = Appearance::font(kTitleSize);
    const qreal titleLeft = badge.right() + kSpacing;
    const qreal titleRight =
        control_ ? control_->geometry().left() - kSpacing : area.right() - kHorizontalPadding;
    const qreal width = std::max(0.0, titleRight - titleLeft);
    QRectF titleBox(titleLeft, area.top(), width, area.height());
    if (!caption_.isEmpty()) {
        // Title and caption share the row's middle, one above the other.
        const QFont captionFont = Appearance::font(kCaptionSize);
        const qreal titleHeight = QFontMetricsF(font).height();
        const qreal captionHeight = QFontMetricsF(captionFont).height();
        const qreal top = area.top() + (area.height() - titleHeight - captionHeight) / 2;
        titleBox = QRectF(titleLeft, top, width, titleHeight);
        const QRectF captionBox(titleLeft, top + titleHeight, width, captionHeight);
        painter.setFont(captionFont);
        painter.setPen(colors.secondaryLabel);
        painter.drawText(
            captionBox, Qt::AlignLeft | Qt::AlignVCenter,
            QFontMetrics(captionFont).elidedText(caption_, Qt::ElideRight, qFloor(width)));
    }
    painter.setFont(font);
    painter.setPen(colors.label);
    painter.drawText(
        titleBox, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(font).elidedText(title_, Qt::ElideRight, qFloor(titleBox.width())));
}

}  // namespace swivlo
