#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QVariant>
#include <optional>

namespace swivlo::desktop {

// QSettings reads the text of a byte array ("@ByteArray(...)") in an INI file as Latin-1, so
// UTF-8 typed into the file by hand comes back as other bytes ("é" as E9) or as '?', and a text
// value loses its quotes and the spaces after its commas. These read one value of the file's
// top-level group again, the way QSettings finds and unescapes it, keeping what the file holds.
// `qtReading` is the value QSettings gave for `key`: when the file's value is not that one (the
// file changed since, or its key is spelled with escapes), they give none and the caller keeps
// Qt's reading.

// The bytes of a byte array: text typed into the file stays as its bytes, and an escape
// ("\xc3", "\"") gives the byte it stands for, as in the form QSettings writes.
std::optional<QByteArray> iniFileByteArray(QByteArrayView file, QByteArrayView key,
                                           const QByteArray& qtReading);

// A text or list value exactly as the file spells it after the '=' (quotes and escapes
// included), without the blanks around it.
std::optional<QByteArray> iniFileText(QByteArrayView file, QByteArrayView key,
                                      const QVariant& qtReading);

}  // namespace swivlo::desktop
