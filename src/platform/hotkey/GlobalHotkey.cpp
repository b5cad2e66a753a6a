#include "platform/hotkey/GlobalHotkey.h"

#include "core/Localized.h"

namespace swivlo {

void GlobalHotkey::setProblem(const QString& problem) {
    if (problem != problem_) {
        problem_ = problem;
        emit problemChanged();
    }
}

std::optional<QString> GlobalHotkey::refuse(const QString& why) {
    setProblem(why);
    return why;
}

QString GlobalHotkey::heldElsewhere() {
    return localized("Another program holds this shortcut: choose another one, or quit it.");
}

}  // namespace swivlo
