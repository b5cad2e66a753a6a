#pragma once

namespace swivlo {

// Installs the texts of the interface keys that are not English themselves
// ("feature_summary_empty", ...) from the compiled translations in the program's data folders.
// Call once, after the QApplication exists. False when no compiled texts are found.
bool installTranslations();

}  // namespace swivlo
