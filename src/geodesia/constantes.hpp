#pragma once
// Constants and parameter sets of the geodetic computation.
//
// Conventions for the whole computation:
// - pi is 3.14159265358979 (fifteen significant digits), not the full double:
//   degrees become radians as (degrees * pi) / 180 and radians become degrees
//   as (radians * 180) / pi, product first, so that every result agrees to the
//   last bit with files made by earlier versions of the program.
// - Formulas are evaluated in the order written; an integer power is a product
//   of the base taken left to right (t^4 is ((t * t) * t) * t), and a power of
//   a square is a product of squares (eta^4 is eta2 * eta2).
// - Lengths in metres, angles in radians unless a name says degrees; latitudes
//   and longitudes cross the interface as angle texts.

#include <string>

namespace rumbal {

inline constexpr double PI = 3.14159265358979;

// The three decimals settings, as stored in varios.txt: decimals of the seconds
// of angles (meridian convergence), of the seconds of latitudes and longitudes,
// and of metres. Each is turned into a whole number at every use.
struct Decimales {
    double angulos = 0;
    double geograficas = 0;
    double metros = 0;
};

// An ellipsoid as stored: semi-major axis a and semi-minor axis b (metres),
// flattening f, first and second eccentricities squared e2 and ep2. No value is
// derived from another here; each formula uses the ones it names.
struct Elipsoide {
    double a = 0;
    double b = 0;
    double f = 0;
    double e2 = 0;
    double ep2 = 0;
};

// A Transverse Mercator plane representation: origin longitude and latitude as
// angle texts (read at every use), false easting and northing (metres) and the
// scale factor on the central meridian.
struct RepresentacionPlana {
    std::string longitudorigen;
    double falsoeste = 0;
    double falsonorte = 0;
    std::string latitudorigen;
    double factorescala = 0;
};

// Seven parameters as a frame entry holds them: translations in metres,
// rotations in seconds of arc, scale change in parts per million.
struct ParametrosMarco {
    double dx = 0, dy = 0, dz = 0;
    double rx = 0, ry = 0, rz = 0;
    double k = 0;
};

// The current transformation: translations in metres, rotations in radians
// (coordinate frame convention, small angles), scale change in ppm.
struct Transformacion {
    double dx = 0, dy = 0, dz = 0;
    double rx = 0, ry = 0, rz = 0;
    double k = 0;
};

}  // namespace rumbal
