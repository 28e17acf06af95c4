#include "textos/lectura_numero.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace rumbal {
namespace {

struct CasoLectura {
    const char* texto;
    double valor;
};

class LecturaInicial : public ::testing::TestWithParam<CasoLectura> {};

TEST_P(LecturaInicial, TomaElNumeroDelPrincipio) {
    EXPECT_EQ(leenumero(GetParam().texto), GetParam().valor) << '"' << GetParam().texto << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LecturaInicial,
    ::testing::Values(CasoLectura{"12.5abc", 12.5}, CasoLectura{"1 2", 12}, CasoLectura{"12,5", 12},
                      CasoLectura{"", 0}, CasoLectura{"abc", 0}, CasoLectura{"-34.5", -34.5},
                      CasoLectura{" -.5", -0.5}, CasoLectura{"1E3", 1000}, CasoLectura{"1e-2", 0.01},
                      CasoLectura{"1E", 1}, CasoLectura{"1E+", 1}, CasoLectura{"+7", 7},
                      CasoLectura{"\t4\n2", 42}, CasoLectura{"007", 7}, CasoLectura{".", 0},
                      CasoLectura{"-", 0}, CasoLectura{"5.", 5}, CasoLectura{"1E-999", 0},
                      CasoLectura{" 05,25", 5}, CasoLectura{"2.5.3", 2.5}));

TEST(LecturaInicial, FueraDeRangoEsInfinito) {
    EXPECT_EQ(leenumero("1E999"), INFINITY);
    EXPECT_EQ(leenumero("-1E999"), -INFINITY);
}

TEST(LecturaEstricta, TodoElTextoUnNumero) {
    EXPECT_EQ(leenumeroestricto(" 12.5 "), 12.5);
    EXPECT_EQ(leenumeroestricto("1E-05"), 1e-05);
    for (const char* malo : {"12.5x", "", "   ", "1 2", "12,5", "1E999", "abc", ".", "-"})
        EXPECT_FALSE(leenumeroestricto(malo).has_value()) << '"' << malo << '"';
}

// The 15-digit text of the largest doubles is just past the range of a double:
// it reads as the largest double, so what is written reads back as a number.
TEST(LecturaEstricta, ElTextoDeLosMayoresDoblesEsElMayor) {
    const double maximo = std::numeric_limits<double>::max();
    EXPECT_EQ(leenumeroestricto("1.79769313486232E+308"), maximo);
    EXPECT_EQ(leenumeroestricto("-1.79769313486232E+308"), -maximo);
    EXPECT_EQ(leenumero("1.79769313486232E+308"), maximo);
    EXPECT_FALSE(leenumeroestricto("1.79769313486233E+308").has_value());
    EXPECT_FALSE(leenumeroestricto("1E-999").has_value());
}

TEST(ReparacionDeComa, SoloLaPrimera) {
    EXPECT_EQ(reparacoma("-0 00 01,23"), "-0 00 01.23");
    EXPECT_EQ(reparacoma("12,5,3"), "12.5,3");
    EXPECT_EQ(reparacoma("abc"), "abc");
}

// Short decimals take a fast path; it must give the double from_chars gives.
TEST(LecturaInicial, CaminoRapidoIgualAFromChars) {
    std::mt19937_64 azar(3);
    std::uniform_int_distribution<int> cifras(1, 18);
    std::uniform_int_distribution<int> cifra(0, 9);
    for (int i = 0; i < 200000; ++i) {
        std::string texto = i % 2 ? "-" : "";
        const int total = cifras(azar);
        const int punto = std::uniform_int_distribution<int>(0, total)(azar);
        for (int j = 0; j < total; ++j) {
            if (j == punto) texto += '.';
            texto += static_cast<char>('0' + cifra(azar));
        }
        double esperado = 0;
        std::from_chars(texto.data(), texto.data() + texto.size(), esperado);
        ASSERT_EQ(leenumero(texto), esperado) << texto;
        ASSERT_EQ(leenumeroestricto(texto), esperado) << texto;
    }
}

}  // namespace
}  // namespace rumbal
