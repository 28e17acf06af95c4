#pragma once
// Shared steps of the computation on a latitude already in radians. Each is the
// same arithmetic as its text-taking operation, so a formula that reads one
// latitude text several times may read it once.

#include "geodesia/constantes.hpp"

namespace rumbal::interno {

double calwrad(double latitud, const Elipsoide& e);
double calnrad(double latitud, const Elipsoide& e);  // rounded to 5 decimals
double calrrad(double latitud, const Elipsoide& e);  // from N and M rounded, rounded

}  // namespace rumbal::interno
