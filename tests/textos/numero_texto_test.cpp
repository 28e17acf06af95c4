#include "textos/numero_texto.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

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

TEST(FormasDeNumero, NoFinitosNoTienenTexto) {
    EXPECT_EQ(textonumero(NAN), "");
    EXPECT_EQ(textovista(INFINITY), "");
    EXPECT_EQ(textoconsigno(-INFINITY), "");
}

// The exact decimal path, written out plainly: std::to_chars rounds the exact
// binary value of |x| half to even to 15 significant digits, and the digits are
// laid out by the number text form (display form with cero).
std::string textoexacto(double x, bool cero) {
    if (!std::isfinite(x)) return "";
    if (x == 0) return "0";
    char t[40];
    const auto r = std::to_chars(t, t + sizeof t, std::fabs(x), std::chars_format::scientific, 14);
    const std::string s(t, r.ptr);
    const std::size_t e = s.find('e');
    std::string cifras = s.substr(0, 1) + s.substr(2, e - 2);
    const int exponente = std::stoi(s.substr(e + 1));
    while (cifras.size() > 1 && cifras.back() == '0') cifras.pop_back();
    std::string salida = x < 0 ? "-" : "";
    if (exponente < -4 || exponente > 14) {
        salida += cifras.substr(0, 1);
        if (cifras.size() > 1) salida += "." + cifras.substr(1);
        char cola[16];
        std::snprintf(cola, sizeof cola, "E%c%02d", exponente < 0 ? '-' : '+', std::abs(exponente));
        salida += cola;
    } else if (exponente < 0) {
        salida += cero ? "0." : ".";
        salida += std::string(static_cast<std::size_t>(-exponente - 1), '0') + cifras;
    } else {
        const auto enteras = static_cast<std::size_t>(exponente + 1);
        if (cifras.size() < enteras) cifras.resize(enteras, '0');
        salida += cifras.substr(0, enteras);
        if (cifras.size() > enteras) salida += "." + cifras.substr(enteras);
    }
    return salida;
}

// Every form of x against the exact path; the number of failures so far is
// kept so that a broken path reports a few values, not millions.
void compara(double x, int& fallas) {
    if (fallas > 20) return;
    const std::string esperado = textoexacto(x, false);
    std::string agregado = "abc";
    agregatextonumero(agregado, x);
    char directo[largomaximonumero];
    const std::string escrito(directo, escribetextonumero(directo, x, false));
    const std::string consigno = std::isfinite(x) ? (x < 0 ? "" : " ") + esperado : "";
    if (textonumero(x) != esperado || agregado != "abc" + esperado || escrito != esperado ||
        textovista(x) != textoexacto(x, true) || textoconsigno(x) != consigno) {
        ++fallas;
        char bits[40];
        std::snprintf(bits, sizeof bits, "%a", x);
        ADD_FAILURE() << bits << ": " << textonumero(x) << " / " << textovista(x) << ", exacto " << esperado;
    }
}

TEST(TextoExacto, CualquierDobleFinito) {
    std::mt19937_64 azar(2024);
    int fallas = 0;
    for (int i = 0; i < 400000; ++i) {
        const double x = std::bit_cast<double>(azar());
        if (std::isfinite(x)) compara(x, fallas);
    }
    for (double x : {0.0, -0.0, DBL_MIN, -DBL_MIN, DBL_MAX, -DBL_MAX, DBL_TRUE_MIN, -DBL_TRUE_MIN, DBL_EPSILON,
                     1e-300, 1e300, 4.9e-324, 2.2250738585072009e-308})
        compara(x, fallas);
}

// Values as the computations hand them over: rounded to 0 to 16 decimals, in
// every magnitude from 1E-06 to 1E+17 and both signs.
TEST(TextoExacto, ValoresRedondeadosATodosLosDecimales) {
    std::mt19937_64 azar(7);
    std::uniform_real_distribution<double> mantisa(1, 10);
    std::uniform_int_distribution<int> exponente(-6, 17);
    std::uniform_int_distribution<int> decimales(0, 16);
    int fallas = 0;
    for (int i = 0; i < 600000; ++i) {
        double x = redondea(mantisa(azar) * std::pow(10.0, exponente(azar)), decimales(azar));
        compara(i % 2 ? -x : x, fallas);
    }
}

