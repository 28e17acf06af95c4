// Passing over fields and resuming at a record: the same records, lines and
// failures as reading every field from the start.

#include "textos/lector_campos.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>

namespace rumbal {
namespace {

TEST(LugarDeLectura, ByteLineaYPrincipioDeLinea) {
    std::istringstream entrada("1,2\r\n\r\n  3,4\n5,6,7\r8");
    LectorCampos lector(entrada);
    std::vector<LugarLectura> lugares;
    while (lector.quedandatos()) {
        lugares.push_back(lector.lugar());
        ASSERT_EQ(lector.saltacampos(2), Lectura::correcta);
    }
    EXPECT_EQ(lugares, (std::vector<LugarLectura>{{0, 1, true, 0}, {9, 3, true, 7}, {13, 4, true, 13}, {17, 4, false, 13}}));
    EXPECT_EQ(lector.desplazamiento(), 20);
    EXPECT_EQ(lector.linea(), 5);
}

// One record as a reader met it: where it started, how it ended, and the
// values when they were read.
struct Paso {
    LugarLectura lugar;
    Lectura lectura;
    std::int64_t linearegistro;
    std::int64_t linea;
    std::vector<ValorCampo> campos;
    bool operator==(const Paso&) const = default;
};

// How a reader takes each record: reading its values, passing over it, or
// reading its fields as they stand and taking their values afterwards (by
// valordecampo).
enum class Modo { lee, salta, crudo };

// Every record up to the end or the first failure (or the first cuantos).
std::vector<Paso> pasos(LectorCampos& lector, std::size_t n, Modo modo, std::size_t cuantos = SIZE_MAX) {
    std::vector<Paso> r;
    std::string textos = "previo";  // fields as they stand are appended after what is there
    while (r.size() < cuantos && lector.quedandatos()) {
        Paso p{lector.lugar(), Lectura::correcta, 0, 0, {}};
        std::vector<CampoLeido> crudos(n);
        p.lectura = modo == Modo::lee     ? lector.leecampos(n, p.campos)
                    : modo == Modo::salta ? lector.saltacampos(n)
                                          : lector.leecampos(crudos, textos);
        if (modo == Modo::crudo && p.lectura == Lectura::correcta)
            for (const CampoLeido& c : crudos) p.campos.push_back(valordecampo(c.en(textos)));
        p.linearegistro = lector.linearegistro();
        p.linea = lector.linea();
        r.push_back(p);
        if (p.lectura != Lectura::correcta) break;
    }
    return r;
}

void PrintTo(const Paso& p, std::ostream* os) {
    *os << "{byte " << p.lugar.byte << ", linea " << p.lugar.linea << (p.lugar.alprincipiodelinea ? "" : " (dentro)")
        << ", lectura " << static_cast<int>(p.lectura) << ", linearegistro " << p.linearegistro << ", linea " << p.linea
        << ", " << p.campos.size() << " campos}";
}

std::vector<Paso> pasos(const std::string& bytes, std::size_t n, Modo modo) {
    std::istringstream entrada(bytes);
    LectorCampos lector(entrada);
    return pasos(lector, n, modo);
}

struct CasoRegistros {
    std::string nombre;
    std::string bytes;
    std::size_t n;
};

std::string muchaslineas() {
    const char* const fines[] = {"\r\n", "\n", "\r"};
    std::string s;
    for (int i = 0; i < 20000; ++i) {
        const std::string n = std::to_string(i);
        s += "\"Punto, " + n + "\" ,  " + n + ".5" + fines[i % 3];
    }
    return s;
}

void PrintTo(const CasoRegistros& c, std::ostream* os) { *os << c.nombre; }

class RegistrosSaltados : public ::testing::TestWithParam<CasoRegistros> {};

TEST_P(RegistrosSaltados, MismosLimitesLineasYFallos) {
    std::vector<Paso> leidos = pasos(GetParam().bytes, GetParam().n, Modo::lee);
    ASSERT_FALSE(leidos.empty());
    for (Paso& p : leidos) p.campos.clear();
    EXPECT_EQ(pasos(GetParam().bytes, GetParam().n, Modo::salta), leidos);
}

TEST_P(RegistrosSaltados, CamposComoEstanDanLosMismosValores) {
    std::vector<Paso> leidos = pasos(GetParam().bytes, GetParam().n, Modo::lee);
    ASSERT_FALSE(leidos.empty());
    if (leidos.back().lectura != Lectura::correcta) leidos.back().campos.clear();
    EXPECT_EQ(pasos(GetParam().bytes, GetParam().n, Modo::crudo), leidos);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RegistrosSaltados,
    ::testing::Values(CasoRegistros{"comas_entre_comillas", "\"a,b\",1\r\n\"c\" , \",\"\r\n", 2},
                      CasoRegistros{"blancos_y_lineas_en_blanco", "  1 , \"x\" \r\n\r\n   \r\n2,3\r\n\r\n", 2},
                      CasoRegistros{"solo_cr", "1,2\r3,4\r", 2}, CasoRegistros{"solo_lf", "1\n2,3\n4\n", 2},
                      CasoRegistros{"texto_tras_la_comilla", "\"abc\"xyz,1\r\n2,\"d\"e\r\n", 2},
                      CasoRegistros{"comilla_sin_cerrar", "\"a\",1\r\n\"b,2\r\n\"c\",3\r\n", 2},
                      CasoRegistros{"termina_dentro_del_registro", "1,2,3\r\n4,5\r\n", 3},
                      CasoRegistros{"coma_final", "1,2,\r\n3,4\r\n5", 2},
                      CasoRegistros{"lineas_largas_y_cortas", "1,2,3,4\r\n5\r\n6,7,8\r\n9\r\n", 3},
                      CasoRegistros{"sin_fin_de_linea", "1,\"a\"\r\n2,\"b\"", 2},
                      CasoRegistros{"blancos_y_tabuladores", "\t 1.50\t ,  -0 , 007\t\r\n\"a\" x ,1e3 , .5\r\n", 3},
                      CasoRegistros{"renglon_en_el_limite", std::string(65531, ' ') + "1,2,3\r\n4,5,6\r\n", 3},
                      CasoRegistros{"renglon_pasado_el_limite", std::string(65532, ' ') + "1,2,3\r\n4,5,6\r\n", 3},
                      CasoRegistros{"comillas_pasado_el_limite", "\"" + std::string(65540, 'a') + "\",1\r\n", 2},
                      CasoRegistros{"mas_alla_de_la_memoria", muchaslineas(), 2}),
    [](const auto& caso) { return caso.param.nombre; });

// A line of exactly the limit is read, one byte more is refused, whichever
// part of a field the bytes are in.
TEST(LectorCampos, ElLimiteDelRenglonEnCadaParteDeUnCampo) {
    const auto lectura = [](const std::string& antes, std::size_t relleno, char c, const std::string& despues) {
        const std::string renglon = antes + std::string(relleno, c) + despues;
        std::istringstream entrada("1," + renglon + "\r\n2,3\r\n");
        LectorCampos lector(entrada);
        std::vector<ValorCampo> campos;
        return lector.leecampos(2, campos);
    };
    const std::size_t limite = static_cast<std::size_t>(largomaximorenglon) - 2;  // "1," counts
    for (const std::size_t demas : {0, 1}) {
        const Lectura esperada = demas == 0 ? Lectura::correcta : Lectura::renglonlargo;
        EXPECT_EQ(lectura("", limite + demas - 1, ' ', "5"), esperada) << "blancos antes";
        EXPECT_EQ(lectura("", limite + demas, '7', ""), esperada) << "cifras";
        EXPECT_EQ(lectura("\"", limite + demas - 2, 'a', "\""), esperada) << "entre comillas";
        EXPECT_EQ(lectura("\"a\"", limite + demas - 3, 'x', ""), esperada) << "tras la comilla";
    }
}

// A line longer than the limit is refused wherever a reader takes it up: a
// reader resumed between two records of that line measures it from its start.
TEST(LectorCampos, RetomadoEnUnRenglonLargoLoVeLargo) {
    const std::string bytes = std::string(65530, ' ') + "1,2,3,4\r\n";
    std::istringstream a(bytes);
    LectorCampos primero(a);
    std::vector<ValorCampo> c;
    for (int i = 0; i < 3; ++i) ASSERT_EQ(primero.leecampos(1, c), Lectura::correcta);
    const LugarLectura lugar = primero.lugar();
    EXPECT_EQ(primero.leecampos(1, c), Lectura::renglonlargo);
    std::istringstream b(bytes);
    b.seekg(lugar.byte);
    LectorCampos retomado(b, lugar);
    EXPECT_EQ(retomado.leecampos(1, c), Lectura::renglonlargo);
}

}  // namespace
}  // namespace rumbal
