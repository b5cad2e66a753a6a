#pragma once

#include <QAbstractButton>
#include <functional>

#include "ui/SymbolProvider.h"

namespace swivlo {

class AnimatedValue;

// A footer button of the panel: symbol and title in the secondary colour, with a faint
// rounded background that fades in while the pointer is over it.
class HoverableFooterButton : public QAbstractButton {
    Q_OBJECT
public:
    // `title` is a localisation key; `action`, when given, runs on every click.
    HoverableFooterButton(const QString& title, const QString& systemImage,
                          std::function<void()> action = {}, QWidget* parent = nullptr);

    QString systemImage() const { return systemImage_; }
    bool isHovered() const { return hovered_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setHovered(bool hovered);
    SymbolTitleLabel label() const;

    QString systemImage_;
    std::function<void()> action_;
    AnimatedValue* highlight_;
    bool hovered_ = false;
    bool keyboardFocus_ = false;
};

}  // namespace swivlo
