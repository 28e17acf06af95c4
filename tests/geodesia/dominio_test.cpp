// The values the computation can take: angle texts read strictly, the ranges
// of points, and catalogue entries that can be computed with.

#include "geodesia/dominio.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "geodesia/angulos.hpp"

namespace rumbal {
namespace {

struct CasoAngulo {
    const char* texto;
    double grados;
};

class AnguloAceptado : public ::testing::TestWithParam<CasoAngulo> {};

TEST_P(AnguloAceptado, ValeLoQueLeeElCalculo) {
    const auto v = dominio::leeangulo(GetParam().texto);
    ASSERT_TRUE(v) << GetParam().texto;
    EXPECT_EQ(*v, GetParam().grados);
    EXPECT_EQ(*v, gmsagra(GetParam().texto));
}

INSTANTIATE_TEST_SUITE_P(Casos, AnguloAceptado,
                         ::testing::Values(CasoAngulo{" -34 36 12,5", -(34 + 36.0 / 60 + 12.5 / 3600)},
                                           CasoAngulo{"-34 36 12.5  ", -(34 + 36.0 / 60 + 12.5 / 3600)},
                                           CasoAngulo{"   -0 30 00", -0.5}, CasoAngulo{"  45", 45},
                                           CasoAngulo{"+45 5", 45 + 5.0 / 60}, CasoAngulo{" 44 59 60", 45},
                                           CasoAngulo{"-34 36 1.25E+01", -(34 + 36.0 / 60 + 12.5 / 3600)},
                                           CasoAngulo{"-34,5", -34.5}, CasoAngulo{"-34.5", -34.5},
                                           CasoAngulo{"12 00 05E-02", 12 + 0.05 / 3600}));

class AnguloRechazado : public ::testing::TestWithParam<const char*> {};

TEST_P(AnguloRechazado, NoEsUnAngulo) { EXPECT_FALSE(dominio::leeangulo(GetParam())) << GetParam(); }

INSTANTIATE_TEST_SUITE_P(Casos, AnguloRechazado,
                         ::testing::Values("", "   ", "-", "-34\xB0", "-34 36 12.5 S", "S 34 36", "-34 360", "-34 60",
                                           "-34 36 61", "-34 36 -5", "-34  36", "- 34", "-34.5 30", "34.5.1", "0x1p3",
                                           "1e-400", "-34.5abc", "-34 36 12,5,1", "-34 36 12 1", "-34 36 12.5.", "-34,",
                                           "+-34", "34 3a", "\t34"));

// Every angle text the program writes reads back as the same value.
TEST(AnguloEscrito, SeLeeIgualQueLoLeeElCalculo) {
    std::mt19937_64 azar(7);
    std::uniform_real_distribution<double> grados(-360, 360);
    for (int i = 0; i < 20000; ++i) {
        const double x = i < 10 ? (i - 5) * 1e-9 : grados(azar);
        for (int decimales : {0, 1, 4, 9}) {
            const std::string texto = gratex(x, decimales);
            const auto v = dominio::leeangulo(texto);
            ASSERT_TRUE(v) << "\"" << texto << "\"";
            ASSERT_EQ(*v, gmsagra(texto)) << texto;
        }
    }
}

const double infinito = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();

TEST(Rangos, LimitesIncluidosYFueraDeEllos) {
    EXPECT_TRUE(dominio::latitudvalida(90));
    EXPECT_TRUE(dominio::latitudvalida(-90));
    EXPECT_FALSE(dominio::latitudvalida(std::nextafter(90.0, 91.0)));
    EXPECT_FALSE(dominio::latitudvalida(nan));
    EXPECT_TRUE(dominio::longitudvalida(-360));
    EXPECT_FALSE(dominio::longitudvalida(360.000001));
    EXPECT_TRUE(dominio::alturavalida(-100000));
    EXPECT_FALSE(dominio::alturavalida(100000.001));
    EXPECT_FALSE(dominio::alturavalida(infinito));
    EXPECT_TRUE(dominio::geocentricasvalidas(6378137, 0, 0));
    EXPECT_TRUE(dominio::geocentricasvalidas(0, 0, 6356752.314));
    EXPECT_FALSE(dominio::geocentricasvalidas(0, 0, 0));
    EXPECT_FALSE(dominio::geocentricasvalidas(6249999, 0, 0));
    EXPECT_FALSE(dominio::geocentricasvalidas(6480001, 0, 0));
    EXPECT_FALSE(dominio::geocentricasvalidas(1e300, 1e300, 0));
    EXPECT_FALSE(dominio::geocentricasvalidas(6378137, nan, 0));
    EXPECT_TRUE(dominio::enlazona(-34, -80, -60, false));
    EXPECT_FALSE(dominio::enlazona(-34, -80.0001, -60, false));
    EXPECT_TRUE(dominio::enlazona(90, -60, -60, false));
    EXPECT_FALSE(dominio::enlazona(90, -60, -60, true));
    EXPECT_FALSE(dominio::enlazona(nan, -60, -60, true));
}

struct CasoElipsoide {
    Elipsoide e;
    const char* motivo;  // empty when it can be computed with
};

class RevisaElipsoide : public ::testing::TestWithParam<CasoElipsoide> {};

TEST_P(RevisaElipsoide, DiceElMotivo) {
    const auto r = dominio::revisa(GetParam().e);
    EXPECT_EQ(r.bien() ? std::string() : r.error().motivo, GetParam().motivo);
}

const Elipsoide wgs84{6378137, 6356752.31424518, .00335281066474748, .00669437999014111, .00673949674227625};

INSTANTIATE_TEST_SUITE_P(
    Casos, RevisaElipsoide,
    ::testing::Values(
        CasoElipsoide{wgs84, ""}, CasoElipsoide{{6378137, 6378137, 0, 0, 0}, ""},
        CasoElipsoide{{0, 0, 0, 0, 0}, "el semieje mayor a debe ser positivo"},
        CasoElipsoide{{6378137, 6378138, 0, 0, 0},
                      "el semieje menor b debe ser positivo y no mayor que el semieje mayor a"},
        CasoElipsoide{{6378137, 0, 0, 0, 0}, "el semieje menor b debe ser positivo y no mayor que el semieje mayor a"},
        CasoElipsoide{{6378137, 6356752, 0, 1, 0},
                      "el cuadrado de la primera excentricidad debe estar entre 0 y 1, sin llegar a 1"},
        CasoElipsoide{{6378137, 6356752, 0, -.1, 0},
                      "el cuadrado de la primera excentricidad debe estar entre 0 y 1, sin llegar a 1"},
        CasoElipsoide{{6378137, 6356752, 0, .0067, -1e-9},
                      "el cuadrado de la segunda excentricidad no puede ser negativo"},
        CasoElipsoide{{infinito, 6356752, 0, .0067, 0}, "el elipsoide tiene un valor que no es un número finito"}));

TEST(RevisaRepresentacion, FactorDeEscalaYOrigen) {
    EXPECT_TRUE(dominio::revisa(RepresentacionPlana{"-60", 5500000, 0, "-90", 1}).bien());
    EXPECT_TRUE(dominio::revisa(RepresentacionPlana{" -60 00 00", 5500000, 0, "-90", .9996}).bien());
    EXPECT_EQ(dominio::revisa(RepresentacionPlana{"-60", 5500000, 0, "-90", 0}).error().motivo,
              "el factor de escala k0 debe ser positivo");
    EXPECT_EQ(dominio::revisa(RepresentacionPlana{"60\xB0O", 5500000, 0, "-90", 1}).error().motivo,
              "la longitud de origen (60\xB0O) no es un ángulo");
    EXPECT_EQ(dominio::revisa(RepresentacionPlana{"-60", 5500000, 0, "", 1}).error().motivo,
              "la latitud de origen () no es un ángulo");
}

TEST(RevisaMarco, CambioDeEscala) {
    EXPECT_TRUE(dominio::revisa(ParametrosMarco{598.1, 73.7, 418.2, -.202, -.045, 2.455, 6.7}).bien());
    EXPECT_TRUE(dominio::revisa(ParametrosMarco{0, 0, 0, 0, 0, 0, -999999}).bien());
    EXPECT_EQ(dominio::revisa(ParametrosMarco{0, 0, 0, 0, 0, 0, -1000000}).error().motivo,
              "el cambio de escala k debe ser mayor que -1000000 ppm");
    EXPECT_EQ(dominio::revisa(Transformacion{0, 0, 0, nan, 0, 0, 0}).error().motivo,
              "el marco tiene un valor que no es un número finito");
}

}  // namespace
}  // namespace rumbal
