#include "shortcut/HotkeyTextField.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "platform/QtKeyEvents.h"

namespace swivlo {

HotkeyTextField::HotkeyTextField(QWidget* parent) : QLineEdit(parent) {
    configureAppearance();
}

void HotkeyTextField::configureAppearance() {
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::PointingHandCursor);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_MacShowFocusRect, true);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(fontPixelSize);  // a host point is one device-independent pixel
    font.setWeight(QFont::Medium);
    setFont(font);
    setAccessibleName(QString::fromStdString(ShortcutRecorder::placeholderText()));
    refresh();
}

void HotkeyTextField::refresh() {
    setText(QString::fromStdString(recorder_.shownText()));
    // Placeholder and "Recording..." use the secondary label colour, a shortcut the label colour.
    QPalette p = palette();
    const QPalette standard;
    p.setColor(QPalette::Text,
               standard.color(recorder_.shownAsPlaceholder() ? QPalette::PlaceholderText
                                                             : QPalette::Text));
    setPalette(p);
    deselect();
    fitText();
}

QRect HotkeyTextField::textRect() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    // The line edit keeps two pixels free on either side of its text.
    return contents.marginsRemoved(textMargins()).adjusted(2, 0, -2, 0);
}

int HotkeyTextField::textWidth() const {
    return textRect().width();
}

void HotkeyTextField::fitText() {
    // The placeholder is wider than the field: a line edit would scroll to its end and show
    // only the last words.
    QFont fitted = font();
    const int width = textWidth();
    for (int size = fontPixelSize; size >= smallestFontPixelSize; --size) {
        fitted.setPixelSize(size);
        if (QFontMetrics(fitted).horizontalAdvance(text()) <= width) {
            break;
        }
    }
    if (fitted != font()) {
        setFont(fitted);
    }
    setCursorPosition(0);
}

void HotkeyTextField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitText();
}

void HotkeyTextField::paintEvent(QPaintEvent* event) {
    const QRect box = textRect();
    if (fontMetrics().horizontalAdvance(text()) <= box.width()) {
        QLineEdit::paintEvent(event);
        return;
    }
    // Too wide even at the smallest size: the frame, then the text cut short at its end.
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(box, Qt::AlignCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, box.width()));
}

void HotkeyTextField::setDisplayString(const std::string& text) {
    recorder_.setDisplayString(text);
    refresh();
}

void HotkeyTextField::startRecording() {
    if (recorder_.startRecording()) {
        refresh();
    }
}

void HotkeyTextField::mousePressEvent(QMouseEvent* event) {
    event->accept();
    startRecording();
    // Only a field in a window can take the keyboard focus.
    if (recorder_.isRecording() && window() && window()->isVisible()) {
        setFocus(Qt::MouseFocusReason);
    }
}

void HotkeyTextField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // The field takes the focus only from a click or from a screen reader's "SetFocus" (the
    // one focus set without a reason); the latter must start recording as the click does.
    if (event->reason() == Qt::OtherFocusReason) {
        startRecording();
    }
}

void HotkeyTextField::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void HotkeyTextField::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void HotkeyTextField::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const auto converted = keys::hostKeyEvent(*event);
    if (!converted || converted->type != EventType::KeyDown) {
        return;  // modifiers alone show nothing
    }
    if (recorder_.keyDown(*converted)) {
        refresh();
    }
}

void HotkeyTextField::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

void HotkeyTextField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    deselect();
}

bool HotkeyTextField::event(QEvent* event) {
    // Tab, Escape and shortcuts must reach keyPressEvent while recording instead of moving the
    // focus, closing a dialog or triggering an action.
    if (event->type() == QEvent::ShortcutOverride && recorder_.isRecording()) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && recorder_.isRecording()) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QLineEdit::event(event);
}

void HotkeyTextField::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

HotkeyTextField* HotkeyRecorderView::make(QWidget* parent) const {
    auto* field = new HotkeyTextField(parent);
    update(*field);
    return field;
}

void HotkeyRecorderView::update(HotkeyTextField& field) const {
    field.onCapture() = onCapture;
    field.onClear() = onClear;
    field.setDisplayString(displayString);
}

}  // namespace swivlo
