#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <variant>

namespace swivlo {

// The control at the end of a panel row: an on/off switch bound to a getter and a setter, or a
// small capsule button with an already localised label.
struct RowControl {
    struct Toggle {
        std::function<bool()> get;
        std::function<void(bool)> set;
    };
    struct Button {
        QString title;
        std::function<void()> action;
    };

    std::variant<Toggle, Button> kind;

    static RowControl toggle(std::function<bool()> get, std::function<void(bool)> set) {
        return {Toggle{std::move(get), std::move(set)}};
    }
    static RowControl button(QString title, std::function<void()> action) {
        return {Button{std::move(title), std::move(action)}};
    }

    const Toggle* asToggle() const { return std::get_if<Toggle>(&kind); }
    const Button* asButton() const { return std::get_if<Button>(&kind); }
};

// One panel row as the panel's owner builds it. `title` is a localisation key; `systemImage`
// is a system symbol name; `tint` colours the badge, the symbol and the switch.
struct Row {
    QString id;
    QString title;
    QString systemImage;
    QColor tint;
    RowControl control;
    // A line under the title (already localised), read again at every refresh; empty or unset
    // for none.
    std::function<QString()> caption = {};
};

}  // namespace swivlo
