#include "geodesia/proyeccion.hpp"

#include <cmath>

#include "geodesia/angulos.hpp"
#include "geodesia/calculo_interno.hpp"
#include "geodesia/geocentricas.hpp"
#include "textos/redondeo.hpp"

namespace rumbal {

interno::SerieArco interno::seriearco(const Elipsoide& e) {
    const double c = e.a * (1 - e.e2);
    const double e2 = e.e2;
    const double e4 = e2 * e2;
    const double e6 = e2 * e2 * e2;
    const double e8 = e2 * e2 * e2 * e2;
    SerieArco k;
    k.ap = ((c * PI) / 180) * (1 + (3.0 / 4) * e2 + (45.0 / 64) * e4 + (175.0 / 256) * e6 + (11025.0 / 16384) * e8);
    k.bp = (c / 2) * ((3.0 / 4) * e2 + (15.0 / 16) * e4 + (525.0 / 512) * e6 + (2205.0 / 2048) * e8);
    k.cp = (c / 8) * ((15.0 / 32) * e4 + (105.0 / 128) * e6 + (2205.0 / 2048) * e8);
    k.dp = (c / 48) * ((35.0 / 64) * e6 + (315.0 / 256) * e8);
    k.ep = (((c / 512) * 315) / 256) * e8;
    return k;
}

double interno::arcomerde(double phi, double b, const SerieArco& k) {
    const double s = k.ap * phi - k.bp * std::sin(2 * b) + k.cp * std::sin(4 * b) - k.dp * std::sin(6 * b) +
                     k.ep * std::sin(8 * b);
    return redondea(s, 5);
}

namespace {

// The latitude text read once: degrees, and radians as texarad gives them.
double arcodetexto(std::string_view latitud, const interno::SerieArco& k) {
    const double grados = gmsagra(latitud);
    return interno::arcomerde(grados, (grados * PI) / 180, k);
}

// What the forward projection needs of the origin.
interno::OrigenLeido origendeproyeccion(const RepresentacionPlana& r, const Elipsoide& e) {
    interno::OrigenLeido o;
    o.longitud = gmsagra(r.longitudorigen);
    o.serie = interno::seriearco(e);
    o.arco = arcodetexto(r.latitudorigen, o.serie);
    return o;
}

interno::SeriePie seriepie(const Elipsoide& e) {
    const double n = (e.a - e.b) / (e.a + e.b);
    const double e2 = e.e2;
    const double e4 = e2 * e2;
    const double e6 = e2 * e2 * e2;
    const double e8 = e2 * e2 * e2 * e2;
    const double e10 = e2 * e2 * e2 * e2 * e2;
    const double n2 = n * n;
    const double n3 = n * n * n;
    const double n4 = n * n * n * n;
    const double n5 = n * n * n * n * n;
    interno::SeriePie k;
    k.app = ((e.a * (1 - e2) * PI) / 180) *
            (1 + (3.0 / 4) * e2 + (45.0 / 64) * e4 + (175.0 / 256) * e6 + (11025.0 / 16384) * e8 + e10);
    k.f2 = (3 * n) / 2 - (27 * n3) / 32 + (269 * n5) / 512;
    k.f4 = (21 * n2) / 16 - (55 * n4) / 32;
    k.f6 = (151 * n3) / 96 - (417 * n5) / 128;
    k.f8 = (1097 * n4) / 512;
    return k;
}

}  // namespace

double arcomer(std::string_view latitud, const Elipsoide& e) { return arcodetexto(latitud, interno::seriearco(e)); }

interno::OrigenLeido interno::leeorigen(const RepresentacionPlana& r, const Elipsoide& e) {
    OrigenLeido o = origendeproyeccion(r, e);
    o.pie = seriepie(e);
    return o;
}

Resultado<Planas> geoapla(std::string_view latitud, std::string_view longitud, const Elipsoide& e,
                          const RepresentacionPlana& r, const Decimales& d) {
    return interno::geoaplagrados(gmsagra(latitud), gmsagra(longitud), e, r, origendeproyeccion(r, e), d);
}

Resultado<Planas> interno::geoaplagrados(double phi, double longitud, const Elipsoide& e, const RepresentacionPlana& r,
                                         const OrigenLeido& o, const Decimales& d) {
    const double b = (phi * PI) / 180;
    const double ds = arcomerde(phi, b, o.serie) - o.arco;
    const double l = ((longitud - o.longitud) * PI) / 180;
    const double t = std::tan(b);
    const double senob = std::sin(b);
    const double c = std::cos(b);
    const double eta2 = e.ep2 * (c * c);
    const double n = calnseno(senob, e);
    const double t2 = t * t;
    const double t4 = t * t * t * t;
    const double eta4 = eta2 * eta2;
    const double eta6 = eta2 * eta2 * eta2;
    const double lc = l * c;
    const double lc2 = lc * lc;
    const double lc4 = lc * lc * lc * lc;
    const double l2 = l * l;
    const double l4 = l * l * l * l;
    const double c2 = c * c;
    const double c4 = c * c * c * c;
    const double k0 = r.factorescala;
    const int dm = decimalesentero(d.metros);

    Planas p;
    p.x = redondea(r.falsonorte + k0 * (ds + (lc2 / 2) * n * t * (1 + (lc2 / 12) * (5 - t2 + 9 * eta2))), dm);
    p.y = redondea(r.falsoeste +
                       k0 * (lc * n *
                             (1 + (lc2 / 6) * (1 - t2 + eta2) +
                              (lc4 / 120) * (5 - 18 * t2 + t4 + 14 * eta2 - 58 * eta2 * t2))),
                   dm);
    p.factorescala = k0 * (1 + (l2 / 2) * c2 * (1 + eta2) +
                           (l4 / 24) * c4 *
                               (5 - 4 * t2 + 14 * eta2 - 28 * t2 * eta2 - 48 * t2 * eta4 - 24 * t2 * eta6));
    const double gamma =
        (l * senob) * (1 + (l2 / 3) * c2 * (1 + 3 * eta2 + 2 * eta4) + (l4 / 15) * c4 * (2 - t2));
    p.convergencia = radatexang(gamma, d);
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.factorescala) || p.convergencia.empty())
        return nofinito();
    return p;
}

