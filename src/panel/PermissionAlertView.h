#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QLabel;

namespace swivlo {

// The alert asking for the accessibility permission, drawn over the whole panel (its parent)
// with the panel dimmed behind it. It only reports the user's choice: the owner opens the
// settings page. Either button dismisses it; Escape means "Ignore", Return "Open Settings".
// While it shows it keeps the keyboard focus: Tab moves between its two buttons only.
class PermissionAlertView : public QWidget {
    Q_OBJECT
public:
    explicit PermissionAlertView(QWidget* panel);

    void present();
    void dismiss();
    bool isPresented() const { return !isHidden(); }
    // The panel height that shows the whole alert box with a margin around it.
    int fittingHeight() const;

    QString title() const;
    QString message() const;
    QAbstractButton* ignoreButton() const { return ignore_; }
    QAbstractButton* openSettingsButton() const { return openSettings_; }
    // The alert box inside the dimmed cover, in this widget's coordinates.
    QRect boxGeometry() const;

    static constexpr int kBoxWidth = 260;

signals:
    void ignoreRequested();
    void openSettingsRequested();
    // Sent after either button, once the alert is gone.
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void layoutBox();
    int boxWidth() const;
    int boxHeight(int width) const;
    void restyle();

    QWidget* box_;
    QLabel* title_;
    QLabel* message_;
    QAbstractButton* ignore_;
    QAbstractButton* openSettings_;
    QPointer<QWidget> focusBefore_;
};

}  // namespace swivlo
