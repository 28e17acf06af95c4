#pragma once
// Crossing between the system's Windows-1252 bytes and UTF-8, for texts that
// come from or go to a terminal (the batch tool's arguments and messages).

#include <optional>
#include <string>
#include <string_view>

namespace rumbal {

// The character of one byte of the code page, and the byte of a character
// (nothing when the code page has no place for it). The five bytes the code
// page leaves undefined are the control characters of the same number.
char32_t caracter1252(unsigned char byte);
std::optional<char> byte1252(char32_t caracter);

// Windows-1252 to UTF-8.
std::string autf8(std::string_view cp1252);

// UTF-8 to Windows-1252. Nothing when a character has no place in the code
// page. A text that is not valid UTF-8 is taken as Windows-1252 already.
std::optional<std::string> deutf8(std::string_view utf8);

}  // namespace rumbal
