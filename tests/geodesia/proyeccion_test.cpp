#include "geodesia/proyeccion.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "geodesia/angulos.hpp"
#include "geodesia/calculo_interno.hpp"
#include "geodesia/comun_geodesia.hpp"
#include "geodesia/geocentricas.hpp"
#include "textos/redondeo.hpp"

namespace rumbal {
namespace {

using prueba::decimales453;
using prueba::faja5;
using prueba::wgs84;

TEST(ArcoDeMeridiano, EcuadorYCuadrante) {
    const Elipsoide e = wgs84();
    EXPECT_EQ(arcomer("0", e), 0);
    const double cuadrante = arcomer("-90", e);
    // The WGS 84 meridian quadrant is 10 001 965.729 m.
    EXPECT_NEAR(cuadrante, -10001965.729, 0.001);
    EXPECT_EQ(redondea(cuadrante, 5), cuadrante);
    EXPECT_EQ(arcomer("90", e), -cuadrante);
}

TEST(Proyeccion, SobreElMeridianoCentral) {
    const auto p = geoapla("-34 36 12.5", "-60", wgs84(), faja5(), decimales453);
    ASSERT_TRUE(p.bien());
    EXPECT_EQ(p->y, 5500000);
    EXPECT_EQ(p->factorescala, 1);
    EXPECT_EQ(p->convergencia, "    0 00 00");
    // On the central meridian X is the meridian arc from the pole of origin.
    EXPECT_EQ(p->x, redondea(arcomer("-34 36 12.5", wgs84()) - arcomer("-90", wgs84()), 3));
}

TEST(Proyeccion, SimetriaRespectoDelMeridianoCentral) {
    const Elipsoide e = wgs84();
    const auto este = geoapla("-40", "-58", e, faja5(), decimales453);
    const auto oeste = geoapla("-40", "-62", e, faja5(), decimales453);
    ASSERT_TRUE(este && oeste);
    EXPECT_EQ(este->x, oeste->x);
    EXPECT_NEAR(este->y - 5500000, 5500000 - oeste->y, 0.0011);
    EXPECT_EQ(este->factorescala, oeste->factorescala);
    EXPECT_EQ(este->convergencia.substr(0, 4), "  -1");
    EXPECT_EQ(oeste->convergencia.substr(0, 4), "    ");  // positive, one-digit degrees
}

// What the projection refuses, and the reason it gives.
TEST(Proyeccion, RechazaLoQueLasFormulasNoToman) {
    const Elipsoide e = wgs84();
    RepresentacionPlana sinescala = faja5();
    sinescala.factorescala = 0;
    const std::string nofinito = "el resultado no es un n\xFAmero finito";
    const struct {
        Resultado<LatitudLongitud> inversa;
        std::string motivo;
    } casos[] = {
        {plaageo(6000000, 5600000, e, sinescala, decimales453),
         "el factor de escala de la representaci\xF3n plana es 0"},
        // X beyond the length of two quadrants from the south pole: the footpoint is past the pole.
        {plaageo(20003931.46 + 1000, 5500000, e, faja5(), decimales453), "la latitud del punto pie llega a un polo"},
        {plaageo(NAN, 5500000, e, faja5(), decimales453), nofinito},
    };
    for (const auto& caso : casos) {
        ASSERT_FALSE(caso.inversa.bien()) << caso.motivo;
        EXPECT_EQ(caso.inversa.error().motivo, caso.motivo);
    }
    const auto directa = geoapla("1E999", "-60", e, faja5(), decimales453);
    ASSERT_FALSE(directa.bien());
    EXPECT_EQ(directa.error().motivo, nofinito);
}

TEST(CoeficienteDeAltura, UnoAlNivelDelElipsoide) {
    const Elipsoide e = wgs84();
    EXPECT_EQ(coefalt("-34 36 12.5", 0, e).valor(), 1.0);
    const auto c = coefalt("-34 36 12.5", 25, e);
    ASSERT_TRUE(c.bien());
    EXPECT_LT(*c, 1.0);
    const auto aplomo = coefalt("0", -calr("0", e), e);  // h = -R
    ASSERT_FALSE(aplomo.bien());
    EXPECT_EQ(aplomo.error().motivo, "el resultado no es un n\xFAmero finito");
}


// The formulas as they are written, each evaluated where it is used, with
// nothing computed once and shared: every operation, however it is organised,
// must give these bits.
namespace escrito {

double calw(double b, const Elipsoide& e) { return std::sqrt(1 - e.e2 * (std::sin(b) * std::sin(b))); }
double caln(double b, const Elipsoide& e) { return redondea(e.a / calw(b, e), 5); }
double calm(double b, const Elipsoide& e) {
    return redondea((e.a * (1 - e.e2)) / (calw(b, e) * calw(b, e) * calw(b, e)), 5);
}
double calr(double b, const Elipsoide& e) { return redondea(std::sqrt(caln(b, e) * calm(b, e)), 5); }

double arco(double phi, double b, const Elipsoide& e) {
    const double c = e.a * (1 - e.e2);
    const double e2 = e.e2;
    const double ap = ((c * PI) / 180) * (1 + (3.0 / 4) * e2 + (45.0 / 64) * (e2 * e2) +
                                          (175.0 / 256) * (e2 * e2 * e2) + (11025.0 / 16384) * (e2 * e2 * e2 * e2));
    const double bp = (c / 2) * ((3.0 / 4) * e2 + (15.0 / 16) * (e2 * e2) + (525.0 / 512) * (e2 * e2 * e2) +
                                 (2205.0 / 2048) * (e2 * e2 * e2 * e2));
    const double cp =
        (c / 8) * ((15.0 / 32) * (e2 * e2) + (105.0 / 128) * (e2 * e2 * e2) + (2205.0 / 2048) * (e2 * e2 * e2 * e2));
    const double dp = (c / 48) * ((35.0 / 64) * (e2 * e2 * e2) + (315.0 / 256) * (e2 * e2 * e2 * e2));
    const double ep = (((c / 512) * 315) / 256) * (e2 * e2 * e2 * e2);
    return redondea(ap * phi - bp * std::sin(2 * b) + cp * std::sin(4 * b) - dp * std::sin(6 * b) + ep * std::sin(8 * b),
                    5);
}

double arcodetexto(const std::string& t, const Elipsoide& e) { return arco(gmsagra(t), texarad(t), e); }

Cartesianas geoacar(const std::string& lat, const std::string& lon, double h, const Elipsoide& e, const Decimales& d) {
    const double b = texarad(lat);
    const double l = texarad(lon);
    const int dm = decimalesentero(d.metros);
    return {redondea(((caln(b, e) + h) * std::cos(b)) * std::cos(l), dm),
            redondea(((caln(b, e) + h) * std::cos(b)) * std::sin(l), dm),
            redondea((caln(b, e) * (1 - e.e2) + h) * std::sin(b), dm)};
}

Planas geoapla(const std::string& lat, const std::string& lon, const Elipsoide& e, const RepresentacionPlana& r,
               const Decimales& d) {
    const double phi = gmsagra(lat);
    const double b = (phi * PI) / 180;
    const double ds = arco(phi, b, e) - arcodetexto(r.latitudorigen, e);
    const double l = ((gmsagra(lon) - gmsagra(r.longitudorigen)) * PI) / 180;
    const double t = std::tan(b);
    const double c = std::cos(b);
    const double n = caln(b, e);
    const double eta2 = e.ep2 * (c * c);
    const double lc = l * c;
    const double k0 = r.factorescala;
    const int dm = decimalesentero(d.metros);
    Planas p;
    p.x = redondea(r.falsonorte + k0 * (ds + ((lc * lc) / 2) * n * t * (1 + ((lc * lc) / 12) * (5 - t * t + 9 * eta2))),
                   dm);
    p.y = redondea(r.falsoeste + k0 * (lc * n *
                                       (1 + ((lc * lc) / 6) * (1 - t * t + eta2) +
                                        ((lc * lc * lc * lc) / 120) *
                                            (5 - 18 * (t * t) + t * t * t * t + 14 * eta2 - 58 * eta2 * (t * t)))),
                   dm);
    p.factorescala =
        k0 * (1 + ((l * l) / 2) * (c * c) * (1 + eta2) +
              ((l * l * l * l) / 24) * (c * c * c * c) *
                  (5 - 4 * (t * t) + 14 * eta2 - 28 * (t * t) * eta2 - 48 * (t * t) * (eta2 * eta2) -
                   24 * (t * t) * (eta2 * eta2 * eta2)));
    const double gamma = (l * std::sin(b)) * (1 + ((l * l) / 3) * (c * c) * (1 + 3 * eta2 + 2 * (eta2 * eta2)) +
                                              ((l * l * l * l) / 15) * (c * c * c * c) * (2 - t * t));
    p.convergencia = radatexang(gamma, d);
    return p;
}

LatitudLongitud plaageo(double x, double y, const Elipsoide& e, const RepresentacionPlana& r, const Decimales& d) {
    const double k0 = r.factorescala;
    const double n = (e.a - e.b) / (e.a + e.b);
    const double e2 = e.e2;
    const double app = ((e.a * (1 - e2) * PI) / 180) *
                       (1 + (3.0 / 4) * e2 + (45.0 / 64) * (e2 * e2) + (175.0 / 256) * (e2 * e2 * e2) +
                        (11025.0 / 16384) * (e2 * e2 * e2 * e2) + e2 * e2 * e2 * e2 * e2);
    const double mu = ((((x - r.falsonorte) / k0 + arcodetexto(r.latitudorigen, e)) / app) * PI) / 180;
    const double phi1 = mu + ((3 * n) / 2 - (27 * (n * n * n)) / 32 + (269 * (n * n * n * n * n)) / 512) * std::sin(2 * mu) +
                        ((21 * (n * n)) / 16 - (55 * (n * n * n * n)) / 32) * std::sin(4 * mu) +
                        ((151 * (n * n * n)) / 96 - (417 * (n * n * n * n * n)) / 128) * std::sin(6 * mu) +
                        ((1097 * (n * n * n * n)) / 512) * std::sin(8 * mu);
    const double n1 = caln(texarad(gratexgeo((phi1 * 180) / PI, d)), e);
    const double dd = ((y - r.falsoeste) / n1) / k0;
    const double t1 = std::tan(phi1);
    const double c1 = std::cos(phi1);
    const double eta2 = e.ep2 * (c1 * c1);
    const double t12 = t1 * t1;
    const double d2 = dd * dd;
    const double b = phi1 - ((d2 / 2) * t1 * (1 + eta2)) * (1 - (d2 / 12) * (5 + 3 * t12 + eta2 - 9 * eta2 * t12));
    const double dl = (dd / c1) * (1 - (d2 / 6) * (1 + 2 * t12 + eta2) +
                                   ((dd * dd * dd * dd) / 120) *
                                       (5 + 28 * t12 + 24 * (t1 * t1 * t1 * t1) + 6 * eta2 + 8 * eta2 * t12));
    return {gratexgeo((b * 180) / PI, d), gratexgeo((dl * 180) / PI + gmsagra(r.longitudorigen), d)};
}

}  // namespace escrito

bool mismosbits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// Points over the whole ellipsoid, on every shipped ellipsoid and several
// zones and decimals, through the text operations and through the ones that
// take a record's angles read once and the origin read once per run.
TEST(OrdenEscrito, CadaOperacionDaLosBitsDeLasFormulasEscritas) {
    const Elipsoide elipsoides[] = {
        wgs84(),
        {6378137, 6356752.31414036, .00335281068118232, .00669438002289946, .00673949677547769},
        {6378388, 6356911.94612795, .00336700336700337, .00672267002233196, .00676817019722309},
        {6377397.155, 6356078.96281819, .00334277318217481, .00667437223180145, .00671921879917403},
        {6378206.4, 6356583.80000001, .00339007530392762, .0067686579972881, .00681478494591214},
        {6378249.145, 6356514.86954978, .00340756137869933, .00680351128284751, .00685011612519437}};
    const RepresentacionPlana representaciones[] = {faja5(),
                                                     {"-72", 1500000, 0, "-90", 1},
                                                     {"-63", 500000, 10000000, "0", 0.9996},
                                                     {"-57 30", 500000, 10000000, "-34 30 15,5", 0.9996}};
    std::mt19937_64 azar(31);
    std::uniform_real_distribution<double> latitud(-89.9, 89.9);
    std::uniform_real_distribution<double> desvio(-6, 6);
    std::uniform_real_distribution<double> altura(-500, 9000);
    // Up to 12 decimals of metres: from 10 on, rounding keeps every bit of the
    // coordinates, so a change of the last bit shows.
    std::uniform_int_distribution<int> decimales(0, 12);
    int fallas = 0;
    int inversas = 0;
    const auto revisa = [&](bool bien, const char* operacion) {
        if (bien) return;
        ADD_FAILURE() << operacion;
        ++fallas;
    };
    for (int i = 0; i < 20000 && fallas < 10; ++i) {
        const Elipsoide& e = elipsoides[i % 6];
        const RepresentacionPlana& r = representaciones[(i / 6) % 4];
        const Decimales d{static_cast<double>(decimales(azar)), static_cast<double>(decimales(azar)),
                          static_cast<double>(decimales(azar))};
        const double h = redondea(altura(azar), 3);
        const std::string lat = gratexgeo(latitud(azar), d);
        const std::string lon = gratexgeo(gmsagra(r.longitudorigen) + desvio(azar), d);
        const double latgrados = gmsagra(lat);
        const double longrados = gmsagra(lon);
        const interno::OrigenLeido origen = interno::leeorigen(r, e);
        char punto[200];
        std::snprintf(punto, sizeof punto, "punto %d: %s, %s, %.3f", i, lat.c_str(), lon.c_str(), h);
        SCOPED_TRACE(punto);

        const Cartesianas c = escrito::geoacar(lat, lon, h, e, d);
        for (const auto& calculada : {*geoacar(lat, lon, h, e, d), *interno::geoacargrados(latgrados, longrados, h, e, d)})
            revisa(mismosbits(calculada.x, c.x) && mismosbits(calculada.y, c.y) && mismosbits(calculada.z, c.z),
                   "geoacar");

        const double coef = escrito::calr(texarad(lat), e) / (escrito::calr(texarad(lat), e) + h);
        revisa(mismosbits(*coefalt(lat, h, e), coef) && mismosbits(*interno::coefaltgrados(latgrados, h, e), coef),
               "coefalt");
        revisa(mismosbits(caln(lat, e), escrito::caln(texarad(lat), e)) &&
                   mismosbits(calm(lat, e), escrito::calm(texarad(lat), e)) &&
                   mismosbits(calr(lat, e), escrito::calr(texarad(lat), e)) &&
                   mismosbits(arcomer(lat, e), escrito::arcodetexto(lat, e)),
               "radios o arco");

        const Planas p = escrito::geoapla(lat, lon, e, r, d);
        for (const auto& calculada :
             {*geoapla(lat, lon, e, r, d), *interno::geoaplagrados(latgrados, longrados, e, r, origen, d)})
            revisa(mismosbits(calculada.x, p.x) && mismosbits(calculada.y, p.y) &&
                       mismosbits(calculada.factorescala, p.factorescala) && calculada.convergencia == p.convergencia,
                   "geoapla");

        // The inverse refuses a footpoint at or beyond a pole; both ways of
        // calling it must agree on that too.
        const auto g1 = plaageo(p.x, p.y, e, r, d);
        const auto g2 = interno::plaageoleido(p.x, p.y, e, r, origen, d);
        revisa(g1.bien() == g2.bien(), "plaageo");
        if (!g1 || !g2) continue;
        ++inversas;
        const LatitudLongitud g = escrito::plaageo(p.x, p.y, e, r, d);
        for (const auto& calculada : {*g1, *g2})
            revisa(calculada.latitud == g.latitud && calculada.longitud == g.longitud, "plaageo");
    }
    EXPECT_GT(inversas, 19000);
}

}  // namespace
}  // namespace rumbal
