// The fast reading of a stretch of plain records: taken only where it finds
// exactly the fields, texts and lines the field reader finds, refused for
// everything the reader would read otherwise or not at all.

#include "archivos/renglones_llanos.hpp"

#include <gtest/gtest.h>

namespace rumbal {
namespace {

constexpr std::size_t n = 3;

struct CasoLlano {
    const char* nombre;
    std::string bytes;
    bool tomado;
};

class TrozoLlano : public ::testing::TestWithParam<CasoLlano> {};

// Every line given has the fields the reader reads; the stretch is taken
// whole exactly where the case says.
TEST_P(TrozoLlano, SoloDondeLeeComoElLector) {
    Trozo t;
    t.byte = GetParam().nombre == std::string("marca") ? 0 : 70;
    t.bytes = GetParam().bytes;
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

INSTANTIATE_TEST_SUITE_P(
    Casos, TrozoLlano,
    ::testing::Values(
        CasoLlano{"registros", "\"P1\",\"Esq, ui\",-34.5\r\n101,,\"\"\r\n,,\r\n", true},
        CasoLlano{"lf", "1,2,3\n\"a\",\"\xB0\",x\n", true}, CasoLlano{"bordes", bloques + bloques + bloques, true},
        CasoLlano{"cr63", cr63 + "1,2,3\r\n", true}, CasoLlano{"cr63solo", cr63solo, false},
        CasoLlano{"cierra63", cierra63, true}, CasoLlano{"abre63", abre63, true},
        CasoLlano{"dentro63", dentro63, false}, CasoLlano{"sincierre63", sincierre63, false},
        CasoLlano{"casimaximo", largo + ",1,2\r\n", true}, CasoLlano{"maximo", largo + "xxxxxx,1,2\r\n", false},
        CasoLlano{"blanco", "1, 2,3\r\n", false}, CasoLlano{"tab", "\t1,2,3\r\n", false},
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

}  // namespace
}  // namespace rumbal
