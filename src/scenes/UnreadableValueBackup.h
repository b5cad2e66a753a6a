#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace swivlo {

// Keeps the bytes of a stored scenes value that could not be read, in a new file
// "SwivloScenes-unreadable-<UTC time>.json" in `directory`, and logs one line naming it.
// The path written, or none (and a line saying so) when no file could be written.
std::optional<QString> backUpUnreadableScenes(const QByteArray& bytes, const QString& directory,
                                              const QDateTime& now);

}  // namespace swivlo
