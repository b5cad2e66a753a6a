#include "panel/PermissionAlertView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "core/Localized.h"
#include "ui/Appearance.h"
#include "ui/ContinuousShape.h"
#include "ui/SymbolProvider.h"

namespace swivlo {

namespace {

constexpr qreal kBoxRadius = 12;
constexpr int kBoxPadding = 16;
constexpr int kButtonHeight = 28;
constexpr int kIconSize = 36;
// Between the box and the panel's edges.
constexpr int kCoverMargin = 20;

// A push button of the alert; the default one is filled with the accent colour.
class AlertButton : public QAbstractButton {
public:
    AlertButton(const QString& title, bool isDefault, QWidget* parent)
        : QAbstractButton(parent), default_(isDefault) {
        setText(title);
        setAccessibleName(title);
        setFocusPolicy(Qt::StrongFocus);
        setFixedHeight(kButtonHeight);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(&Appearance::shared(), &Appearance::changed, this, qOverload<>(&QWidget::update));
    }

    QSize sizeHint() const override {
        return {QFontMetrics(Appearance::font(13)).horizontalAdvance(text()) + 24, kButtonHeight};
    }

protected:
    void focusInEvent(QFocusEvent* event) override {
        ring_ = Appearance::showsFocusRing(event->reason());
        QAbstractButton::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        ring_ = false;
        QAbstractButton::focusOutEvent(event);
    }
    void paintEvent(QPaintEvent*) override {
        const Appearance& appearance = Appearance::shared();
        const PanelPalette& colors = appearance.palette();
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
        const QPainterPath shape = continuousRoundedRect(frame, 6);
        if (default_) {
            painter.fillPath(shape, colors.accent);
        } else {
            painter.fillPath(
                shape, appearance.isDark() ? QColor(255, 255, 255, 46) : colors.controlBackground);
            painter.strokePath(shape, QPen(Appearance::withOpacity(colors.primary, 0.12), 0.5));
        }
        if (isDown()) {
            painter.fillPath(shape, QColor(0, 0, 0, 30));
        }
        if (ring_ && hasFocus()) {
            painter.strokePath(
                continuousRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 7),
                QPen(colors.focusRing, 2));
        }
        painter.setFont(Appearance::font(13, default_ ? QFont::Medium : QFont::Normal));
        painter.setPen(default_ ? QColor(Qt::white) : colors.label);
        painter.drawText(
            frame, Qt::AlignCenter,
            QFontMetrics(painter.font()).elidedText(text(), Qt::ElideRight, width() - 12));
    }

private:
    bool default_;
    bool ring_ = false;
};

}  // namespace

PermissionAlertView::PermissionAlertView(QWidget* panel)
    : QWidget(panel),
      box_(new QWidget(this)),
      title_(new QLabel(localized(QStringLiteral("Permission Required")), box_)),
      message_(new QLabel(localized(QStringLiteral(
                              "Please grant Swivlo accessibility permissions in System Settings "
                              "> Privacy & Security > Accessibility")),
                          box_)),
      ignore_(new AlertButton(localized(QStringLiteral("Ignore")), false, box_)),
      openSettings_(new AlertButton(localized(QStringLiteral("Open Settings")), true, box_)) {
    setAccessibleName(title_->text());
    setAccessibleDescription(message_->text());

    auto* column = new QVBoxLayout(box_);
    column->setContentsMargins(kBoxPadding, kBoxPadding + kIconSize + 10, kBoxPadding, kBoxPadding);
    column->setSpacing(6);
    title_->setTextFormat(Qt::PlainText);
    message_->setTextFormat(Qt::PlainText);
    title_->setFont(Appearance::font(13, QFont::Bold));
    title_->setAlignment(Qt::AlignCenter);
    title_->setWordWrap(true);
    message_->setFont(Appearance::font(11));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    column->addWidget(title_);
    column->addWidget(message_);
    column->addSpacing(10);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(ignore_);
    buttons->addWidget(openSettings_);
    column->addLayout(buttons);

    connect(ignore_, &QAbstractButton::clicked, this, [this] {
        emit ignoreRequested();
        dismiss();
    });
    connect(openSettings_, &QAbstractButton::clicked, this, [this] {
        emit openSettingsRequested();
        dismiss();
    });
    connect(&Appearance::shared(), &Appearance::changed, this, &PermissionAlertView::restyle);

    panel->installEventFilter(this);
    restyle();
    hide();
}

