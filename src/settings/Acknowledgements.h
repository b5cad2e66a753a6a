#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace swivlo {

// What Swivlo ships from others and the terms it comes under: the symbol artwork's licence,
// in full, as it travels with the program.
class AcknowledgementsDialog : public QDialog {
    Q_OBJECT

public:
    explicit AcknowledgementsDialog(QWidget* parent = nullptr);

    QPlainTextEdit* licenceText() const { return licence_; }

private:
    QPlainTextEdit* licence_;
};

}  // namespace swivlo
