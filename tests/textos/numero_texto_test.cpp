#include "textos/numero_texto.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>

#include "textos/lectura_numero.hpp"
#include "textos/redondeo.hpp"

namespace rumbal {
namespace {

struct CasoTexto {
    double valor;
    const char* archivo;  // number text form
    const char* vista;    // display form
};

class FormasDeNumero : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(FormasDeNumero, TextoDeArchivoYDeVista) {
    const auto& c = GetParam();
    EXPECT_EQ(textonumero(c.valor), c.archivo);
    EXPECT_EQ(textovista(c.valor), c.vista);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FormasDeNumero,
    ::testing::Values(CasoTexto{0.5, ".5", "0.5"}, CasoTexto{-0.25, "-.25", "-0.25"},
                      CasoTexto{0.0001, ".0001", "0.0001"}, CasoTexto{1e-05, "1E-05", "1E-05"},
                      CasoTexto{1.5e-05, "1.5E-05", "1.5E-05"}, CasoTexto{2e15, "2E+15", "2E+15"},
                      CasoTexto{123456789012345.0, "123456789012345", "123456789012345"},
                      CasoTexto{1234567890123456.0, "1.23456789012346E+15", "1.23456789012346E+15"},
                      CasoTexto{99999999999999.99, "100000000000000", "100000000000000"},
                      CasoTexto{1, "1", "1"}, CasoTexto{25, "25", "25"}, CasoTexto{-3, "-3", "-3"},
                      CasoTexto{0, "0", "0"}, CasoTexto{-0.0, "0", "0"}, CasoTexto{2.5, "2.5", "2.5"},
                      CasoTexto{0.1 + 0.2, ".3", "0.3"}, CasoTexto{2.0 / 3, ".666666666666667", "0.666666666666667"},
                      CasoTexto{1e100, "1E+100", "1E+100"}, CasoTexto{-4.8481e-06, "-4.8481E-06", "-4.8481E-06"},
                      CasoTexto{6356752.314245179, "6356752.31424518", "6356752.31424518"},
                      CasoTexto{0.99999999, ".99999999", "0.99999999"}, CasoTexto{1e14, "100000000000000", "100000000000000"},
                      CasoTexto{0.00012345, ".00012345", "0.00012345"}));

TEST(FormasDeNumero, FormaConSigno) {
    EXPECT_EQ(textoconsigno(0.5), " .5");
    EXPECT_EQ(textoconsigno(2.5), " 2.5");
    EXPECT_EQ(textoconsigno(0), " 0");
    EXPECT_EQ(textoconsigno(-0.0), " 0");
    EXPECT_EQ(textoconsigno(-5), "-5");
    EXPECT_EQ("---> " + textoconsigno(12), "--->  12");
}

TEST(FormasDeNumero, NoFinitosNoTienenTexto) {
    EXPECT_EQ(textonumero(NAN), "");
    EXPECT_EQ(textovista(INFINITY), "");
    EXPECT_EQ(textoconsigno(-INFINITY), "");
}

}  // namespace
}  // namespace rumbal

namespace rumbal {
namespace {

// Every number text must read back as the value rounded to 15 digits, with no
// trailing zero, whichever path wrote it.
TEST(FormasDeNumero, IdaYVueltaEnTodasLasMagnitudes) {
    std::mt19937_64 azar(99);
    std::uniform_real_distribution<double> mantisa(1, 10);
    std::uniform_int_distribution<int> exponente(-8, 18);
    std::uniform_int_distribution<int> decimales(0, 9);
    for (int i = 0; i < 200000; ++i) {
        double x = mantisa(azar) * std::pow(10.0, exponente(azar));
        if (i % 2 == 0) x = redondea(x, decimales(azar));
        if (i % 3 == 0) x = -x;
        const std::string t = textonumero(x);
        ASSERT_EQ(leenumero(t), redondea15(x)) << t;
        const std::size_t e = t.find('E');
        const std::string mantisatexto = t.substr(0, e);
        if (mantisatexto.find('.') != std::string::npos) {
            ASSERT_NE(mantisatexto.back(), '0') << t;
        }
        char referencia[40];
        auto r = std::to_chars(referencia, referencia + sizeof referencia, redondea15(x), std::chars_format::general, 15);
        ASSERT_EQ(leenumero(std::string(referencia, r.ptr)), leenumero(t)) << t;
    }
}

}  // namespace
}  // namespace rumbal
