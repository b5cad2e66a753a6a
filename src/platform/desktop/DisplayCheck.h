#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "platform/Session.h"

namespace swivlo::desktop {

// What is missing for the toolkit to open a window here, in words for one line, or nothing when
// it can: without a display Qt would abort with a core dump and a hint about reinstalling.
// A platform or display chosen by hand (QT_QPA_PLATFORM, -platform, -display) is left to the
// toolkit.
std::optional<std::string> missingDisplay(const Session& session, const QStringList& arguments);

}  // namespace swivlo::desktop
