#pragma once

namespace swivlo {

// Installs the English texts of the interface keys that are not English themselves
// ("feature_summary_empty", ...). Call once, after the QApplication exists. False when the
// compiled texts are missing from this build.
bool installTranslations();

}  // namespace swivlo
