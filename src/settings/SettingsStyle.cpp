#include "settings/SettingsStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include "core/Localized.h"
#include "ui/Appearance.h"
#include "ui/SymbolProvider.h"

namespace swivlo::settings {

QFont font(TextStyle style, QFont::Weight weight) {
    switch (style) {
        case TextStyle::body:
            return Appearance::font(13, weight);
        case TextStyle::callout:
            return Appearance::font(12, weight);
        case TextStyle::headline:
            return Appearance::font(13, weight == QFont::Normal ? QFont::Bold : weight);
        case TextStyle::subheadline:
            return Appearance::font(11, weight);
        case TextStyle::caption:
            return Appearance::font(10, weight);
        case TextStyle::title2:
            return Appearance::font(17, weight);
        case TextStyle::title3:
            return Appearance::font(15, weight);
    }
    return Appearance::font(13, weight);
}

QColor labelColor() {
    return Appearance::shared().palette().label;
}
QColor secondaryLabelColor() {
    return Appearance::shared().palette().secondaryLabel;
}
QColor separatorColor() {
    return Appearance::shared().palette().separator;
}
QColor windowBackgroundColor() {
    return Appearance::shared().palette().windowBackground;
}
QColor controlBackgroundColor() {
    return Appearance::shared().palette().controlBackground;
}
QColor accentColor() {
    return Appearance::shared().palette().accent;
}

SymbolView::SymbolView(QString name, int symbolSize, QColor color, QWidget* parent)
    : QWidget(parent), name_(std::move(name)), symbolSize_(symbolSize), color_(std::move(color)) {
    setFixedSize(symbolSize_, symbolSize_);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SymbolView::setSymbol(const QString& name) {
    name_ = name;
    update();
}

void SymbolView::setColor(const QColor& color) {
    color_ = color;
    gradient_.clear();
    update();
}

void SymbolView::setGradient(std::vector<QColor> stops) {
    gradient_ = std::move(stops);
    update();
}

void SymbolView::setFrameWidth(int width) {
    setFixedWidth(width);
}

void SymbolView::setOpacity(qreal opacity) {
    opacity_ = opacity;
    update();
}

void SymbolView::setScale(qreal scale) {
    scale_ = scale;
    update();
}

void SymbolView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(opacity_);
    const QPointF centre = rect().center() + QPointF(0.5, 0.5);
    painter.translate(centre);
    painter.scale(scale_, scale_);
    painter.translate(-centre);
    const QRectF box(centre.x() - symbolSize_ / 2.0, centre.y() - symbolSize_ / 2.0, symbolSize_,
                     symbolSize_);
    const qreal dpr = devicePixelRatioF();
    if (gradient_.empty()) {
        SymbolProvider::paint(painter, box, name_, color_);
        return;
    }
    // A gradient symbol: the symbol's shape as a mask over a gradient from top-leading to
    // bottom-trailing.
    QPixmap mask = SymbolProvider::pixmap(name_, symbolSize_, Qt::black, dpr);
    QPixmap painted(mask.size());
    painted.setDevicePixelRatio(dpr);
    painted.fill(Qt::transparent);
    {
        QPainter p(&painted);
        QLinearGradient gradient(QPointF(0, 0), QPointF(symbolSize_, symbolSize_));
        for (std::size_t i = 0; i < gradient_.size(); ++i) {
            gradient.setColorAt(gradient_.size() == 1 ? 0.0 : qreal(i) / (gradient_.size() - 1),
                                gradient_[i]);
        }
        p.fillRect(QRectF(0, 0, symbolSize_, symbolSize_), gradient);
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        p.drawPixmap(0, 0, mask);
    }
    painter.drawPixmap(box, painted, QRectF());
}

QLabel* textLabel(const QString& text, const QFont& font, const QColor& color, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    // Names come from the user and the stored scenes: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    Appearance::setTextColor(*label, color);
    return label;
}

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
    painter.drawText(contentsRect(), static_cast<int>(alignment()), shown);
}

QFrame* separatorLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, separatorColor());
    line->setPalette(p);
    return line;
}

namespace {

// The card behind a section's rows.
class Card : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(separatorColor(), 1));
        painter.setBrush(controlBackgroundColor());
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
};

}  // namespace

FormSection::FormSection(const QString& header, QWidget* parent)
    : QWidget(parent), card_(new Card(this)), cardLayout_(new QVBoxLayout(card_)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    if (!header.isEmpty()) {
        auto* title = textLabel(header, settings::font(TextStyle::title3, QFont::DemiBold),
                                labelColor(), this);
        title->setContentsMargins(4, 0, 0, 0);
        layout->addWidget(title);
    }
    layout->addWidget(card_);
    cardLayout_->setContentsMargins(12, 2, 12, 2);
    cardLayout_->setSpacing(0);
}

void FormSection::addRow(QWidget* row) {
    QWidget* separator = nullptr;
    if (cardLayout_->count() > 0) {
        separator = separatorLine(card_);
        cardLayout_->addWidget(separator);
    }
    row->setParent(card_);
    // Short rows get the form's row height; taller ones keep what their layout needs.
    if (row->sizeHint().height() < 36) {
        row->setMinimumHeight(36);
    }
    cardLayout_->addWidget(row);
    rows_.push_back({separator, row});
    row->installEventFilter(this);
    updateSeparators();
}

bool FormSection::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        updateSeparators();
    }
    return QWidget::eventFilter(watched, event);
}

void FormSection::updateSeparators() {
    bool shownBefore = false;
    for (const SeparatedRow& entry : rows_) {
        const bool shown = !entry.row->isHidden();
        if (entry.separator) {
            entry.separator->setVisible(shown && shownBefore);
        }
        shownBefore = shownBefore || shown;
    }
}

void FormSection::addBareRow(QWidget* row) {
    row->setParent(card_);
    cardLayout_->addWidget(row);
}

FormPage::FormPage(const QString& title, QWidget* parent)
    : QWidget(parent), scroll_(new QScrollArea(this)), titleBar_(new QWidget(this)) {
    setObjectName(QStringLiteral("FormPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* titleLayout = new QHBoxLayout(titleBar_);
    titleLayout->setContentsMargins(24, 16, 20, 8);
    auto* titleLabel = textLabel(title, Appearance::font(20, QFont::Bold), labelColor(), titleBar_);
    titleLabel->setObjectName(QStringLiteral("navigationTitle"));
    titleLayout->addWidget(titleLabel);
    titleLayout->addStretch(1);
    layout->addWidget(titleBar_);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("FormContent"));
    content_ = new QVBoxLayout(content);
    content_->setContentsMargins(24, 8, 24, 24);
    content_->setSpacing(22);
    content_->addStretch(1);
    scroll_->setWidget(content);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    layout->addWidget(scroll_, 1);
}

void FormPage::addSection(QWidget* section) {
    content_->insertWidget(content_->count() - 1, section);
}

void FormPage::setTitleAccessory(QWidget* accessory) {
    static_cast<QHBoxLayout*>(titleBar_->layout())->addWidget(accessory);
}

}  // namespace swivlo::settings
