#pragma once

#include <QAbstractButton>
#include <QPushButton>

#include "ui/SymbolProvider.h"

namespace swivlo {

// A borderless button drawn as one symbol in a square frame, in the secondary label colour.
class SymbolIconButton : public QAbstractButton {
    Q_OBJECT

public:
    SymbolIconButton(QString symbol, int side, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {side_, side_}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString symbol_;
    int side_;
};

// The destructive "remove" button: a trash symbol and its title in red on a clear background,
// tinted while hovered. Never the dialog's default button, so Return in the search field
// cannot remove the choice.
class RemoveSymbolButton : public QPushButton {
    Q_OBJECT

public:
    RemoveSymbolButton(const QString& title, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SymbolTitleLabel label() const;
};

}  // namespace swivlo
