#include "geodesia/angulos.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace rumbal {
namespace {

struct CasoLectura {
    const char* texto;
    double grados;
};

class LecturaDeAngulo : public ::testing::TestWithParam<CasoLectura> {};

TEST_P(LecturaDeAngulo, GradosDecimales) {
    EXPECT_EQ(gmsagra(GetParam().texto), GetParam().grados) << '"' << GetParam().texto << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LecturaDeAngulo,
    ::testing::Values(
        // The minute window is three characters wide: the third digit is lost.
        CasoLectura{"45 123 00", 45 + 12.0 / 60}, CasoLectura{" -0 30 00", -0.5}, CasoLectura{"-34,5", -34.5},
        CasoLectura{"45.5", 45.5}, CasoLectura{"45 30", 45.5}, CasoLectura{"+10 30 00", 10.5},
        CasoLectura{"-34 36 12,5", -(34 + 36.0 / 60 + 12.5 / 3600)},
        CasoLectura{" -34 36 12,5", -(34 + 36.0 / 60 + 12.5 / 3600)}, CasoLectura{"", 0}, CasoLectura{"abc", 0},
        CasoLectura{"  44 59 60", 44 + 59.0 / 60 + 60.0 / 3600}, CasoLectura{"   -0 30 00", -0.5},
        CasoLectura{"-150 00 00", -150}, CasoLectura{"    0 00 01E-05", 1e-05 / 3600}));

TEST(LecturaDeAngulo, ComaYPuntoLeenIgual) {
    EXPECT_EQ(gmsagra("12 30 15.5"), gmsagra("12 30 15,5"));
    EXPECT_EQ(texarad("-34 36 12,5"), (gmsagra("-34 36 12,5") * PI) / 180);
}

// Loose layouts, each read window by window as described: the comma anywhere,
// blanks inside fields, signs, tabs and texts longer than the short copy.
TEST(LecturaDeAngulo, DisposicionesSueltas) {
    EXPECT_EQ(gmsagra("34,5 30"), 34.5 + 30.0 / 60);
    EXPECT_EQ(gmsagra("34 3,5 10"), 34 + 3.0 / 60 + 10.0 / 3600);
    EXPECT_EQ(gmsagra("12 30 15,5,7"), 12 + 30.0 / 60 + 15.5 / 3600);
    EXPECT_EQ(gmsagra("--5"), 5);
    EXPECT_EQ(gmsagra("  +  5 10"), 5.0 / 60 + 510.0 / 3600);
    EXPECT_EQ(gmsagra("45\t30"), 4530);
    EXPECT_EQ(gmsagra("34 3612"), 34 + 36.0 / 60);
    EXPECT_EQ(gmsagra("1 2 3 4"), 1 + 2.0 / 60 + 34.0 / 3600);
    EXPECT_TRUE(std::signbit(gmsagra("-0")));
    EXPECT_TRUE(std::signbit(gmsagra("--0")));
    const std::string largo = "10 20 " + std::string(70, '0') + "1,5";
    EXPECT_EQ(gmsagra(largo), 10 + 20.0 / 60 + 1.5 / 3600);
    EXPECT_EQ(gmsagra(std::string(80, ' ') + "-7,25"), -7.25);
}

struct CasoEscritura {
    double grados;
    int decimales;
    const char* texto;
};

class EscrituraDeAngulo : public ::testing::TestWithParam<CasoEscritura> {};

TEST_P(EscrituraDeAngulo, Disposicion) {
    EXPECT_EQ(gratex(GetParam().grados, GetParam().decimales), GetParam().texto) << GetParam().grados;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EscrituraDeAngulo,
    ::testing::Values(CasoEscritura{-(34 + 36.0 / 60 + 12.5 / 3600), 4, " -34 36 12,5"},
                      CasoEscritura{5.25, 3, "    5 15 00"}, CasoEscritura{45.5, 4, "  45 30 00"},
                      CasoEscritura{-0.5, 2, "   -0 30 00"}, CasoEscritura{-150, 4, "-150 00 00"},
                      CasoEscritura{0, 4, "    0 00 00"}, CasoEscritura{-0.0, 4, "    0 00 00"},
                      CasoEscritura{45 - 1e-8, 4, "  44 59 60"}, CasoEscritura{0.5 / 3600, 2, "    0 00 0,5"},
                      CasoEscritura{5.25 / 3600, 2, "    0 00 05,25"}, CasoEscritura{120.5, 0, " 120 30 00"},
                      CasoEscritura{-45.5, 0, " -45 30 00"}, CasoEscritura{-5.5, 0, "  -5 30 00"},
                      CasoEscritura{90, 5, "  90 00 00"}, CasoEscritura{180, 4, " 180 00 00"},
                      CasoEscritura{12.5 / 3600 + 1 / 60.0, 4, "    0 01 12,5"},
                      // Below one ten-thousandth of a second the number text takes its exponent form.
                      CasoEscritura{5e-05 / 3600, 6, "    0 00 05E-05"}));

TEST(EscrituraDeAngulo, NoFinitoNoTieneTexto) {
    EXPECT_EQ(gratex(NAN, 4), "");
    EXPECT_EQ(gratex(INFINITY, 4), "");
}

TEST(EscrituraDeAngulo, DecimalesDeCadaOperacion) {
    const Decimales d{1, 3, 2};
    const double x = 10 + 20.0 / 60 + 30.123456 / 3600;
    EXPECT_EQ(gratexang(x, d), "  10 20 30,1");
    EXPECT_EQ(gratexgeo(x, d), "  10 20 30,123");
    EXPECT_EQ(radatexgeo((x * PI) / 180, d), "  10 20 30,123");
    EXPECT_EQ(radatexang((x * PI) / 180, d), "  10 20 30,1");
    // A negative setting is taken as 0 decimals; 2.5 as 2.
    EXPECT_EQ(gratexgeo(x, Decimales{0, -3, 0}), "  10 20 30");
    EXPECT_EQ(gratexgeo(x, Decimales{0, 2.5, 0}), "  10 20 30,12");
}

TEST(EscrituraDeAngulo, IdaYVueltaDentroDeMedioUltimoDecimal) {
    std::mt19937_64 azar(7);
    std::uniform_real_distribution<double> grados(-180, 180);
    for (int n = 0; n <= 6; ++n) {
        const double tolerancia = 0.5 * std::pow(10.0, -n) / 3600 + 1e-12;
        for (int i = 0; i < 3000; ++i) {
            const double x = i % 3 == 0 ? grados(azar) / 180 : grados(azar);  // many in (-1, 1)
            const std::string texto = gratex(x, n);
            ASSERT_NEAR(gmsagra(texto), x, tolerancia) << '"' << texto << '"';
        }
    }
}

}  // namespace
}  // namespace rumbal