// Exact halves of the fifteenth digit: odd * 2^(e - 15) lies in the decade of
// 10^e, where times 10^(14 - e) it is odd * 5^(14 - e) / 2, a whole number and
// a half. Every decade that has them, and so every count of decimals the plain
// form can show; halves go to the even neighbour.
TEST(TextoExacto, MitadesDeLaCifraQuinceEnCadaDecada) {
    std::mt19937_64 azar(15);
    int fallas = 0;
    int decadas = 0;
    for (int e = -20; e <= 25; ++e) {
        const double desde = std::ceil(std::ldexp(std::pow(10.0, e), 15 - e));
        const double hasta = std::min(std::floor(std::ldexp(std::pow(10.0, e + 1), 15 - e)), 0x1p53);
        if (!(desde < hasta)) continue;
        ++decadas;
        std::uniform_real_distribution<double> impar(desde, hasta);
        for (int i = 0; i < 20000; ++i) {
            double o = std::floor(impar(azar));
            if (std::fmod(o, 2) == 0) o += 1;
            const double x = std::ldexp(o, e - 15);
            compara(x, fallas);
            compara(-x, fallas);
        }
    }
    EXPECT_GE(decadas, 20);
    // Both directions of the tie, seen directly.
    EXPECT_EQ(textonumero(123456789012345.5), "123456789012346");
    EXPECT_EQ(textonumero(123456789012344.5), "123456789012344");
    EXPECT_EQ(textonumero(1.000030517578125), "1.00003051757812");
    EXPECT_EQ(textonumero(0.1000213623046875), ".100021362304688");
}

// Powers of ten and their neighbours a few ulps away, and the values that
// round up into the next decade (999999999999999.5 becomes 1E+15).
TEST(TextoExacto, CercaDeLasPotenciasDeDiez) {
    int fallas = 0;
    for (int k = -325; k <= 308; ++k) {
        for (const char* forma : {"1e%d", "9.999999999999995e%d", "9.9999999999999949e%d", "9.9999999999999951e%d",
                                  "5e%d", "1.5e%d"}) {
            char texto[40];
            std::snprintf(texto, sizeof texto, forma, k);
            const double p = std::strtod(texto, nullptr);
            double abajo = p, arriba = p;
            for (int i = 0; i < 40; ++i) {
                compara(abajo, fallas);
                compara(-arriba, fallas);
                compara(arriba, fallas);
                abajo = std::nextafter(abajo, 0.0);
                arriba = std::nextafter(arriba, INFINITY);
            }
        }
    }
    EXPECT_EQ(textonumero(999999999999999.5), "1E+15");
    EXPECT_EQ(textonumero(99999999999999.95), "100000000000000");
    EXPECT_EQ(textonumero(0.00009999999999999995), ".0001");
    EXPECT_EQ(textonumero(std::nextafter(0.0001, 0.0)), ".0001");
    EXPECT_EQ(textonumero(9.99999999999999e-05), "9.99999999999999E-05");
}


// Texts already in the number text form, which may be copied, and texts that
// read as a number but are written otherwise, which may not.
struct CasoForma {
    const char* texto;
    bool forma;
};

class FormaDeNumero : public ::testing::TestWithParam<CasoForma> {};

