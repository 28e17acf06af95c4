#pragma once
// Reading numbers from texts.
//
// Leading-number reading (every number taken from a text box or a piece of an
// angle text): blanks, tabs and line feeds anywhere are ignored, then the
// longest leading number is taken (sign, digits, a period as decimal separator,
// an exponent "E" or "e" with a signed integer) and the rest is ignored. A text
// with no leading number reads as 0: "12.5abc" is 12.5, "1 2" is 12, "12,5" is
// 12. A number too large for a double reads as an infinity of its sign, one too
// small as 0; callers that compute with it check their results.
//
// Strict number reading (where a whole text must be one number): blanks around
// the number are allowed, nothing else; an empty text, any other text and a
// number outside the range of a double are a failure. The 15-digit text of the
// largest doubles, 1.79769313486232E+308, just past the range, reads as the
// largest double, so every number the system writes reads back.

#include <optional>
#include <string>
#include <string_view>

namespace rumbal {

double leenumero(std::string_view texto);

std::optional<double> leenumeroestricto(std::string_view texto);

// Length of the number that starts texto (sign, digits, optional period and
// digits, optional exponent), or 0 when texto does not start with one. The
// grammar shared by both readings and by the record-line reader.
std::size_t largonumero(std::string_view texto);

// First-comma repair: the first comma, if any, becomes a period; any further
// comma stays.
std::string reparacoma(std::string texto);

// The text without its leading blanks (angle texts as files store them).
std::string sinblancosiniciales(std::string texto);

}  // namespace rumbal
