#include "settings/MessageArea.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

#include "settings/SettingsMessages.h"
#include "settings/SettingsStyle.h"
#include "ui/Appearance.h"
#include "ui/SymbolProvider.h"

namespace swivlo::settings {

namespace {

QColor tint() {
    return Appearance::shared().namedColor(QStringLiteral("orange"));
}

}  // namespace

MessageArea::MessageArea(SettingsMessages& messages, QWidget* parent)
    : QWidget(parent),
      messages_(messages),
      symbol_(new SymbolView(QStringLiteral("exclamationmark.circle"), 16, tint(), this)),
      label_(textLabel(QString(), settings::font(TextStyle::callout), labelColor(), this)),
      dismiss_(new QToolButton(this)) {
    setObjectName(QStringLiteral("MessageArea"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(symbol_, 0, Qt::AlignTop);
    // Reasons name files, whose paths must never be taken for markup.
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label_, 1);
    dismiss_->setAutoRaise(true);
    dismiss_->setFixedSize(20, 20);
    dismiss_->setIconSize(QSize(10, 10));
    dismiss_->setCursor(Qt::PointingHandCursor);
    dismiss_->setAccessibleName(localized("Dismiss"));
    dismiss_->setToolTip(localized("Dismiss"));
    layout->addWidget(dismiss_, 0, Qt::AlignTop);
    connect(dismiss_, &QToolButton::clicked, &messages_, &SettingsMessages::dismiss);
    connect(&messages_, &SettingsMessages::changed, this, &MessageArea::refresh);
    connect(&Appearance::shared(), &Appearance::changed, this, &MessageArea::restyle);
    restyle();
    refresh();
}

void MessageArea::refresh() {
    label_->setText(messages_.text());
    setAccessibleName(messages_.text());
    setVisible(!messages_.text().isEmpty());
}

void MessageArea::restyle() {
    symbol_->setColor(tint());
    Appearance::setTextColor(*label_, labelColor());
    dismiss_->setIcon(SymbolProvider::icon(QStringLiteral("xmark"), secondaryLabelColor()));
    update();
}

void MessageArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(Appearance::withOpacity(tint(), 0.35), 1));
    painter.setBrush(Appearance::withOpacity(tint(), 0.10));
    painter.drawRoundedRect(box, 8, 8);
}

}  // namespace swivlo::settings
