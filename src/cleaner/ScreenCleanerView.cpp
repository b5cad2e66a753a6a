#include "cleaner/ScreenCleanerView.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/Appearance.h"
#include "ui/ContinuousShape.h"
#include "ui/SymbolProvider.h"

namespace swivlo {

namespace {

// The host's yellow on black, for the one warning this screen can show.
const QColor warningColor(255, 214, 10);

QLabel* textLabel(const QString& text, const QFont& font, const QColor& color, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    Appearance::setTextColor(*label, color);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A symbol drawn at a text size of `pointSize`, in a square label of its own.
QLabel* symbolLabel(const QString& name, int pointSize, const QColor& color, QWidget* parent) {
    const int side = SymbolProvider::sizeForFont(pointSize);
    auto* label = new QLabel(parent);
    label->setFixedSize(side, side);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(SymbolProvider::pixmap(name, side, color, label->devicePixelRatioF()));
    return label;
}

}  // namespace

CleanerExitButton::CleanerExitButton(QWidget* parent) : QAbstractButton(parent) {
    setText(tr("Exit Cleaning Mode"));
    setAccessibleName(text());
    setFont(Appearance::font(titleSize, QFont::Medium));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

SymbolTitleLabel CleanerExitButton::label() const {
    return {QStringLiteral("xmark.circle.fill"), text(), font(),
            SymbolProvider::sizeForFont(symbolSize), spacing};
}

QSize CleanerExitButton::sizeHint() const {
    return label().size() + QSize(2 * horizontalPadding, 2 * verticalPadding);
}

void CleanerExitButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(continuousRoundedRect(QRectF(rect()), cornerRadius), Qt::white);

    label().paint(painter, QRectF(rect()), Qt::black, Qt::black, true);
}

ScreenCleanerView::ScreenCleanerView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);

    auto* symbol = symbolLabel(QStringLiteral("sparkles"), symbolSize,
                               Appearance::withOpacity(Qt::white, 0.8), this);
    title_ = textLabel(tr("Screen Cleaning Mode"), Appearance::font(titleSize, QFont::Medium),
                       Appearance::withOpacity(Qt::white, 0.8), this);
    hint_ = textLabel(tr("Keyboard and mouse are locked"), Appearance::font(hintSize),
                      Appearance::withOpacity(Qt::white, 0.5), this);

    exitButton_ = new CleanerExitButton(this);
    auto* glow = new QGraphicsDropShadowEffect(exitButton_);
    glow->setColor(Appearance::withOpacity(Qt::white, 0.3));
    glow->setBlurRadius(10);
    glow->setOffset(0, 0);
    exitButton_->setGraphicsEffect(glow);
    connect(exitButton_, &QAbstractButton::clicked, this, [this] {
        if (onExit) {
            onExit();
        }
    });

    // The column sits at the centre of the whole view, which spans every display.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(stackSpacing);
    column->addStretch(1);
    column->addWidget(symbol, 0, Qt::AlignHCenter);
    column->addWidget(title_, 0, Qt::AlignHCenter);
    // The padding above the button, kept inside the hint's box so the column's gaps stay even.
    hint_->setContentsMargins(0, 0, 0, buttonTopPadding);
    column->addWidget(hint_, 0, Qt::AlignHCenter);
    column->addWidget(exitButton_, 0, Qt::AlignHCenter);
    column->addStretch(1);
}

void ScreenCleanerView::setKeyboardLocked(bool locked) {
    keyboardLocked_ = locked;
    if (locked) {
        hint_->setText(tr("Keyboard and mouse are locked"));
        Appearance::setTextColor(*hint_, Appearance::withOpacity(Qt::white, 0.5));
    } else {
        hint_->setText(
            tr("The keyboard is not locked: keys you press still reach other programs.\n"
               "Only the mouse is locked."));
        Appearance::setTextColor(*hint_, warningColor);
    }
}

void ScreenCleanerView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
}

}  // namespace swivlo