QString PermissionAlertView::title() const {
    return title_->text();
}

QString PermissionAlertView::message() const {
    return message_->text();
}

QRect PermissionAlertView::boxGeometry() const {
    return box_->geometry();
}

void PermissionAlertView::present() {
    QWidget* focused = QApplication::focusWidget();
    focusBefore_ = focused && window()->isAncestorOf(focused) ? focused : nullptr;
    layoutBox();
    show();
    raise();
    openSettings_->setFocus(Qt::PopupFocusReason);
}

void PermissionAlertView::dismiss() {
    if (isHidden()) {
        return;
    }
    // The focus goes back where it was before the alert (nothing, when it came as the panel
    // opened), rather than to whichever control follows the alert's buttons.
    if (isAncestorOf(QApplication::focusWidget())) {
        QWidget* back = focusBefore_ && focusBefore_->isVisible() ? focusBefore_.data() : window();
        back->setFocus(Qt::PopupFocusReason);
    }
    hide();
    emit dismissed();
}

int PermissionAlertView::boxWidth() const {
    const int room = parentWidget() ? parentWidget()->width() : width();
    return std::min(kBoxWidth, std::max(0, room - 2 * kCoverMargin));
}

int PermissionAlertView::boxHeight(int width) const {
    return box_->layout()->hasHeightForWidth() ? box_->layout()->heightForWidth(width)
                                               : box_->sizeHint().height();
}

int PermissionAlertView::fittingHeight() const {
    return boxHeight(boxWidth()) + 2 * kCoverMargin;
}

void PermissionAlertView::layoutBox() {
    if (parentWidget()) {
        setGeometry(parentWidget()->rect());
    }
    const int width = boxWidth();
    const int height = boxHeight(width);
    box_->setGeometry((this->width() - width) / 2, (this->height() - height) / 2, width, height);
}

void PermissionAlertView::restyle() {
    const PanelPalette& colors = Appearance::shared().palette();
    for (QLabel* label : {title_, message_}) {
        Appearance::setTextColor(*label, colors.label);
    }
    update();
}

bool PermissionAlertView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        layoutBox();
    }
    return QWidget::eventFilter(watched, event);
}

void PermissionAlertView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            ignore_->click();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            openSettings_->click();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void PermissionAlertView::mousePressEvent(QMouseEvent* event) {
    // The cover takes every click so nothing behind the alert can be used while it shows.
    event->accept();
}

bool PermissionAlertView::focusNextPrevChild(bool) {
    // Keep keyboard focus inside the alert: Tab moves between its two buttons.
    QAbstractButton* next = ignore_->hasFocus() ? openSettings_ : ignore_;
    next->setFocus(Qt::TabFocusReason);
    return true;
}

void PermissionAlertView::paintEvent(QPaintEvent*) {
    const Appearance& appearance = Appearance::shared();
    const PanelPalette& colors = appearance.palette();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0, 0, 0, appearance.isDark() ? 90 : 40));

    const QRectF box = box_->geometry();
    // A soft shadow built from a few widening, fading outlines.
    for (int i = 1; i <= 6; ++i) {
        painter.fillPath(continuousRoundedRect(box.adjusted(-i, -i + 2, i, i + 2), kBoxRadius + i),
                         QColor(0, 0, 0, appearance.isDark() ? 14 : 8));
    }
    const QPainterPath shape = continuousRoundedRect(box, kBoxRadius);
    painter.fillPath(shape, appearance.isDark() ? colors.windowBackground : colors.panelBackground);
    painter.strokePath(continuousRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), kBoxRadius),
                       QPen(Appearance::withOpacity(colors.primary, 0.1), 1));
    if (appearance.isDark()) {
        painter.strokePath(
            continuousRoundedRect(box.adjusted(1.25, 1.25, -1.25, -1.25), kBoxRadius - 1),
            QPen(QColor(255, 255, 255, 30), 0.5));
    }
    const QRectF icon(box.center().x() - kIconSize / 2.0, box.top() + kBoxPadding, kIconSize,
                      kIconSize);
    SymbolProvider::paint(painter, icon, QStringLiteral("exclamationmark.triangle.fill"),
                          appearance.namedColor(QStringLiteral("orange")));
}

}  // namespace swivlo
