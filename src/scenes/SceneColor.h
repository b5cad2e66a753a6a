#pragma once

#include <QColor>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace swivlo {

// A scene's colour is stored as one of the named colours ("blue") or as "custom:RRGGBB".

// The ten names, in the order an editor offers them (it offers the first eight as swatches).
std::span<const std::string_view> sceneColorNames();

// The colour a view draws for a stored value: a named colour (exact, case-sensitive), else a
// custom colour ("custom:" or "#" and six hexadecimal digits), else blue. Named colours follow
// the appearance: the dark variants when `isDark`.
QColor resolveSceneColor(std::string_view text, bool isDark = false);

// "custom:RRGGBB" or "#RRGGBB" (digits in either case) as an opaque sRGB colour; anything else
// is none.
std::optional<QColor> parseCustomColor(std::string_view text);

// The stored value for a picked colour: "custom:" and six upper-case digits, each channel
// rounded to the nearest of 0-255 (halves away from zero). An invalid colour stores system blue.
std::string customColorString(const QColor& colour);

}  // namespace swivlo
