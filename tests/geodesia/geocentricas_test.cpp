#include "geodesia/geocentricas.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesia/angulos.hpp"
#include "geodesia/comun_geodesia.hpp"
#include "textos/redondeo.hpp"

namespace rumbal {
namespace {

using prueba::decimales453;
using prueba::wgs84;

bool tienedecimales(double v, int n) { return redondea(v, n) == v; }

TEST(Radios, CincoDecimalesYValoresConocidos) {
    const Elipsoide e = wgs84();
    for (const char* lat : {"0", "-34 36 12.5", "45", "-89 59 59.9", "90"}) {
        EXPECT_TRUE(tienedecimales(caln(lat, e), 5)) << lat;
        EXPECT_TRUE(tienedecimales(calm(lat, e), 5)) << lat;
        EXPECT_TRUE(tienedecimales(calr(lat, e), 5)) << lat;
    }
    EXPECT_EQ(calw("0", e), 1.0);
    EXPECT_EQ(caln("0", e), 6378137.0);
    // M at the equator is a (1 - e2); N and M meet at the poles (a^2 / b).
    EXPECT_NEAR(calm("0", e), 6378137 * (1 - 0.00669437999014111), 1e-5);
    EXPECT_NEAR(caln("90", e), 6399593.6258, 1e-3);
    EXPECT_NEAR(calm("90", e), 6399593.6258, 1e-3);
}

// Points on the axes: exact angles, and the height over a or b.
struct CasoEje {
    double x, y, z;
    const char *latitud, *longitud;
    double altura;
};

class EjesPrincipales : public ::testing::TestWithParam<CasoEje> {};

TEST_P(EjesPrincipales, AngulosExactosYAlturaSobreAOB) {
    const CasoEje& c = GetParam();
    const auto g = caracgeo(c.x, c.y, c.z, wgs84(), decimales453);
    ASSERT_TRUE(g.bien());
    EXPECT_EQ(g->latitud, c.latitud);
    EXPECT_EQ(g->longitud, c.longitud);
    EXPECT_EQ(g->altura, c.altura);
}

const double b = 6356752.31424518;

INSTANTIATE_TEST_SUITE_P(Casos, EjesPrincipales,
                         ::testing::ValuesIn(std::vector<CasoEje>{{6378137, 0, 0, "    0 00 00", "    0 00 00", 0},
                                                                  {-6378137, 0, 0, "    0 00 00", " 180 00 00", 0},
                                                                  {0, 6378137, 0, "    0 00 00", "  90 00 00", 0},
                                                                  {0, 0, b + 10, "  90 00 00", "    0 00 00", 10},
                                                                  {0, 0, -b - 5.5, " -90 00 00", "    0 00 00", 5.5}}));

TEST(CartesianasAGeodesicas, LaAlturaSaleDeLaLatitudEscrita) {
    // With 0 decimals of seconds the latitude shown is rounded; the height is
    // computed from it, not from the unrounded latitude.
    const Elipsoide e = wgs84();
    const Decimales d{0, 0, 3};
    const auto c = geoacar("-34 36 12.4", "-58 22 54.3", 25, e, decimales453);
    ASSERT_TRUE(c.bien());
    const auto g = caracgeo(c->x, c->y, c->z, e, d);
    ASSERT_TRUE(g.bien());
    EXPECT_EQ(g->latitud, " -34 36 12");
    const double p = std::sqrt(c->x * c->x + c->y * c->y);
    EXPECT_EQ(g->altura, redondea(p / std::cos(texarad(g->latitud)) - caln(g->latitud, e), 3));
}

TEST(CartesianasAGeodesicas, ElipsoideImposibleNoDaNumerosFalsos) {
    const Elipsoide malo{6378137, 0, 0, 2, 0};  // e2 = 2: W is the root of a negative number
    const std::string nofinito = "el resultado no es un n\xFAmero finito";
    for (const auto& c :
         {geoacar("60", "10", 0, malo, decimales453), geoacar("10", "10", INFINITY, wgs84(), decimales453)}) {
        ASSERT_FALSE(c.bien());
        EXPECT_EQ(c.error().motivo, nofinito);
    }
    const auto g = caracgeo(INFINITY, 1, 1, wgs84(), decimales453);
    ASSERT_FALSE(g.bien());
    EXPECT_EQ(g.error().motivo, nofinito);
}

struct CasoArcotan {
    double x, y, r;
};

class Arcotangente : public ::testing::TestWithParam<CasoArcotan> {};

TEST_P(Arcotangente, CirculoCompleto) { EXPECT_EQ(arcotan(GetParam().x, GetParam().y), GetParam().r); }

INSTANTIATE_TEST_SUITE_P(Casos, Arcotangente,
                         ::testing::Values(CasoArcotan{-1, 0, 3.14159265358979}, CasoArcotan{0, 0, 0},
                                           CasoArcotan{0, -5, -3.14159265358979 / 2},
                                           CasoArcotan{-1, -1e-300, -3.14159265358979},
                                           CasoArcotan{0, 5, 3.14159265358979 / 2}, CasoArcotan{1, 1, std::atan(1.0)},
                                           CasoArcotan{-1, 1, std::atan(-1.0) + 3.14159265358979},
                                           CasoArcotan{-1, -1, std::atan(1.0) - 3.14159265358979}));

}  // namespace
}  // namespace rumbal
