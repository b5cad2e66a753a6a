#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPointer>
#include <QString>
#include <functional>

namespace swivlo {

// A 52-point tile with a symbol: white on blue when selected.
class IconButton : public QAbstractButton {
    Q_OBJECT

public:
    IconButton(QString icon, bool isSelected, QWidget* parent = nullptr);
    const QString& icon() const { return icon_; }
    void setIcon(const QString& icon);
    bool isSelected() const { return isSelected_; }
    void setSelected(bool selected);
    QSize sizeHint() const override { return {52, 52}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString icon_;
    bool isSelected_;
};

// The tile of any symbol: selects it, then opens the symbol picker on it; a picked name goes
// to `onIconChange`.
class CustomIconButton : public IconButton {
    Q_OBJECT

public:
    CustomIconButton(QString icon, bool isSelected, std::function<void()> onSelect,
                     std::function<void(const std::string&)> onIconChange,
                     QWidget* parent = nullptr);
    bool showingPicker() const { return !picker_.isNull(); }
    QWidget* picker() const { return picker_.data(); }

private:
    void showPicker();

    std::function<void(const std::string&)> onIconChange_;
    // Cleared by Qt when the picker goes, also while this button is being destroyed (a slot on
    // `destroyed` would then run on a half-destroyed button).
    QPointer<QWidget> picker_;
};

// A 40-point colour swatch with a white ring when selected.
class ColorButton : public QAbstractButton {
    Q_OBJECT

public:
    ColorButton(QColor fill, bool isSelected, QWidget* parent = nullptr);
    bool isSelected() const { return isSelected_; }
    void setSelected(bool selected);
    const QColor& fill() const { return fill_; }
    void setFill(const QColor& fill);
    QSize sizeHint() const override { return {40, 40}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // The faint outer ring's opacity when not selected.
    qreal idleRingOpacity_ = 0.0;

private:
    QColor fill_;
    bool isSelected_;
};

// The swatch of any colour: selects it, then offers a colour picker beside it.
class CustomColorButton : public ColorButton {
    Q_OBJECT

public:
    CustomColorButton(QColor color, bool isSelected, std::function<void()> onSelect,
                      std::function<void(const QColor&)> onColorChange, QWidget* parent = nullptr);
    bool showingPicker() const { return !picker_.isNull(); }
    QWidget* picker() const { return picker_.data(); }

private:
    void showPicker();

    std::function<void(const QColor&)> onColorChange_;
    // Cleared by Qt when the picker goes, also while this button is being destroyed (a slot on
    // `destroyed` would then run on a half-destroyed button).
    QPointer<QWidget> picker_;
};

}  // namespace swivlo
