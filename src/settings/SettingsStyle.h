#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

#include "core/Localized.h"

class QVBoxLayout;
class QScrollArea;

namespace swivlo::settings {

// The host's text styles, in points (one point is one device-independent pixel here).
enum class TextStyle { body, callout, headline, subheadline, caption, title2, title3 };
QFont font(TextStyle style, QFont::Weight weight = QFont::Normal);

QColor labelColor();
QColor secondaryLabelColor();
QColor separatorColor();
QColor windowBackgroundColor();
QColor controlBackgroundColor();
QColor accentColor();

// A symbol drawn in a fixed frame, in a colour or a brush (a gradient across the frame), with
// an opacity and scale the breathing effect changes.
class SymbolView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)
    Q_PROPERTY(qreal scale READ scale WRITE setScale)

public:
    SymbolView(QString name, int symbolSize, QColor color, QWidget* parent = nullptr);
    void setSymbol(const QString& name);
    void setColor(const QColor& color);
    const QColor& color() const { return color_; }
    void setGradient(std::vector<QColor> stops);
    void setFrameWidth(int width);

    qreal opacity() const { return opacity_; }
    void setOpacity(qreal opacity);
    qreal scale() const { return scale_; }
    void setScale(qreal scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString name_;
    int symbolSize_;
    QColor color_;
    std::vector<QColor> gradient_;
    qreal opacity_ = 1.0;
    qreal scale_ = 1.0;
};

QLabel* textLabel(const QString& text, const QFont& font, const QColor& color,
                  QWidget* parent = nullptr);

// A section of a grouped form: a header above a rounded card whose rows are divided by thin
// separators (none under the last row). A hidden row takes its separator with it.
class FormSection : public QWidget {
    Q_OBJECT

public:
    explicit FormSection(const QString& header, QWidget* parent = nullptr);
    void addRow(QWidget* row);
    // A row laid out edge to edge (a list that draws its own separators).
    void addBareRow(QWidget* row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the separator above each shown row that has a shown row before it.
    void updateSeparators();

    struct SeparatedRow {
        QWidget* separator;  // null for the first row
        QWidget* row;
    };
    QWidget* card_;
    QVBoxLayout* cardLayout_;
    std::vector<SeparatedRow> rows_;
};

// The scrollable page of a grouped form: a navigation title and sections stacked top down.
class FormPage : public QWidget {
    Q_OBJECT

public:
    explicit FormPage(const QString& title, QWidget* parent = nullptr);
    void addSection(QWidget* section);
    // Space for a toolbar button beside the title.
    void setTitleAccessory(QWidget* accessory);

private:
    QScrollArea* scroll_;
    QVBoxLayout* content_;
    QWidget* titleBar_;
};

// A one-line label that gives up width first and ends in "…" when it must.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    // Plain text: its size is measured as a label measures, which would read markup.
    explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A horizontal rule for between rows.
QFrame* separatorLine(QWidget* parent = nullptr);

}  // namespace swivlo::settings
