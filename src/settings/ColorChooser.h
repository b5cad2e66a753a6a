#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

class QLineEdit;

namespace swivlo::settings {

// Where a popover of `size` goes beside `anchor`: to its right, or to its left when the right
// side has no room, vertically centred on it, and always inside `available` (the screen's free
// area) as far as it fits.
QRect placeBeside(const QRect& anchor, const QSize& size, const QRect& available, int gap);

// A colour as the chooser edits it: hue, saturation and brightness kept apart, so dragging to
// black or white and back keeps the hue.
struct ChooserColor {
    double hue = 0;  // 0 to 1
    double saturation = 0;
    double value = 0;
    double alpha = 1;

    static ChooserColor from(const QColor& color);
    QColor toColor() const;
};

class SaturationValueField;
class ChooserSlider;

// The custom colour popover's content: a saturation and brightness field, hue and opacity
// sliders and the hexadecimal value, 220 points wide.
class ColorChooser : public QWidget {
    Q_OBJECT

public:
    static constexpr int contentWidth = 220;
    static constexpr int padding = 16;

    ColorChooser(const QColor& initial, QWidget* parent = nullptr);

    QColor color() const { return color_.toColor(); }
    void setColor(const QColor& color);

    SaturationValueField* field() const { return field_; }
    ChooserSlider* hueSlider() const { return hue_; }
    ChooserSlider* opacitySlider() const { return opacity_; }
    QLineEdit* hexField() const { return hex_; }

signals:
    // Each change the user makes, as it is made.
    void colorChanged(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void edit(const ChooserColor& color);
    void showColor();

    ChooserColor color_;
    SaturationValueField* field_;
    ChooserSlider* hue_;
    ChooserSlider* opacity_;
    QLineEdit* hex_;
};

// The square where saturation runs left to right and brightness bottom to top.
class SaturationValueField : public QWidget {
    Q_OBJECT

public:
    explicit SaturationValueField(QWidget* parent = nullptr);
    void setColor(const ChooserColor& color);
    // The point of the field that stands for this saturation and brightness.
    QPoint pointFor(double saturation, double value) const;

signals:
    void picked(double saturation, double value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pickAt(QPointF point);

    ChooserColor color_;
};

// A horizontal track from 0 to 1: the hues, or the colour's opacity over a checkerboard.
class ChooserSlider : public QWidget {
    Q_OBJECT

public:
    enum class Kind { hue, opacity };
    ChooserSlider(Kind kind, QWidget* parent = nullptr);
    void setColor(const ChooserColor& color);
    double position() const;
    QPoint pointFor(double position) const;

signals:
    void moved(double position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void moveTo(double position);

    Kind kind_;
    ChooserColor color_;
};

}  // namespace swivlo::settings
