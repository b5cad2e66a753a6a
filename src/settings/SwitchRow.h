#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QLabel;

namespace swivlo {

class SwitchControl;

namespace settings {

// A form row: a title on the left and a switch on the right, named like the row. `onChange`
// runs for every flip the user makes.
class SwitchRow : public QWidget {
    Q_OBJECT

public:
    SwitchRow(const QString& title, bool on, std::function<void(bool)> onChange,
              QWidget* parent = nullptr);
    SwitchControl* switchControl() const { return switch_; }
    // Puts a widget before the title (a drag handle).
    void setLeadingWidget(QWidget* widget);
    // For what the host cannot do: the switch is disabled, and the reason is the row's tooltip,
    // the switch's accessible description and a small caption beside the title.
    void setUnavailable(const QString& reason);

private:
    QLabel* title_;
    SwitchControl* switch_;
};

}  // namespace settings
}  // namespace swivlo