TEST_P(FormaDeNumero, SoloLosTextosQueElEscritorDa) {
    EXPECT_EQ(esformanumero(GetParam().texto), GetParam().forma) << GetParam().texto;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FormaDeNumero,
    ::testing::Values(
        CasoForma{"0", true}, CasoForma{"7", true}, CasoForma{"-7", true}, CasoForma{"100", true},
        CasoForma{".5", true}, CasoForma{"-.25", true}, CasoForma{"2494335.418", true}, CasoForma{".0001", true},
        CasoForma{"-.000123456789012345", true}, CasoForma{"123456789012345", true},
        CasoForma{"12345678901234.5", true}, CasoForma{".99997597", true}, CasoForma{"-0", false},
        CasoForma{"00", false}, CasoForma{"007", false}, CasoForma{"0.5", false}, CasoForma{"1.50", false},
        CasoForma{"5.", false}, CasoForma{".", false}, CasoForma{"-", false}, CasoForma{"", false},
        CasoForma{"+5", false}, CasoForma{".00001", false}, CasoForma{"1E-05", false}, CasoForma{"2E+15", false},
        CasoForma{"1e3", false}, CasoForma{"1234567890123456", false}, CasoForma{"1.23456789012345", true},
        CasoForma{"1.234567890123456", false}, CasoForma{"-.0001234567890123456", false}, CasoForma{" 5", false},
        CasoForma{"5 ", false}, CasoForma{"1.0", false}, CasoForma{"--5", false}, CasoForma{"1.2.3", false},
        // Bytes next to the digits in value, within and after the first eight.
        CasoForma{"1234567:", false}, CasoForma{"12345678/", false}, CasoForma{"1.234567?", false},
        CasoForma{"123456789012;", false}, CasoForma{"-1234567\xB9", false},
        CasoForma{"12345678\xFF"
                  "9",
                  false},
        CasoForma{"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", false},
        CasoForma{"1234567\xFA"
                  "1",
                  false},
        CasoForma{"123456.9", true}, CasoForma{"-.12345678", true},
        // 8 to 16 bytes: zeros, signs and points where the form allows them or not.
        CasoForma{"00000000", false}, CasoForma{"-0.12345", false}, CasoForma{".0001234", true},
        CasoForma{".00001234", false}, CasoForma{"-.0001234", true}, CasoForma{"12345678.", false},
        CasoForma{"1234567.0", false}, CasoForma{"1-234567", false}, CasoForma{"0.1234567", false},
        CasoForma{"-123456789012345", true}, CasoForma{"-.000123456789012", true}, CasoForma{"1234567890123456", false},
        CasoForma{"12345678..", false},
        // Under 8 bytes: odd bytes at the edges of the loads that cover them.
        CasoForma{"1:", false}, CasoForma{"/", false}, CasoForma{"9\xFF", false}, CasoForma{"\xB9", false},
        CasoForma{"12:4", false}, CasoForma{"123:", false}, CasoForma{"12345/7", false}, CasoForma{"-.", false},
        CasoForma{".0", false}, CasoForma{"-5.", false}, CasoForma{"1-2", false}, CasoForma{"-00", false},
        CasoForma{"-.0001", true}, CasoForma{"-.00001", false}, CasoForma{"999999", true},
        // 17 to 20 bytes: only below 1, or with a sign and a point.
        CasoForma{"-12345678901234.5", true}, CasoForma{"-12345678901234.50", false},
        CasoForma{"-.0001234567890123", true}, CasoForma{"-.00012345678901234:", false},
        CasoForma{"-.000123456789012345", true}, CasoForma{"-.0001234567890123456", false}));

// Every byte value in every place of texts of 1 to 20 digits (with a point
// or without): the form is told by the bytes' classes, which no byte may
// slip through.
TEST(FormaDeNumero, CadaByteEnCadaLugar) {
    for (std::size_t n = 1; n <= 20; ++n) {
        for (const bool conpunto : {false, true}) {
            std::string base(n, '1');
            if (conpunto && n > 1) base[n / 2] = '.';
            for (std::size_t i = 0; i < n; ++i) {
                for (int b = 0; b < 256; ++b) {
                    std::string t = base;
                    t[i] = static_cast<char>(b);
                    const auto v = leenumeroestricto(t);
                    ASSERT_EQ(esformanumero(t), v && textonumero(*v) == t) << n << " " << i << " " << b;
                }
            }
        }
    }
}

// Both ways on texts made of the characters of plain numbers: a text in the
// form writes back as itself from the value it reads as, and every plain text
// that does is in the form.
TEST(FormaDeNumero, ElTextoEscritoEsElMismo) {
    std::mt19937_64 azar(1252);
    const char letras[] = "-.0123456789000";
    std::uniform_int_distribution<std::size_t> letra(0, sizeof letras - 2);
    std::uniform_int_distribution<std::size_t> largo(1, 22);
    int enforma = 0;
    for (int i = 0; i < 400000; ++i) {
        std::string t;
        const std::size_t n = largo(azar);
        for (std::size_t j = 0; j < n; ++j) t += letras[letra(azar)];
        const auto v = leenumeroestricto(t);
        const bool igual = v && textonumero(*v) == t;
        ASSERT_EQ(esformanumero(t), igual) << t;
        enforma += igual;
    }
    // Values as the computations write them, every digit count and magnitude.
    std::uniform_real_distribution<double> mantisa(1, 10);
    std::uniform_int_distribution<int> exponente(-6, 16);
    std::uniform_int_distribution<int> decimales(0, 16);
    for (int i = 0; i < 400000; ++i) {
        double x = redondea(mantisa(azar) * std::pow(10.0, exponente(azar)), decimales(azar));
        if (i % 2) x = -x;
        const std::string t = textonumero(x);
        ASSERT_EQ(esformanumero(t), t.find('E') == std::string::npos) << t;
        if (esformanumero(t)) {
            ASSERT_EQ(textonumero(*leenumeroestricto(t)), t);
        }
        ++enforma;
    }
    EXPECT_GT(enforma, 400000);  // the random texts met the form too, not only refusals
}

}  // namespace
}  // namespace rumbal
