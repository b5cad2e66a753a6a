#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

namespace swivlo {

class SettingsMessages;

namespace settings {

class SymbolView;

// A quiet strip above the settings tabs that shows the current message (a change that could not
// be saved, a login item the session refused) with a button that dismisses it. Hidden while
// there is nothing to say.
class MessageArea : public QWidget {
    Q_OBJECT

public:
    MessageArea(SettingsMessages& messages, QWidget* parent = nullptr);

    QLabel* label() const { return label_; }
    QToolButton* dismissButton() const { return dismiss_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh();
    void restyle();

    SettingsMessages& messages_;
    SymbolView* symbol_;
    QLabel* label_;
    QToolButton* dismiss_;
};

}  // namespace settings
}  // namespace swivlo
