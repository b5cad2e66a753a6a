#include "settings/Acknowledgements.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

#include "settings/SettingsStyle.h"
#include "ui/SymbolProvider.h"

namespace swivlo {

using namespace settings;

AcknowledgementsDialog::AcknowledgementsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(localized("Acknowledgements"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);

    auto* intro = textLabel(
        localized("Swivlo draws its symbols with Phosphor Icons, used under the MIT License:"),
        settings::font(TextStyle::body), labelColor(), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    licence_ = new QPlainTextEdit(SymbolProvider::artworkLicence(), this);
    licence_->setReadOnly(true);
    licence_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Licence texts are broken into lines of up to 80 columns: show them as they are.
    licence_->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(licence_->font());
    licence_->setMinimumWidth(metrics.horizontalAdvance(QString(80, QLatin1Char('M'))) +
                              2 * licence_->frameWidth() +
                              2 * licence_->document()->documentMargin() +
                              licence_->verticalScrollBar()->sizeHint().width());
    licence_->setMinimumHeight(metrics.lineSpacing() * 20);
    licence_->setAccessibleName(localized("Phosphor Icons licence"));
    layout->addWidget(licence_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace swivlo
