// Texts in the club data file are Windows-1252, the code page of the files
// users already have; in memory they are UTF-8. The five bytes Windows-1252
// leaves undefined map to the C1 control characters of the same number, so
// every byte 0x00-0xFF converts to a character and back unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orv {

[[nodiscard]] std::string Windows1252ToUtf8(std::string_view bytes);

// Empty when the text holds a character Windows-1252 cannot store, or is not
// valid UTF-8.
[[nodiscard]] std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

// Appends the text's Windows-1252 bytes to `out`; false, with `out` in an
// unspecified state, when Utf8ToWindows1252 would give nothing.
[[nodiscard]] bool AppendAsWindows1252(std::string& out, std::string_view utf8);

} // namespace orv
