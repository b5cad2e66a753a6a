#pragma once

#include <QAbstractButton>
#include <QWidget>

#include <functional>
#include "ui/SymbolProvider.h"

class QLabel;

namespace swivlo {

// The white capsule that leaves cleaning mode: symbol and title in black on a rounded white
// rectangle.
class CleanerExitButton : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int horizontalPadding = 24;
    static constexpr int verticalPadding = 12;
    static constexpr int spacing = 8;
    static constexpr int symbolSize = 18;
    static constexpr int titleSize = 16;
    static constexpr double cornerRadius = 12;

    explicit CleanerExitButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SymbolTitleLabel label() const;
};

// What the cleaner window shows: black, with a centred column of a symbol, the title, the hint
// and the exit button.
class ScreenCleanerView : public QWidget {
    Q_OBJECT

public:
    static constexpr int stackSpacing = 20;
    static constexpr int symbolSize = 60;
    static constexpr int titleSize = 24;
    static constexpr int hintSize = 14;
    static constexpr int buttonTopPadding = 10;

    explicit ScreenCleanerView(QWidget* parent = nullptr);

    std::function<void()> onExit;

    // Whether the hint may say the keyboard is locked, or must warn that keys still reach other
    // programs.
    void setKeyboardLocked(bool locked);
    bool isKeyboardLocked() const { return keyboardLocked_; }

    QLabel* titleLabel() const { return title_; }
    QLabel* hintLabel() const { return hint_; }
    CleanerExitButton* exitButton() const { return exitButton_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* title_ = nullptr;
    QLabel* hint_ = nullptr;
    CleanerExitButton* exitButton_ = nullptr;
    bool keyboardLocked_ = true;
};

}  // namespace swivlo
