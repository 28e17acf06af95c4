#pragma once
// Crossing between the system's Windows-1252 bytes and UTF-8, for texts that
// come from or go to a terminal (the batch tool's arguments and messages).

#include <optional>
#include <string>
#include <string_view>

namespace rumbal {

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined are
// kept as the control characters of the same number.
std::string autf8(std::string_view cp1252);

// UTF-8 to Windows-1252. Nothing when a character has no place in the code
// page. A text that is not valid UTF-8 is taken as Windows-1252 already.
std::optional<std::string> deutf8(std::string_view utf8);

}  // namespace rumbal