Resultado<LatitudLongitud> plaageo(double x, double y, const Elipsoide& e, const RepresentacionPlana& r,
                                   const Decimales& d) {
    return interno::plaageoleido(x, y, e, r, interno::leeorigen(r, e), d);
}

Resultado<LatitudLongitud> interno::plaageoleido(double x, double y, const Elipsoide& e, const RepresentacionPlana& r,
                                                 const OrigenLeido& o, const Decimales& d) {
    const double k0 = r.factorescala;
    if (k0 == 0) return falla("el factor de escala de la representación plana es 0");
    const SeriePie& k = o.pie;
    const double mu = ((((x - r.falsonorte) / k0 + o.arco) / k.app) * PI) / 180;
    const double phi1 = mu + k.f2 * std::sin(2 * mu) + k.f4 * std::sin(4 * mu) + k.f6 * std::sin(6 * mu) +
                        k.f8 * std::sin(8 * mu);
    // The series is not meant for the poles: at a footpoint of +-90 degrees the
    // longitude divides by cos(phi1) = 0, and beyond it the latitude folds back.
    if (!std::isfinite(phi1)) return nofinito();
    if (std::fabs(phi1) >= PI / 2) return falla("la latitud del punto pie llega a un polo");

    const double n1 = caln(gratexgeo((phi1 * 180) / PI, d), e);
    const double dd = ((y - r.falsoeste) / n1) / k0;
    const double t1 = std::tan(phi1);
    const double c1 = std::cos(phi1);
    const double eta2 = e.ep2 * (c1 * c1);
    const double t12 = t1 * t1;
    const double t14 = t1 * t1 * t1 * t1;
    const double d2 = dd * dd;
    const double d4 = dd * dd * dd * dd;
    const double b = phi1 - ((d2 / 2) * t1 * (1 + eta2)) * (1 - (d2 / 12) * (5 + 3 * t12 + eta2 - 9 * eta2 * t12));
    const double dl =
        (dd / c1) * (1 - (d2 / 6) * (1 + 2 * t12 + eta2) + (d4 / 120) * (5 + 28 * t12 + 24 * t14 + 6 * eta2 + 8 * eta2 * t12));
    LatitudLongitud g;
    g.latitud = gratexgeo((b * 180) / PI, d);
    g.longitud = gratexgeo((dl * 180) / PI + o.longitud, d);
    if (g.latitud.empty() || g.longitud.empty()) return nofinito();
    return g;
}

Resultado<double> interno::coefaltgrados(double latitud, double altura, const Elipsoide& e) {
    const double r = calrrad((latitud * PI) / 180, e);
    const double c = r / (r + altura);
    if (!std::isfinite(c)) return nofinito();
    return c;
}

Resultado<double> coefalt(std::string_view latitud, double altura, const Elipsoide& e) {
    return interno::coefaltgrados(gmsagra(latitud), altura, e);
}

}  // namespace rumbal
