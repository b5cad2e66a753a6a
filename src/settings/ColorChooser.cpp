#include "settings/ColorChooser.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/Localized.h"
#include "settings/SettingsStyle.h"
#include "ui/Appearance.h"

namespace swivlo::settings {

namespace {

constexpr int fieldHeight = 132;
constexpr int sliderHeight = 18;
constexpr int trackHeight = 10;
constexpr int handleRadius = 8;
// Arrow keys move by this much, ten times as far with Shift.
constexpr double keyStep = 0.01;

double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

// The step an arrow key asks for along one axis; zero for other keys.
double arrowStep(const QKeyEvent& event, Qt::Key less, Qt::Key more) {
    const double step = event.modifiers() & Qt::ShiftModifier ? keyStep * 10 : keyStep;
    return event.key() == less ? -step : event.key() == more ? step : 0.0;
}

void paintHandle(QPainter& painter, QPointF centre, qreal radius, const QColor& fill) {
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius - 1.5, radius - 1.5);
}

}  // namespace

QRect placeBeside(const QRect& anchor, const QSize& size, const QRect& available, int gap) {
    const int rightEdge = available.left() + available.width();
    int x = anchor.left() + anchor.width() + gap;
    if (x + size.width() > rightEdge && anchor.left() - gap - size.width() >= available.left()) {
        x = anchor.left() - gap - size.width();
    }
    int y = anchor.top() + (anchor.height() - size.height()) / 2;
    x = std::clamp(x, available.left(), std::max(available.left(), rightEdge - size.width()));
    y = std::clamp(y, available.top(),
                   std::max(available.top(), available.top() + available.height() - size.height()));
    return {QPoint(x, y), size};
}

ChooserColor ChooserColor::from(const QColor& color) {
    const QColor hsv = color.toHsv();
    ChooserColor result;
    result.hue = std::max(0.0, static_cast<double>(hsv.hsvHueF()));  // -1 for greys
    result.saturation = hsv.hsvSaturationF();
    result.value = hsv.valueF();
    result.alpha = hsv.alphaF();
    return result;
}

QColor ChooserColor::toColor() const {
    return QColor::fromHsvF(static_cast<float>(std::fmod(hue, 1.0)), static_cast<float>(saturation),
                            static_cast<float>(value), static_cast<float>(alpha))
        .toRgb();
}

ColorChooser::ColorChooser(const QColor& initial, QWidget* parent)
    : QWidget(parent),
      color_(ChooserColor::from(initial)),
      field_(new SaturationValueField(this)),
      hue_(new ChooserSlider(ChooserSlider::Kind::hue, this)),
      opacity_(new ChooserSlider(ChooserSlider::Kind::opacity, this)),
      hex_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("ColorChooser"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(10);
    auto* title = textLabel(localized("Custom Color"), settings::font(TextStyle::headline),
                            labelColor(), this);
    layout->addWidget(title);
    layout->addWidget(field_);
    layout->addWidget(hue_);
    layout->addWidget(opacity_);
    hex_->setFont(settings::font(TextStyle::body));
    hex_->setAccessibleName(localized("Hex Color"));
    hex_->setAlignment(Qt::AlignCenter);
    hex_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("#?[0-9A-Fa-f]{0,6}")), hex_));
    layout->addWidget(hex_);
    setFixedWidth(contentWidth + 2 * padding);

    connect(field_, &SaturationValueField::picked, this, [this](double s, double v) {
        ChooserColor next = color_;
        next.saturation = s;
        next.value = v;
        edit(next);
    });
    connect(hue_, &ChooserSlider::moved, this, [this](double position) {
        ChooserColor next = color_;
        next.hue = position;
        edit(next);
    });
    connect(opacity_, &ChooserSlider::moved, this, [this](double position) {
        ChooserColor next = color_;
        next.alpha = position;
        edit(next);
    });
    connect(hex_, &QLineEdit::textEdited, this, [this](const QString& text) {
        QString digits = text.startsWith(QLatin1Char('#')) ? text.mid(1) : text;
        if (digits.size() != 6) {
            return;  // still typing
        }
        const QColor typed(QLatin1Char('#') + digits);
        ChooserColor next = ChooserColor::from(typed);
        next.alpha = color_.alpha;
        if (next.saturation == 0 || next.value == 0) {
            next.hue = color_.hue;
        }
        color_ = next;
        field_->setColor(color_);
        hue_->setColor(color_);
        opacity_->setColor(color_);
        emit colorChanged(color());
    });
    showColor();
}

void ColorChooser::setColor(const QColor& color) {
    color_ = ChooserColor::from(color);
    showColor();
}

void ColorChooser::edit(const ChooserColor& color) {
    color_ = color;
    showColor();
    emit colorChanged(this->color());
}

void ColorChooser::showColor() {
    field_->setColor(color_);
    hue_->setColor(color_);
    opacity_->setColor(color_);
    hex_->setText(color().name(QColor::HexRgb).toUpper());
}

void ColorChooser::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), windowBackgroundColor());
    painter.setPen(separatorColor());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColorChooser::keyPressEvent(QKeyEvent* event) {
    // The whole popover goes, whichever control had the focus.
    if (event->key() == Qt::Key_Escape) {
        window()->close();
        return;
    }
    QWidget::keyPressEvent(event);
}

