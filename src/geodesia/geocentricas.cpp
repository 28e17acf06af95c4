#include "geodesia/geocentricas.hpp"

#include <cmath>

#include "geodesia/angulos.hpp"
#include "geodesia/calculo_interno.hpp"
#include "textos/redondeo.hpp"

namespace rumbal {

namespace interno {

namespace {

double radiom(double w, const Elipsoide& e) { return redondea((e.a * (1 - e.e2)) / (w * w * w), 5); }
double radion(double w, const Elipsoide& e) { return redondea(e.a / w, 5); }

}  // namespace

double calwseno(double s, const Elipsoide& e) { return std::sqrt(1 - e.e2 * (s * s)); }

double calnseno(double s, const Elipsoide& e) { return radion(calwseno(s, e), e); }

double calwrad(double b, const Elipsoide& e) { return calwseno(std::sin(b), e); }

double calnrad(double b, const Elipsoide& e) { return radion(calwrad(b, e), e); }

double calmrad(double b, const Elipsoide& e) { return radiom(calwrad(b, e), e); }

// N and M from one W.
double calrrad(double b, const Elipsoide& e) {
    const double w = calwrad(b, e);
    return redondea(std::sqrt(radion(w, e) * radiom(w, e)), 5);
}

}  // namespace interno

double calw(std::string_view latitud, const Elipsoide& e) { return interno::calwrad(texarad(latitud), e); }

double caln(std::string_view latitud, const Elipsoide& e) { return interno::calnrad(texarad(latitud), e); }

double calm(std::string_view latitud, const Elipsoide& e) { return interno::calmrad(texarad(latitud), e); }

double calr(std::string_view latitud, const Elipsoide& e) { return interno::calrrad(texarad(latitud), e); }

Resultado<Cartesianas> interno::geoacargrados(double latitud, double longitud, double h, const Elipsoide& e,
                                              const Decimales& d) {
    const double b = (latitud * PI) / 180;
    const double l = (longitud * PI) / 180;
    const double senob = std::sin(b);
    const double cosenob = std::cos(b);
    const double n = calnseno(senob, e);
    const int dm = decimalesentero(d.metros);
    Cartesianas c;
    c.x = redondea(((n + h) * cosenob) * std::cos(l), dm);
    c.y = redondea(((n + h) * cosenob) * std::sin(l), dm);
    c.z = redondea((n * (1 - e.e2) + h) * senob, dm);
    if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z)) return nofinito();
    return c;
}

Resultado<Cartesianas> geoacar(std::string_view latitud, std::string_view longitud, double h, const Elipsoide& e,
                               const Decimales& d) {
    return interno::geoacargrados(gmsagra(latitud), gmsagra(longitud), h, e, d);
}

Resultado<Geodesicas> caracgeo(double x, double y, double z, const Elipsoide& e, const Decimales& d) {
    const int dm = decimalesentero(d.metros);
    Geodesicas g;
    if (x == 0 && y == 0) {
        g.latitud = gratexgeo(z >= 0 ? 90.0 : -90.0, d);
        g.longitud = gratexgeo(0.0, d);
        g.altura = redondea(std::fabs(z) - e.b, dm);
    } else {
        const double p = std::sqrt(x * x + y * y);
        const double theta = std::atan(z / (p * (1 - e.f)));
        const double s = std::sin(theta);
        const double c = std::cos(theta);
        const double b = std::atan((z + e.ep2 * e.b * (s * s * s)) / (p - e.e2 * e.a * (c * c * c)));
        g.latitud = radatexgeo(b, d);
        g.longitud = radatexgeo(arcotan(x, y), d);
        const double bescrita = texarad(g.latitud);
        g.altura = redondea(p / std::cos(bescrita) - interno::calnrad(bescrita, e), dm);
    }
    if (g.latitud.empty() || g.longitud.empty() || !std::isfinite(g.altura)) return nofinito();
    return g;
}

Error nofinito() { return falla("el resultado no es un número finito"); }

double arcotan(double x, double y) {
    const auto sgn = [](double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); };
    double r;
    if (x != 0)
        r = std::atan(y / x) + (PI / 2) * sgn(y) * (1 - sgn(x));
    else
        r = (PI / 2) * sgn(y);
    if (x < 0 && y == 0) r = PI;
    return r;
}

}  // namespace rumbal
