#pragma once
// The values the computation can take, stated in one place. File work refuses
// anything outside them, naming the record and the line; the main window keeps
// its lenient reading and may use the same rules.
//
//   latitude              |B| <= 90 degrees
//   longitude             |L| <= 360 degrees
//   ellipsoidal height    |h| <= 100 000 m
//   geocentric x, y, z    distance from the centre of the Earth from
//                         6 250 000 m to 6 480 000 m (heights of about
//                         -100 km to +100 km on any ellipsoid of the Earth)
//   plane point           within 20 degrees of longitude of the central
//                         meridian, and, for plane X, Y given, the latitude
//                         they give strictly inside +-90 degrees: farther out
//                         the Transverse Mercator series give numbers, not
//                         coordinates
//   ellipsoid             a > 0, 0 < b <= a, 0 <= e2 < 1, ep2 >= 0
//   plane representation  k0 > 0, origin longitude and latitude readable angle
//                         texts, false easting and northing finite
//   frame                 scale change k > -1 000 000 ppm
// Every value must also be finite. Angles in decimal degrees, lengths in metres.
//
// A latitude or longitude of a data file is a number, or an angle text read
// strictly: blanks, an optional sign, whole degrees, then optionally a blank
// and one or two minute digits (below 60), then optionally a blank and the
// seconds (at most 60, a period or a comma before their decimals, an exponent
// allowed), then blanks, and nothing else. A text without blanks may also be
// decimal degrees with a comma. Every angle text the program writes reads back.

#include <optional>
#include <string>
#include <string_view>

#include "base/resultado.hpp"
#include "geodesia/constantes.hpp"

namespace rumbal::dominio {

inline constexpr double latitudmaxima = 90;
inline constexpr double longitudmaxima = 360;
inline constexpr double alturamaxima = 100000;
inline constexpr double radiominimo = 6250000;
inline constexpr double radiomaximo = 6480000;
inline constexpr double apartamientomaximo = 20;

// Decimal degrees of an angle text of a data file (as gmsagra reads it), or
// nothing when the text is not one.
std::optional<double> leeangulo(std::string_view texto);

bool latitudvalida(double grados);
bool longitudvalida(double grados);
bool alturavalida(double metros);
bool geocentricasvalidas(double x, double y, double z);
// Why geocentric coordinates are refused (Spanish, Windows-1252).
std::string fueradelatierra();
// A point of a plane representation whose central meridian is at
// longitudorigen degrees; desdeplanas when the point came from plane X, Y.
bool enlazona(double latitud, double longitud, double longitudorigen, bool desdeplanas);

// Whether a catalogue entry can be computed with: the reason when not
// (Spanish, Windows-1252, no file named: the caller knows the file and line).
Resultado<void> revisa(const Elipsoide& e);
Resultado<void> revisa(const RepresentacionPlana& r);
Resultado<void> revisa(const ParametrosMarco& p);
Resultado<void> revisa(const Transformacion& t);

}  // namespace rumbal::dominio