SaturationValueField::SaturationValueField(QWidget* parent) : QWidget(parent) {
    setFixedHeight(fieldHeight);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    setAccessibleName(localized("Saturation and Brightness"));
}

void SaturationValueField::setColor(const ChooserColor& color) {
    color_ = color;
    update();
}

QPoint SaturationValueField::pointFor(double saturation, double value) const {
    return {qRound(saturation * (width() - 1)), qRound((1 - value) * (height() - 1))};
}

void SaturationValueField::pickAt(QPointF point) {
    emit picked(clamp01(point.x() / std::max(1, width() - 1)),
                clamp01(1 - point.y() / std::max(1, height() - 1)));
}

void SaturationValueField::mousePressEvent(QMouseEvent* event) {
    pickAt(event->position());
}

void SaturationValueField::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        pickAt(event->position());
    }
}

void SaturationValueField::keyPressEvent(QKeyEvent* event) {
    const double ds = arrowStep(*event, Qt::Key_Left, Qt::Key_Right);
    const double dv = arrowStep(*event, Qt::Key_Down, Qt::Key_Up);
    if (ds == 0 && dv == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit picked(clamp01(color_.saturation + ds), clamp01(color_.value + dv));
}

void SaturationValueField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = rect();
    QPainterPath shape;
    shape.addRoundedRect(box, 6, 6);
    painter.save();
    painter.setClipPath(shape);
    painter.fillRect(box, QColor::fromHsvF(static_cast<float>(color_.hue), 1, 1));
    QLinearGradient towardsWhite(box.topLeft(), box.topRight());
    towardsWhite.setColorAt(0, Qt::white);
    towardsWhite.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(box, towardsWhite);
    QLinearGradient towardsBlack(box.topLeft(), box.bottomLeft());
    towardsBlack.setColorAt(0, QColor(0, 0, 0, 0));
    towardsBlack.setColorAt(1, Qt::black);
    painter.fillRect(box, towardsBlack);
    painter.restore();
    ChooserColor opaque = color_;
    opaque.alpha = 1;
    paintHandle(painter, pointFor(color_.saturation, color_.value), 7, opaque.toColor());
    if (hasFocus()) {
        painter.setPen(QPen(accentColor(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box.adjusted(1, 1, -1, -1), 6, 6);
    }
}

ChooserSlider::ChooserSlider(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setFixedHeight(sliderHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(kind == Kind::hue ? localized("Hue") : localized("Opacity"));
}

void ChooserSlider::setColor(const ChooserColor& color) {
    color_ = color;
    update();
}

double ChooserSlider::position() const {
    return kind_ == Kind::hue ? color_.hue : color_.alpha;
}

QPoint ChooserSlider::pointFor(double position) const {
    const int span = width() - 2 * handleRadius;
    return {handleRadius + qRound(position * span), height() / 2};
}

void ChooserSlider::moveTo(double position) {
    emit moved(clamp01(position));
}

void ChooserSlider::mousePressEvent(QMouseEvent* event) {
    moveTo((event->position().x() - handleRadius) / std::max(1, width() - 2 * handleRadius));
}

void ChooserSlider::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        mousePressEvent(event);
    }
}

void ChooserSlider::keyPressEvent(QKeyEvent* event) {
    const double step = arrowStep(*event, Qt::Key_Left, Qt::Key_Right);
    if (step == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    moveTo(position() + step);
}

void ChooserSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track(handleRadius - trackHeight / 2.0, (height() - trackHeight) / 2.0,
                       width() - 2 * handleRadius + trackHeight, trackHeight);
    QPainterPath shape;
    shape.addRoundedRect(track, trackHeight / 2.0, trackHeight / 2.0);
    QLinearGradient gradient(track.topLeft(), track.topRight());
    ChooserColor shown = color_;
    if (kind_ == Kind::hue) {
        for (int i = 0; i <= 6; ++i) {
            gradient.setColorAt(i / 6.0, QColor::fromHsvF(i == 6 ? 0.0f : i / 6.0f, 1, 1));
        }
        shown = ChooserColor{color_.hue, 1, 1, 1};
    } else {
        // A checkerboard shows through where the colour is see-through.
        painter.save();
        painter.setClipPath(shape);
        painter.fillRect(track, Qt::white);
        for (int x = 0; x * 5 < track.width(); ++x) {
            for (int y = 0; y * 5 < track.height(); ++y) {
                if ((x + y) % 2 == 0) {
                    painter.fillRect(QRectF(track.left() + x * 5, track.top() + y * 5, 5, 5),
                                     QColor(204, 204, 204));
                }
            }
        }
        painter.restore();
        ChooserColor clear = color_;
        clear.alpha = 0;
        ChooserColor opaque = color_;
        opaque.alpha = 1;
        gradient.setColorAt(0, clear.toColor());
        gradient.setColorAt(1, opaque.toColor());
    }
    painter.fillPath(shape, gradient);
    painter.strokePath(shape, QPen(separatorColor(), 1));
    paintHandle(painter, pointFor(position()), handleRadius - 1, shown.toColor());
    if (hasFocus()) {
        painter.setPen(QPen(accentColor(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(pointFor(position())), handleRadius + 1, handleRadius + 1);
    }
}

}  // namespace swivlo::settings
