#pragma once
// The computation on latitudes and longitudes already read from their angle
// texts (decimal degrees, as gmsagra gives them). Each function is the same
// arithmetic as its text-taking operation, which calls it: file work reads
// each text of a record once, and the origin of a plane representation once
// per run, and gets the same bits.

#include <optional>

#include "geodesia/constantes.hpp"
#include "geodesia/geocentricas.hpp"
#include "geodesia/proyeccion.hpp"

namespace rumbal::interno {

double calwrad(double latitud, const Elipsoide& e);  // latitude in radians
double calnrad(double latitud, const Elipsoide& e);  // rounded to 5 decimals
double calmrad(double latitud, const Elipsoide& e);  // rounded to 5 decimals
double calrrad(double latitud, const Elipsoide& e);  // from N and M rounded, rounded
double arcomerde(double grados, double radianes, const Elipsoide& e);

// The origin of a plane representation, read: its longitude in degrees and the
// meridian arc to its latitude.
struct OrigenLeido {
    double longitud = 0;
    double arco = 0;
};
OrigenLeido leeorigen(const RepresentacionPlana& r, const Elipsoide& e);

std::optional<Cartesianas> geoacargrados(double latitud, double longitud, double altura, const Elipsoide& e,
                                         const Decimales& d);
std::optional<Planas> geoaplagrados(double latitud, double longitud, const Elipsoide& e,
                                    const RepresentacionPlana& r, const OrigenLeido& o, const Decimales& d);
std::optional<LatitudLongitud> plaageoleido(double x, double y, const Elipsoide& e, const RepresentacionPlana& r,
                                            const OrigenLeido& o, const Decimales& d);
std::optional<double> coefaltgrados(double latitud, double altura, const Elipsoide& e);

}  // namespace rumbal::interno
