#pragma once
// Transverse Mercator (Gauss-Krueger) projection on a given ellipsoid and plane
// representation. X is the northing and Y the easting, in metres; the scale
// factor is a pure number; the meridian convergence is an angle text, negative
// east of the central meridian in the southern hemisphere.
//
// The forward series stops at the fourth power of the longitude difference and
// the scale factor series leaves out the +13 eta^4 and +4 eta^6 terms of the
// complete published series (less than 1E-09 within 4 degrees of the central
// meridian). The inverse starts from a footpoint latitude by the series in
// n = (a - b) / (a + b).
//
// A point the formulas cannot take is refused (the operation returns an error):
// a scale factor of 0 in the plane representation, a footpoint latitude at or
// beyond a pole, or any result that would not be a finite number.

#include <string>
#include <string_view>

#include "base/resultado.hpp"
#include "geodesia/constantes.hpp"

namespace rumbal {

// Meridian arc from the equator to the latitude, signed like it, metres,
// rounded to 5 decimals.
double arcomer(std::string_view latitud, const Elipsoide& e);

struct Planas {
    double x = 0;             // northing, to the metres decimals
    double y = 0;             // easting, to the metres decimals
    double factorescala = 0;  // not rounded
    std::string convergencia; // angle text, seconds to the angle decimals
};

struct LatitudLongitud {
    std::string latitud;
    std::string longitud;  // not brought back into +-180
};

Resultado<Planas> geoapla(std::string_view latitud, std::string_view longitud, const Elipsoide& e,
                          const RepresentacionPlana& r, const Decimales& d);

Resultado<LatitudLongitud> plaageo(double x, double y, const Elipsoide& e, const RepresentacionPlana& r,
                                   const Decimales& d);

// Height coefficient R / (R + h) with R the mean radius at the latitude; not
// rounded. An error when h = -R.
Resultado<double> coefalt(std::string_view latitud, double altura, const Elipsoide& e);

}  // namespace rumbal
