#pragma once
// Angle texts: degrees, minutes and seconds separated by blanks, with an
// optional sign, or plain decimal degrees.
//
// Written layout: a degree field five characters wide for a single character
// ("    5", "   -0") and four otherwise ("  45", " -45", "-120"), then a blank
// and two minute digits, then a blank and the seconds rounded to the decimals
// setting with a comma before their decimals: " -34 36 12,5". Seconds that
// round to 60 are written 60 (" 44 59 60"): rounding never carries into the
// minutes, and reading the text back gives the right value.
//
// Reading accepts the written layout and looser ones: the first comma counts as
// a period, minutes are read from a three-character window after the first
// blank, seconds from the next blank to the end; a text without blanks is
// decimal degrees; a text with no number is 0.

#include <string>
#include <string_view>

#include "geodesia/constantes.hpp"

namespace rumbal {

double gmsagra(std::string_view texto);  // decimal degrees
double texarad(std::string_view texto);  // radians: (degrees * pi) / 180

// Angle text of x decimal degrees with the seconds rounded to n decimals. A
// NaN or infinity has no angle text: the result is empty.
std::string gratex(double grados, int decimales);

std::string gratexgeo(double grados, const Decimales& d);  // latitudes, longitudes
std::string gratexang(double grados, const Decimales& d);  // convergence
std::string radatexgeo(double radianes, const Decimales& d);
std::string radatexang(double radianes, const Decimales& d);

}  // namespace rumbal
