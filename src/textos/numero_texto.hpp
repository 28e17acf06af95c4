#pragma once
// The three written forms of a number.
//
// Number text form (every number written to a file): at most 15 significant
// digits rounded to nearest, no trailing zeros, no point for whole values, no
// zero before the point below 1 (".5", "-.25"), plain notation for decimal
// exponents -4 to 14, otherwise "1E-05", "2E+15" (capital E, sign, at least two
// exponent digits).
// Signed-number form (counts in messages, pieces of angle texts): the number
// text form preceded by one blank when the value is not negative (" .5", "-5").
// Display form (text boxes, labels, list cells): the number text form with a 0
// before the point below 1 ("0.5", "-0.25").
//
// Minus zero is written as zero. A NaN or an infinity has no text in the system:
// these return an empty text, and the computations never hand one over.

#include <cstddef>
#include <string>
#include <string_view>

namespace rumbal {

std::string textonumero(double x);
std::string textoconsigno(double x);
std::string textovista(double x);

// Appends the number text form of x to destino.
void agregatextonumero(std::string& destino, double x);

// The room escribetextonumero needs at its destination. The texts themselves
// are at most 22 characters ("-0.000123456789012345", "-1.23456789012345E-308");
// the writer copies digits sixteen at a time and may write past the end of the
// text, within this room.
inline constexpr std::size_t largomaximonumero = 40;

// Writes the number text form of x (the display form when ceroantesdelpunto)
// at destino, which has room for largomaximonumero characters, and returns the
// end of the text: nothing for a NaN or an infinity. Record lines and angle
// texts are written this way, without a text of their own per number.
char* escribetextonumero(char* destino, double x, bool ceroantesdelpunto);

// True when texto is a number in the number text form, plain notation: the
// text written for the value it reads as is texto itself, so it can be copied
// instead of read and written again. It is "0", or an optional minus, then a
// whole part without leading zeros or none, and a fraction not ending in 0 or
// none; at most 15 significant digits, the first of them at a decimal exponent
// from -4 to 14. Such a decimal reads as the double nearest to it, and the
// double nearest to a decimal of at most 15 significant digits (a normal one,
// as all here are) rounds back to that decimal at 15 digits, since its error
// is below half an ulp, which is below 2^-53 of its value, far below half a
// unit of the 15th digit; the writer then writes those digits in this same
// plain form. Exponent texts ("1E-05") answer false: they are read and written
// again, which gives the same bytes or the right ones.
bool esformanumero(std::string_view texto);

}  // namespace rumbal
