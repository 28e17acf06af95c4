#include "textos/redondeo.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

namespace rumbal {
namespace {

struct CasoRedondeo {
    double valor;
    int decimales;
    double esperado;
};

class Redondeo : public ::testing::TestWithParam<CasoRedondeo> {};

TEST_P(Redondeo, MitadesAlParSobreElDobleExacto) {
    const auto& c = GetParam();
    EXPECT_EQ(redondea(c.valor, c.decimales), c.esperado) << c.valor << " a " << c.decimales;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Redondeo,
    ::testing::Values(CasoRedondeo{2.5, 0, 2}, CasoRedondeo{3.5, 0, 4}, CasoRedondeo{-2.5, 0, -2},
                      CasoRedondeo{0.125, 2, 0.12}, CasoRedondeo{0.375, 2, 0.38},
                      // The nearest doubles lie just below and just above the half.
                      CasoRedondeo{353.335, 2, 353.33}, CasoRedondeo{3745.025, 2, 3745.03},
                      CasoRedondeo{1.005, 2, 1.0}, CasoRedondeo{2.675, 2, 2.67},
                      CasoRedondeo{6356752.314245179, 3, 6356752.314}, CasoRedondeo{-0.0004, 3, -0.0},
                      CasoRedondeo{123.456, 0, 123}, CasoRedondeo{1e300, 2, 1e300},
                      CasoRedondeo{0.1 + 0.2, 15, 0.3}, CasoRedondeo{4503599627370497.0, 3, 4503599627370497.0}));

TEST(Redondeo, NoFinitosQuedanComoEstan) {
    EXPECT_TRUE(std::isnan(redondea(NAN, 3)));
    EXPECT_EQ(redondea(INFINITY, 3), INFINITY);
}

// The fast path must give the double that the exact decimal rounding gives.
TEST(Redondeo, CaminoRapidoIgualAlExacto) {
    std::mt19937_64 azar(12345);
    std::uniform_real_distribution<double> mantisa(-1, 1);
    std::uniform_int_distribution<int> exponente(-6, 12);
    std::uniform_int_distribution<int> decimales(0, 12);
    for (int i = 0; i < 200000; ++i) {
        double x = mantisa(azar) * std::pow(10.0, exponente(azar));
        const int n = decimales(azar);
        if (i % 5 == 0) {  // many exact or near halves
            x = std::round(x * std::pow(10.0, n + 1)) / std::pow(10.0, n + 1);
        }
        char texto[512];
        auto r = std::to_chars(texto, texto + sizeof texto, x, std::chars_format::fixed, n);
        double esperado = 0;
        std::from_chars(texto, r.ptr, esperado);
        ASSERT_EQ(redondea(x, n), esperado) << std::string(texto, r.ptr) << " desde " << x << " a " << n;
    }
}

TEST(Redondeo, DecimalesEnteros) {
    EXPECT_EQ(decimalesentero(2.5), 2);
    EXPECT_EQ(decimalesentero(3.5), 4);
    EXPECT_EQ(decimalesentero(4), 4);
    EXPECT_EQ(decimalesentero(-1), 0);
    EXPECT_EQ(decimalesentero(-0.4), 0);
    EXPECT_EQ(decimalesentero(NAN), 0);
    EXPECT_EQ(decimalesentero(1e9), 350);
}

TEST(Redondeo, QuinceCifras) {
    EXPECT_EQ(redondea15(0.1 + 0.2), 0.3);
    EXPECT_EQ(redondea15(6356752.314245179), 6356752.31424518);
    EXPECT_EQ(redondea15(-1.23456789012345678e-20), -1.23456789012346e-20);
    EXPECT_EQ(redondea15(0.0), 0.0);
}

}  // namespace
}  // namespace rumbal
