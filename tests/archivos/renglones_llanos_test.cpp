// The fast reading of a stretch of plain records: taken only where it finds
// exactly the fields, texts and lines the field reader finds, refused for
// everything the reader would read otherwise or not at all.

#include "archivos/renglones_llanos.hpp"

#include <gtest/gtest.h>

namespace rumbal {
namespace {

struct CasoLlano {
    const char* nombre;
    std::string bytes;
    bool tomado;
    std::size_t n = 3;  // fields a record
};

class TrozoLlano : public ::testing::TestWithParam<CasoLlano> {};

// A stretch of bytes; not at the start of the input (byte 70), where a
// byte-order mark would be looked for, unless the case is about one.
Trozo trozo(std::string_view bytes, std::int64_t byte = 70) {
    Trozo t;
    t.byte = byte;
    t.bytes = bytes;
    return t;
}

// Every line given has the fields the reader reads; the stretch is taken
// whole exactly where the case says.
TEST_P(TrozoLlano, SoloDondeLeeComoElLector) {
    const std::size_t n = GetParam().n;
    const Trozo t = trozo(GetParam().bytes, GetParam().nombre == std::string("marca") ? 0 : 70);
    RenglonesLlanos renglones(t, n);
    LectorCampos lector(t.bytes, LugarLectura{t.byte, 1, true, t.byte});
    std::vector<CampoCrudo> llanos(n);
    std::vector<CampoLeido> campos(n);
    std::string textos;
    std::size_t r = 0;
    for (; renglones.siguiente(llanos); ++r) {
        ASSERT_EQ(lector.leecampos(campos, textos), Lectura::correcta);
        ASSERT_TRUE(lector.registroenunrenglon());
        for (std::size_t j = 0; j < n; ++j) {
            const CampoCrudo esperado = campos[j].en(textos);
            EXPECT_EQ(llanos[j].texto, esperado.texto) << r << "," << j;
            EXPECT_EQ(llanos[j].entrecomillas, esperado.entrecomillas) << r << "," << j;
        }
    }
    EXPECT_EQ(renglones.registros(), r);
    ASSERT_EQ(renglones.completo(), GetParam().tomado);
    if (GetParam().tomado) {
        EXPECT_FALSE(lector.quedandatos());
    }
}

// Only field 1 asked for: the same lines are taken, each still checked
// whole, and the other fields are left as they were; with the stretch
// indexed (where this processor can) and with the ends taken one by one.
TEST_P(TrozoLlano, ConUnSoloCampoLeeLasMismasLineas) {
    const std::size_t n = GetParam().n;
    const Trozo t = trozo(GetParam().bytes, GetParam().nombre == std::string("marca") ? 0 : 70);
    for (const bool indexar : {true, false}) {
        RenglonesLlanos todos(t, n), uno(t, n, 0b10, indexar);
        std::vector<CampoCrudo> completos(n);
        const CampoCrudo nada{"?", false};
        std::vector<CampoCrudo> llanos(n, nada);
        std::size_t r = 0;
        for (; uno.siguiente(llanos); ++r) {
            ASSERT_TRUE(todos.siguiente(completos)) << indexar;
            for (std::size_t j = 0; j < n; ++j) {
                const CampoCrudo esperado = j == 1 ? completos[j] : nada;
                EXPECT_EQ(llanos[j].texto, esperado.texto) << r << "," << j << "," << indexar;
                EXPECT_EQ(llanos[j].entrecomillas, esperado.entrecomillas) << r << "," << j << "," << indexar;
            }
        }
        EXPECT_FALSE(todos.siguiente(completos)) << indexar;
        EXPECT_EQ(uno.registros(), todos.registros()) << indexar;
        EXPECT_EQ(uno.completo(), GetParam().tomado) << indexar;
    }
}

const std::string largo(65530, 'x');
const std::string bloques = "\"" + std::string(61, 'a') + "\",\"b,c\",1\r\n";  // a quote and a comma at 64-byte edges
// Byte 63, the last of the first 64, is a CR, a closing quote, an opening
// quote, or a quote inside a bare field; what follows it is in the next 64.
const std::string cr63 = std::string(59, 'a') + ",1,2\r\n";
const std::string cr63solo = std::string(61, 'a') + ",1\r2,3\r\n";
const std::string cierra63 = "x,\"" + std::string(60, 'a') + "\",2\r\n";
const std::string abre63 = std::string(61, 'a') + ",,\"b\"\r\n";
const std::string dentro63 = std::string(61, 'a') + ",x\"b,c\",2\r\n";
const std::string sincierre63 = "x,\"" + std::string(60, 'a') + "\"b,2\r\n";
// A line end in byte 63 and a quoted text from byte 64; a CR in byte 62
// and its LF in byte 63; a quoted text longer than 64 bytes, commas in it.
const std::string lf63 = std::string(59, 'a') + ",1,2\n\"b\",2,3\r\n";
const std::string cr62 = std::string(58, 'a') + ",1,2\r\n4,5,6\r\n";
const std::string textolargo = "\"" + std::string(100, ',') + "\",1,2\r\n";
// Lines just under the reader's longest (the masks take them), of its
// longest (left to the reader, which takes them) and one byte over (the
// reader refuses them), the line end not counted.
std::string renglon(std::size_t largo, const char* fin) { return std::string(largo - 4, 'x') + ",1,2" + fin; }

INSTANTIATE_TEST_SUITE_P(
    Casos, TrozoLlano,
    ::testing::Values(
        CasoLlano{"registros", "\"P1\",\"Esq, ui\",-34.5\r\n101,,\"\"\r\n,,\r\n", true},
        CasoLlano{"lf", "1,2,3\n\"a\",\"\xB0\",x\n", true}, CasoLlano{"bordes", bloques + bloques + bloques, true},
        CasoLlano{"cr63", cr63 + "1,2,3\r\n", true}, CasoLlano{"cr63solo", cr63solo, false},
        CasoLlano{"cierra63", cierra63, true}, CasoLlano{"abre63", abre63, true},
        CasoLlano{"dentro63", dentro63, false}, CasoLlano{"sincierre63", sincierre63, false},
        CasoLlano{"lf63", lf63, true}, CasoLlano{"cr62", cr62, true}, CasoLlano{"textolargo", textolargo, true},
        CasoLlano{"justo64", std::string(58, 'a') + ",1,2\r\n" + std::string(58, 'b') + ",3,4\r\n", true},
        CasoLlano{"casimaximo", largo + ",1,2\r\n", true}, CasoLlano{"maximo", largo + "xxxxxx,1,2\r\n", false},
        CasoLlano{"de65535crlf", renglon(65535, "\r\n"), true}, CasoLlano{"de65535lf", renglon(65535, "\n"), true},
        CasoLlano{"de65536crlf", renglon(65536, "\r\n"), false}, CasoLlano{"de65536lf", renglon(65536, "\n"), false},
        CasoLlano{"de65537", renglon(65537, "\r\n"), false}, CasoLlano{"blancotrascomilla", "\"a\" ,2,3\r\n", false},
        CasoLlano{"doscr", "1,2,3\r\r\n", false}, CasoLlano{"nulo", std::string("1,2,a\0b\r\n", 9), true},
        CasoLlano{"uncampo", "a\r\n\"\"\r\n5\n", true, 1}, CasoLlano{"uncampovacio", "a\r\n,\r\n", false, 1},
        CasoLlano{"uncampoenblanco", "a\r\n\r\n", false, 1}, CasoLlano{"blanco", "1, 2,3\r\n", false},
        CasoLlano{"tab", "\t1,2,3\r\n", false}, CasoLlano{"blancoentrecomillas", "\" a\",\"\tb\",3\r\n", true},
        CasoLlano{"blanco64", std::string(61, 'a') + ",1, 2\r\n", false},
        CasoLlano{"tab64", std::string(59, 'a') + ",1,2\n\t1,2,3\r\n", false},
        CasoLlano{"comillasdemas", "\"a\"b,2,3\r\n", false}, CasoLlano{"comillaencampo", "a\"b,2,3\r\n", false},
        CasoLlano{"unacomilla", "\",2,3\r\n", false}, CasoLlano{"sincerrar", "\"a,2,3\r\n\"b,4,5\r\n", false},
        CasoLlano{"crsolo", "1,2,3\r4,5,6\r\n", false}, CasoLlano{"crenelcampo", "1,2\r,3\r\n", false},
        CasoLlano{"demas", "1,2,3,4\r\n", false}, CasoLlano{"demenos", "1,2\r\n3,4,5\r\n", false},
        CasoLlano{"enblanco", "1,2,3\r\n\r\n4,5,6\r\n", false}, CasoLlano{"soloblancos", "1,2,3\r\n  \r\n", false},
        CasoLlano{"sinfin", "1,2,3\r\n4,5,6", false}, CasoLlano{"vacio", "", false},
        CasoLlano{"marca",
                  "\xEF\xBB\xBF"
                  "1,2,3\r\n",
                  false}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Records of 64 fields, the most the masks take, the last one asked for;
// one field more or less refuses the line, and 65 fields a record go to the
// field reader.
std::string campos(std::size_t cuantos) {
    std::string s;
    for (std::size_t k = 0; k < cuantos; ++k) s += std::to_string(k) + (k + 1 < cuantos ? "," : "\r\n");
    return s;
}

TEST(RenglonesLlanos, HastaSesentaYCuatroCampos) {
    for (const bool indexar : {true, false}) {
        std::vector<CampoCrudo> c(65);
        const auto lee = [&](const std::string& bytes, std::size_t n, std::uint64_t usados) {
            RenglonesLlanos renglones(trozo(bytes), n, usados, indexar);
            while (renglones.siguiente(c)) {
            }
            return renglones.completo();
        };
        const std::string dos = campos(64) + campos(64);  // the fields given lie in it
        EXPECT_TRUE(lee(dos, 64, std::uint64_t{1} << 63)) << indexar;
        EXPECT_EQ(c[63].texto, "63") << indexar;
        // Fields one after another, the first of them far into the line.
        EXPECT_TRUE(lee(dos, 64, std::uint64_t{0b111} << 20)) << indexar;
        EXPECT_EQ(c[20].texto, "20") << indexar;
        EXPECT_EQ(c[21].texto, "21") << indexar;
        EXPECT_EQ(c[22].texto, "22") << indexar;
        EXPECT_FALSE(lee(campos(64) + campos(65), 64, 1)) << indexar;
        EXPECT_FALSE(lee(campos(64) + campos(63), 64, 1)) << indexar;
        EXPECT_FALSE(lee(campos(65), 65, 1)) << indexar;
    }
}

// Only the fields asked for are given, whichever way; the line is checked
// whole all the same.
TEST(RenglonesLlanos, DaSoloLosCamposUsados) {
    for (const bool indexar : {true, false}) {
        RenglonesLlanos renglones(trozo("a,\"b\",\"c\",d\r\n1,2,3,4\r\n4,5,6\r\n"), 4, 0b101, indexar);
        const CampoCrudo nada{"?", false};
        std::vector<CampoCrudo> campos(4, nada);
        ASSERT_TRUE(renglones.siguiente(campos)) << indexar;
        EXPECT_EQ(campos[0].texto, "a");
        EXPECT_EQ(campos[1].texto, "?");
        EXPECT_EQ(campos[2].texto, "c");
        EXPECT_TRUE(campos[2].entrecomillas);
        EXPECT_EQ(campos[3].texto, "?");
        ASSERT_TRUE(renglones.siguiente(campos)) << indexar;
        EXPECT_EQ(campos[2].texto, "3");
        EXPECT_FALSE(campos[2].entrecomillas);
        EXPECT_FALSE(renglones.siguiente(campos)) << indexar;  // three fields
        EXPECT_FALSE(renglones.completo()) << indexar;
    }
}

// Many lines to a block (the index's list of line ends grows as it goes),
// the same lines and fields both ways.
TEST(RenglonesLlanos, MuchosRenglonesCortos) {
    std::string bytes;
    for (int i = 0; i < 500; ++i) bytes += std::to_string(i % 10) + "," + std::to_string(i) + ",x\r\n";
    const Trozo t = trozo(bytes);
    RenglonesLlanos indexados(t, 3, 0b10), uno(t, 3, 0b10, false);
    std::vector<CampoCrudo> a(3), b(3);
    int r = 0;
    for (; indexados.siguiente(a); ++r) {
        ASSERT_TRUE(uno.siguiente(b)) << r;
        ASSERT_EQ(a[1].texto, std::to_string(r));
        ASSERT_EQ(b[1].texto, a[1].texto);
    }
    EXPECT_EQ(r, 500);
    EXPECT_FALSE(uno.siguiente(b));
    EXPECT_TRUE(indexados.completo());
    EXPECT_TRUE(uno.completo());
}

// Where the processor has what the index needs, few fields are taken from
// it; never all of them, nor when the caller keeps to the ends one by one.
TEST(RenglonesLlanos, IndexaDondeConviene) {
    const Trozo t = trozo("1,2,3,4\r\n");
    EXPECT_EQ(RenglonesLlanos(t, 4, 0b10).indexado(), RenglonesLlanos::indexable());
    EXPECT_EQ(RenglonesLlanos(t, 4, 0b11).indexado(), RenglonesLlanos::indexable());
    EXPECT_FALSE(RenglonesLlanos(t, 4, 0b111).indexado());
    EXPECT_FALSE(RenglonesLlanos(t, 4).indexado());
    EXPECT_FALSE(RenglonesLlanos(t, 4, 0b10, false).indexado());
#if defined(__x86_64__) && defined(__GNUC__)
    __builtin_cpu_init();
    // On an Intel processor with them all, the index is used.
    if (__builtin_cpu_is("intel") && __builtin_cpu_supports("avx2") && __builtin_cpu_supports("pclmul") &&
        __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt")) {
        EXPECT_TRUE(RenglonesLlanos::indexable());
    }
    if (RenglonesLlanos::indexable()) {
        EXPECT_TRUE(__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2"));
    }
#endif
}

}  // namespace
}  // namespace rumbal
