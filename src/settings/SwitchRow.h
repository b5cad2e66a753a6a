#pragma once

#include <QString>
#include <QWidget>
#include <functional>

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

private:
    SwitchControl* switch_;
};

}  // namespace settings
}  // namespace swivlo
