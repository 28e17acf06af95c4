#pragma once
// Ellipsoid quantities and the conversion between geodetic coordinates
// (latitude and longitude as angle texts, ellipsoidal height h in metres) and
// geocentric cartesian x, y, z (metres) on a given ellipsoid.
//
// Radii are rounded to 5 decimals and metres to the metres decimals setting,
// halves to even. A result that would not be a finite number (an ellipsoid
// with e2 >= 1, a height of 1E+300) is refused: the operation returns an error
// that says so, and no NaN or infinity reaches a text box or a file.

#include <string>
#include <string_view>

#include "base/resultado.hpp"
#include "geodesia/constantes.hpp"

namespace rumbal {

double calw(std::string_view latitud, const Elipsoide& e);  // sqrt(1 - e2 sin^2 B)
double caln(std::string_view latitud, const Elipsoide& e);  // prime vertical radius N
double calm(std::string_view latitud, const Elipsoide& e);  // meridian radius M
double calr(std::string_view latitud, const Elipsoide& e);  // mean radius sqrt(N M)

struct Cartesianas {
    double x = 0, y = 0, z = 0;
};

struct Geodesicas {
    std::string latitud;   // angle text, seconds to the latitude decimals
    std::string longitud;  // angle text, in (-180, 180]
    double altura = 0;     // metres, to the metres decimals
};

Resultado<Cartesianas> geoacar(std::string_view latitud, std::string_view longitud, double altura, const Elipsoide& e,
                               const Decimales& d);

// Closed formula in one pass (no iteration). The height is computed from the
// latitude as written in its text, so it agrees with what the user sees.
// A point on the polar axis (x = y = 0) has latitude +90 (z >= 0) or -90,
// longitude 0 and height |z| - b, the limit of the formula there.
Resultado<Geodesicas> caracgeo(double x, double y, double z, const Elipsoide& e, const Decimales& d);

// Full-circle arctangent of y / x in (-pi, pi]: the negative x axis is +pi.
double arcotan(double x, double y);

// The error of a computation whose result would not be a finite number.
Error nofinito();

}  // namespace rumbal
