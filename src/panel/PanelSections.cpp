#include "panel/PanelSections.h"

#include <QBoxLayout>
#include <QPainter>

#include "core/Localized.h"
#include "panel/HoverableFooterButton.h"
#include "ui/Appearance.h"
#include "ui/ContinuousShape.h"

namespace swivlo {

namespace {

constexpr int kCardInset = 8;
constexpr int kCardPadding = 4;
constexpr qreal kCardRadius = 12;

}  // namespace

PanelCard::PanelCard(QWidget* parent) : QWidget(parent), rows_(new QVBoxLayout(this)) {
    rows_->setContentsMargins(kCardInset, kCardPadding, kCardInset, kCardPadding);
    rows_->setSpacing(0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(&Appearance::shared(), &Appearance::changed, this, qOverload<>(&QWidget::update));
}

void PanelCard::addRow(QWidget* row) {
    rows_->addWidget(row);
}

int PanelCard::rowCount() const {
    return rows_->count();
}

void PanelCard::paintEvent(QPaintEvent*) {
    const PanelPalette& colors = Appearance::shared().palette();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(kCardInset, 0, -kCardInset, 0);
    painter.fillPath(continuousRoundedRect(card, kCardRadius),
                     Appearance::withOpacity(colors.primary, 0.04));
    painter.strokePath(continuousRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), kCardRadius),
                       QPen(Appearance::withOpacity(colors.primary, 0.06), 1));
}

SectionHeader::SectionHeader(const QString& title, int extraTopPadding, QWidget* parent)
    : QLabel(localized(title), parent) {
    setTextFormat(Qt::PlainText);
    setFont(Appearance::font(11, QFont::DemiBold));
    setContentsMargins(16, 10 + extraTopPadding, 16, 4);
    setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    restyle();
    connect(&Appearance::shared(), &Appearance::changed, this, &SectionHeader::restyle);
}

void SectionHeader::restyle() {
    Appearance::setTextColor(*this, Appearance::shared().palette().secondaryLabel);
}

PanelDivider::PanelDivider(QWidget* parent) : QWidget(parent) {
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(&Appearance::shared(), &Appearance::changed, this, qOverload<>(&QWidget::update));
}

void PanelDivider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(QRect(16, 0, std::max(0, width() - 32), 1),
                     Appearance::withOpacity(Appearance::shared().palette().separator, 0.5));
}

PanelFooter::PanelFooter(QWidget* parent)
    : QWidget(parent),
      settings_(new HoverableFooterButton(QStringLiteral("Settings"), QStringLiteral("gearshape"),
                                          {}, this)),
      quit_(new HoverableFooterButton(QStringLiteral("Quit"), QStringLiteral("power"), {}, this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 10, 0, 0);
    column->setSpacing(0);
    column->addWidget(new PanelDivider(this));
    column->addSpacing(8);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(12, 0, 12, 6);
    buttons->addWidget(settings_, 0, Qt::AlignVCenter);
    buttons->addStretch(1);
    buttons->addWidget(quit_, 0, Qt::AlignVCenter);
    column->addLayout(buttons);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(settings_, &QAbstractButton::clicked, this, &PanelFooter::settingsRequested);
    connect(quit_, &QAbstractButton::clicked, this, &PanelFooter::quitRequested);
}

}  // namespace swivlo
