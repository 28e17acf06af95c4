#include "textos/campos.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "comun/carpeta_temporal.hpp"
#include "textos/lector_campos.hpp"

namespace rumbal {
namespace {

std::string linea(std::vector<ValorCampo> v) {
    std::string s;
    grabalinea(s, v);
    return s;
}

TEST(Renglones, EscrituraExacta) {
    EXPECT_EQ(linea({"P1", ValorCampo(), 0.5, 7.0, "a,b", ""}), "\"P1\",,.5,7,\"a,b\",\"\"\r\n");
    EXPECT_EQ(linea({1.0}), "1\r\n");
    EXPECT_EQ(linea({ValorCampo()}), "\r\n");
    EXPECT_EQ(linea({"Mojón", -0.25, 1e-05}), "\"Moj\xF3n\",-.25,1E-05\r\n");
    EXPECT_EQ(linea({"x", ValorCampo()}), "\"x\",\r\n");
}

// A field copied as it stands gives the bytes its value gives.
struct CasoCrudo {
    const char* texto;
    bool entrecomillas;
    const char* escrito;  // with the line end
};

class CampoCopiado : public ::testing::TestWithParam<CasoCrudo> {};

TEST_P(CampoCopiado, LosBytesDeSuValor) {
    const CampoCrudo campo{GetParam().texto, GetParam().entrecomillas};
    std::string copia = "x,";
    grabacampo(copia, campo, true);
    EXPECT_EQ(copia, std::string("x,") + GetParam().escrito) << GetParam().texto;
    std::string leido;
    grabacampo(leido, valordecampo(campo), false);
    grabalinea(leido, std::vector<CampoCrudo>{campo, campo});
    const std::string solo = copia.substr(2, copia.size() - 4);
    EXPECT_EQ(leido, solo + "," + solo + "," + solo + "\r\n") << GetParam().texto;
    // Chosen from other fields, in any order, as often as chosen.
    std::string elegidos;
    const std::size_t cuales[] = {1, 0, 1};
    grabalinea(elegidos, std::vector<CampoCrudo>{CampoCrudo{"P", true}, campo}, cuales);
    EXPECT_EQ(elegidos, solo + ",\"P\"," + solo + "\r\n") << GetParam().texto;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CampoCopiado,
    ::testing::Values(CasoCrudo{"2494335.418", false, "2494335.418\r\n"}, CasoCrudo{"-.25  \t", false, "-.25\r\n"},
                      CasoCrudo{"007", false, "7\r\n"}, CasoCrudo{"0.50", false, ".5\r\n"},
                      CasoCrudo{"-0", false, "0\r\n"}, CasoCrudo{"+3", false, "3\r\n"},
                      CasoCrudo{"1e3", false, "1000\r\n"}, CasoCrudo{".00001", false, "1E-05\r\n"},
                      CasoCrudo{"1234567890123456", false, "1.23456789012346E+15\r\n"},
                      CasoCrudo{"", false, "\r\n"}, CasoCrudo{"  ", false, "\"  \"\r\n"},
                      CasoCrudo{"abc ", false, "\"abc \"\r\n"},
                      CasoCrudo{"a\"b", false, "\"a'b\"\r\n"}, CasoCrudo{"1 2", false, "\"1 2\"\r\n"},
                      CasoCrudo{"007", true, "\"007\"\r\n"}, CasoCrudo{"", true, "\"\"\r\n"},
                      CasoCrudo{"dijo \"no\"", true, "\"dijo 'no'\"\r\n"}));

// Copied fields of every length from 0 to 40 bytes, texts and numbers,
// alone and in lines of 3 and 16 fields, give the bytes their values give.
TEST(CampoCopiado, DeTodoLargo) {
    for (std::size_t n = 0; n <= 40; ++n) {
        std::string texto;
        for (std::size_t i = 0; i < n; ++i) texto += static_cast<char>('a' + i % 26);
        const std::string numero = n == 0 ? "" : "1" + std::string(std::min<std::size_t>(n, 15) - 1, '2');
        for (const std::size_t cuantos : {1u, 3u, 16u}) {
            std::vector<CampoCrudo> crudos;
            std::vector<ValorCampo> valores;
            for (std::size_t k = 0; k < cuantos; ++k) {
                crudos.push_back(k % 2 ? CampoCrudo{numero, false} : CampoCrudo{texto, true});
                valores.push_back(valordecampo(crudos.back()));
            }
            std::string copia = "antes", escrita = "antes";
            grabalinea(copia, crudos);
            grabalinea(escrita, valores);
            ASSERT_EQ(copia, escrita) << n << " " << cuantos;
        }
    }
}

std::vector<ValorCampo> leelinea(const std::string& bytes) {
    std::istringstream entrada(bytes);
    LectorCampos lector(entrada);
    std::vector<ValorCampo> campos;
    EXPECT_EQ(lector.leerenglon(campos), Lectura::correcta);
    return campos;
}

struct CasoCampo {
    const char* bytes;
    ValorCampo esperado;
};

class LecturaDeCampo : public ::testing::TestWithParam<CasoCampo> {};

TEST_P(LecturaDeCampo, ClaseYValor) {
    const auto campos = leelinea(GetParam().bytes);
    ASSERT_EQ(campos.size(), 1u);
    EXPECT_EQ(campos[0], GetParam().esperado) << GetParam().bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LecturaDeCampo,
    ::testing::Values(CasoCampo{"007\r\n", 7.0}, CasoCampo{"\"007\"\r\n", "007"}, CasoCampo{"  \"\"  \r\n", ""},
                      CasoCampo{"\"\"\r\n", ""}, CasoCampo{"  12.5  \r\n", 12.5}, CasoCampo{"-.25", -0.25},
                      CasoCampo{"1E-05\r\n", 1e-05}, CasoCampo{"-34 36 12.5\r\n", "-34 36 12.5"},
                      CasoCampo{"12abc\r\n", "12abc"}, CasoCampo{"\"abc\"xyz\r\n", "abc"},
                      CasoCampo{"  \"a b\"\r\n", "a b"}, CasoCampo{"1E999\r\n", "1E999"},
                      CasoCampo{"\"Mojón\"\n", "Mojón"}, CasoCampo{"5.\r\n", 5.0}));

// Records of n fields read in turn up to the end or the first failure: their
// values, how the last reading ended, the line where its record started and
// the line the reader is on (for a failure, the line it names).
struct CasoRegistros {
    std::string bytes;
    std::size_t n;
    std::vector<std::vector<ValorCampo>> registros;
    Lectura final;
    std::int64_t linearegistro;
    std::int64_t linea;
};

void PrintTo(const CasoRegistros& c, std::ostream* os) { *os << ::testing::PrintToString(c.bytes); }

class Registros : public ::testing::TestWithParam<CasoRegistros> {};

TEST_P(Registros, ValoresFinalYRenglones) {
    const CasoRegistros& c = GetParam();
    std::istringstream entrada(c.bytes);
    LectorCampos lector(entrada);
    std::vector<std::vector<ValorCampo>> leidos;
    std::vector<ValorCampo> campos;
    Lectura final = Lectura::correcta;
    while (lector.quedandatos() && (final = lector.leecampos(c.n, campos)) == Lectura::correcta)
        leidos.push_back(campos);
    EXPECT_EQ(leidos, c.registros);
    EXPECT_EQ(final, c.final);
    EXPECT_EQ(lector.linearegistro(), c.linearegistro);
    EXPECT_EQ(lector.linea(), c.linea);
}

const ValorCampo vacio;

INSTANTIATE_TEST_SUITE_P(
    Casos, Registros,
    ::testing::Values(
        // A record crosses lines; a long line shifts the records after it.
        CasoRegistros{"1,2\r\n3\r\n4,5,6\r\n", 3, {{1.0, 2.0, 3.0}, {4.0, 5.0, 6.0}}, Lectura::correcta, 3, 4},
        CasoRegistros{"1,2,3,4\r\n5,6\r\n", 3, {{1.0, 2.0, 3.0}, {4.0, 5.0, 6.0}}, Lectura::correcta, 1, 3},
        // The last line without its end, blank lines at the end.
        CasoRegistros{"\"a\",1\r\n\"b\",2", 2, {{"a", 1.0}, {"b", 2.0}}, Lectura::correcta, 2, 2},
        CasoRegistros{"\"a\",1\r\n\"b\",2\r\n\r\n\r\n", 2, {{"a", 1.0}, {"b", 2.0}}, Lectura::correcta, 2, 5},
        CasoRegistros{"\"a\",1\n\n\"b\",2\n  \n", 2, {{"a", 1.0}, {"b", 2.0}}, Lectura::correcta, 3, 5},
        // A comma at the end gives an empty field.
        CasoRegistros{"1,2,", 3, {{1.0, 2.0, vacio}}, Lectura::correcta, 1, 1},
        CasoRegistros{"1,2,3\r\n4,5\r\n", 3, {{1.0, 2.0, 3.0}}, Lectura::finderegistro, 2, 3},
        CasoRegistros{"\"a\",1\r\n\"b,2\r\n\"c\",3\r\n", 2, {{"a", 1.0}}, Lectura::comillassincerrar, 2, 2}));

TEST(Registros, RegistrosQueCruzanElLimiteDeLaMemoria) {
    std::string bytes;
    for (int i = 0; i < 20000; ++i) grabalinea(bytes, std::vector<ValorCampo>{"Punto " + std::to_string(i), i + 0.5});
    std::istringstream entrada(bytes);
    LectorCampos lector(entrada);
    std::vector<ValorCampo> campos;
    int i = 0;
    while (lector.quedandatos()) {
        ASSERT_EQ(lector.leecampos(2, campos), Lectura::correcta);
        ASSERT_EQ(campos[0], ValorCampo("Punto " + std::to_string(i)));
        ASSERT_EQ(campos[1], ValorCampo(i + 0.5));
        ++i;
    }
    EXPECT_EQ(i, 20000);
    EXPECT_EQ(lector.linea(), 20001);
}

struct CasoCuenta {
    const char* bytes;
    std::int64_t lineas;
};

class CuentaLineas : public ::testing::TestWithParam<CasoCuenta> {};

TEST_P(CuentaLineas, CuentaComoElUsuario) {
    prueba::CarpetaTemporal carpeta;
    prueba::escribe(carpeta / "a.txt", GetParam().bytes);
    EXPECT_EQ(cuentalineas((carpeta / "a.txt").string()), GetParam().lineas) << GetParam().bytes;
}

INSTANTIATE_TEST_SUITE_P(Casos, CuentaLineas,
                         ::testing::Values(CasoCuenta{"", 0}, CasoCuenta{"a", 1}, CasoCuenta{"a\r\n", 1},
                                           CasoCuenta{"a\r\nb", 2}, CasoCuenta{"\r\n\r\n", 2},
                                           CasoCuenta{"a\nb\n", 2}, CasoCuenta{"a\rb", 2},
                                           CasoCuenta{"a\r\n\r\nb\r\n", 3}));

TEST(CuentaLineas, ArchivoQueNoExiste) {
    prueba::CarpetaTemporal carpeta;
    EXPECT_FALSE(cuentalineas((carpeta / "no.txt").string()).has_value());
}

TEST(CuentaLineas, TextoVisible) {
    EXPECT_EQ(textovisible(ValorCampo(0.5)), "0.5");
    EXPECT_EQ(textovisible(ValorCampo(" 34 36 12,5")), " 34 36 12,5");
    EXPECT_EQ(textovisible(ValorCampo()), "");
}

}  // namespace
}  // namespace rumbal
