#pragma once
// The computation on latitudes and longitudes already read from their angle
// texts (decimal degrees, as gmsagra gives them). Each function is the same
// arithmetic as its text-taking operation, which calls it: file work reads
// each text of a record once, and the origin of a plane representation once
// per run, and gets the same bits.

#include "geodesia/constantes.hpp"
#include "geodesia/geocentricas.hpp"
#include "geodesia/proyeccion.hpp"

namespace rumbal::interno {

double calwrad(double latitud, const Elipsoide& e);  // latitude in radians
double calnrad(double latitud, const Elipsoide& e);  // rounded to 5 decimals
double calmrad(double latitud, const Elipsoide& e);  // rounded to 5 decimals
double calrrad(double latitud, const Elipsoide& e);  // from N and M rounded, rounded
// W and N from the sine of the latitude, where the caller has it already.
double calwseno(double seno, const Elipsoide& e);
double calnseno(double seno, const Elipsoide& e);

// The factors of the meridian arc series, which depend on the ellipsoid alone.
struct SerieArco {
    double ap = 0, bp = 0, cp = 0, dp = 0, ep = 0;
};
SerieArco seriearco(const Elipsoide& e);
// Meridian arc with the latitude in degrees (phi) and in radians (b).
double arcomerde(double grados, double radianes, const SerieArco& s);

// The factors of the footpoint latitude series of the inverse projection,
// which depend on the ellipsoid alone.
struct SeriePie {
    double app = 0;                 // metres per degree of the rectifying latitude
    double f2 = 0, f4 = 0, f6 = 0, f8 = 0;  // factors of sin 2mu, sin 4mu, sin 6mu, sin 8mu
};

// The origin of a plane representation, read, and the ellipsoid's series
// factors: what every point of a run shares. Each operation that takes it gets
// the same bits as when it reads the representation itself; it must have been
// read with the ellipsoid the operation is given.
struct OrigenLeido {
    double longitud = 0;  // degrees
    double arco = 0;      // meridian arc to the origin latitude
    SerieArco serie;
    SeriePie pie;
};
OrigenLeido leeorigen(const RepresentacionPlana& r, const Elipsoide& e);

Resultado<Cartesianas> geoacargrados(double latitud, double longitud, double altura, const Elipsoide& e,
                                     const Decimales& d);
Resultado<Planas> geoaplagrados(double latitud, double longitud, const Elipsoide& e, const RepresentacionPlana& r,
                                const OrigenLeido& o, const Decimales& d);
Resultado<LatitudLongitud> plaageoleido(double x, double y, const Elipsoide& e, const RepresentacionPlana& r,
                                        const OrigenLeido& o, const Decimales& d);
Resultado<double> coefaltgrados(double latitud, double altura, const Elipsoide& e);

}  // namespace rumbal::interno
