#pragma once

#include <QLabel>
#include <QWidget>

#include <functional>

class QVBoxLayout;

namespace swivlo {

class HoverableFooterButton;

// A rounded card holding rows, inset 8 points from the panel's sides. An empty card still
// draws its (short) background.
class PanelCard : public QWidget {
    Q_OBJECT
public:
    explicit PanelCard(QWidget* parent = nullptr);

    void addRow(QWidget* row);
    int rowCount() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVBoxLayout* rows_;
};

// A small secondary title above a card ("Quick Switches", "Scenes"); `title` is a
// localisation key. `extraTopPadding` adds room above, e.g. between two cards.
class SectionHeader : public QLabel {
    Q_OBJECT
public:
    explicit SectionHeader(const QString& title, int extraTopPadding = 0,
                           QWidget* parent = nullptr);

private:
    void restyle();
};

// A hairline across the panel, inset 16 points at both ends.
class PanelDivider : public QWidget {
    Q_OBJECT
public:
    explicit PanelDivider(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The panel's footer: a divider, then "Settings" at the leading edge and "Quit" at the
// trailing edge.
class PanelFooter : public QWidget {
    Q_OBJECT
public:
    explicit PanelFooter(QWidget* parent = nullptr);

    HoverableFooterButton* settingsButton() const { return settings_; }
    HoverableFooterButton* quitButton() const { return quit_; }

signals:
    void settingsRequested();
    void quitRequested();

private:
    HoverableFooterButton* settings_;
    HoverableFooterButton* quit_;
};

}  // namespace swivlo
