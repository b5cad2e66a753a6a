#include "platform/hotkey/GlobalHotkey.h"

namespace swivlo {

void GlobalHotkey::setProblem(const QString& problem) {
    if (problem != problem_) {
        problem_ = problem;
        emit problemChanged();
    }
}

}  // namespace swivlo
