// The record index: the same records, rows and failures as listing the file
// from its start, read from any record on.

#include "archivos/indice_registros.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "archivos/listado.hpp"
#include "archivos/registro_punto.hpp"

namespace rumbal {
namespace {

// The fifteen fields of point i as a file holds them.
std::vector<std::string> campospunto(int i) {
    const std::string n = std::to_string(i);
    return {"\"P" + n + "\"", "\"Vértice, " + n + "\"", "\"-34 36 12,5\"", "\"-58 22 54,3\"", n + ".5",
            "2766523.123",    "-4487345.456",           "-3597523.789",    "6171234.567",     "5633333.123",
            ".99998765",      "\"0 12 3.45\"",          "1.00000392",      "  \"WGS 84\"  ",  ""};
}

// Records 1..registros, their fields run together and broken into lines of
// the lengths given in turn, each line ended by fin.
std::string archivo(int registros, std::vector<std::size_t> largos = {columnaspunto}, const std::string& fin = "\r\n") {
    std::vector<std::string> campos;
    for (int i = 1; i <= registros; ++i)
        for (std::string& c : campospunto(i)) campos.push_back(std::move(c));
    std::string s;
    std::size_t enlinea = 0, largo = 0;
    for (std::size_t k = 0; k < campos.size(); ++k) {
        s += campos[k];
        if (++enlinea == largos[largo % largos.size()] || k + 1 == campos.size()) {
            s += fin;
            enlinea = 0;
            ++largo;
        } else {
            s += ',';
        }
    }
    return s;
}

std::string conlineasenblanco() {
    std::string s = archivo(4);
    s.insert(s.find("\"P3\""), "\r\n   \r\n\t\r\n  ");
    return "\r\n" + s + "\r\n  \r\n";
}

std::string sinfindelinea() {
    std::string s = archivo(3);
    return s.substr(0, s.size() - 2);
}

std::string comaalfinal() {
    // A comma after the fifteenth field: the next record starts with the empty
    // field before the line end.
    std::string s = archivo(1) + archivo(1, {14});
    s.insert(s.find("\r\n"), ",");
    return s + archivo(2);
}

std::string comillasincerrar() {
    std::string tercero = archivo(1);
    tercero.erase(tercero.find("WGS 84") + 6, 1);
    return archivo(2) + tercero + archivo(2);
}

std::string terminadentro() {
    const std::string nueve = archivo(1, {9});
    return archivo(3) + nueve.substr(0, nueve.find('\n') + 1);
}

std::string muchos() {
    std::string s;
    const char* const fines[] = {"\r\n", "\n", "\r"};
    for (int i = 0; i < 1000; ++i) {
        std::string r = archivo(1, {columnaspunto}, fines[i % 3]);
        r.replace(r.find("\"P1\""), 4, "\"P" + std::to_string(i) + "\"");
        s += r;
        if (i % 97 == 0) s += "\r\n";
    }
    return s;
}

struct CasoArchivo {
    std::string nombre;
    std::string bytes;
};

void PrintTo(const CasoArchivo& c, std::ostream* os) { *os << c.nombre; }

const CasoArchivo archivos[] = {
    {"comas_entre_comillas", archivo(5)},
    {"lineas_en_blanco", conlineasenblanco()},
    {"solo_cr", archivo(5, {columnaspunto}, "\r")},
    {"solo_lf", archivo(5, {columnaspunto}, "\n")},
    {"lineas_de_16_y_14", archivo(6, {16, 14})},
    {"lineas_de_14_y_16", archivo(6, {14, 16})},
    {"archivo_de_columnas", archivo(5, {5})},
    {"sin_fin_de_linea", sinfindelinea()},
    {"coma_al_final", comaalfinal()},
    {"comilla_sin_cerrar", comillasincerrar()},
    {"termina_dentro_de_un_registro", terminadentro()},
    {"sin_registros", "\r\n  \r\n"},
    {"mil_registros", muchos()},
};

struct Listado {
    std::vector<Fila> filas;
    Recuento recuento;
};

Listado listado(const std::string& bytes, std::span<const std::size_t> columnas) {
    std::istringstream entrada(bytes);
    Listado l;
    l.recuento = lista(entrada, columnas, [&](Fila&& f) { l.filas.push_back(std::move(f)); });
    return l;
}

Indexado indexado(const std::string& bytes, std::int64_t paso, const Avance& avance = {}) {
    std::istringstream entrada(bytes);
    return indexa(entrada, columnaspunto, avance, paso);
}

class IndiceComoListado : public ::testing::TestWithParam<std::tuple<CasoArchivo, std::int64_t>> {
protected:
    const std::string& bytes() const { return std::get<0>(GetParam()).bytes; }
    std::int64_t paso() const { return std::get<1>(GetParam()); }
};

TEST_P(IndiceComoListado, MismosRegistrosFinalYFilas) {
    const Listado l = listado(bytes(), columnasgeodesicas);
    const Indexado x = indexado(bytes(), paso());
    EXPECT_EQ(x.recuento.registros, l.recuento.registros);
    EXPECT_EQ(x.recuento.estado, l.recuento.estado);
    EXPECT_EQ(x.recuento.mensaje, l.recuento.mensaje);
    EXPECT_EQ(x.indice.registros, l.recuento.registros);
    EXPECT_EQ(x.indice.lugares.size(), static_cast<std::size_t>((x.indice.registros + paso() - 1) / paso()));
    std::istringstream entrada(bytes());
    for (const auto& columnas :
         {std::span<const std::size_t>(columnasgeodesicas), std::span<const std::size_t>(columnascartesianas),
          std::span<const std::size_t>(columnasplanas)}) {
        const std::vector<Fila> filas = listado(bytes(), columnas).filas;
        const auto n = static_cast<std::int64_t>(filas.size());
        for (std::int64_t i = 0; i < n; ++i)
            ASSERT_EQ(leefilas(entrada, x.indice, columnas, i, 1), std::vector<Fila>{filas[i]}) << "fila " << i;
        EXPECT_EQ(leefilas(entrada, x.indice, columnas, 0, n), filas);
        EXPECT_EQ(leefilas(entrada, x.indice, columnas, n / 2, n),
                  std::vector<Fila>(filas.begin() + n / 2, filas.end()));
        EXPECT_TRUE(leefilas(entrada, x.indice, columnas, n, 1).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, IndiceComoListado,
                         ::testing::Combine(::testing::ValuesIn(archivos), ::testing::Values(1, 3, 64)),
                         [](const auto& caso) {
                             return std::get<0>(caso.param).nombre + "_cada_" + std::to_string(std::get<1>(caso.param));
                         });

TEST(IndiceRegistros, LosMensajesDeUnRegistroQueNoSePuedeLeer) {
    const Indexado a = indexado(comillasincerrar(), 64);
    EXPECT_EQ(a.recuento.registros, 2);
    EXPECT_EQ(a.recuento.mensaje, "Registro 3 (renglón 3): falta la comilla que cierra un texto.");
    const Indexado b = indexado(terminadentro(), 64);
    EXPECT_EQ(b.recuento.registros, 3);
    EXPECT_EQ(b.recuento.mensaje, "Registro 4 (renglón 4): el archivo termina dentro del registro.");
}

TEST(IndiceRegistros, UnRegistroQueEmpiezaAMitadDeLinea) {
    const std::string bytes = archivo(3, {16, 14});
    const Indexado x = indexado(bytes, 1);
    ASSERT_EQ(x.indice.registros, 3);
    const auto segundo = static_cast<std::int64_t>(bytes.find("\"P2\""));
    EXPECT_EQ(x.indice.lugares[1], (LugarLectura{segundo, 1, false, 0}));
    std::istringstream entrada(bytes);
    EXPECT_EQ(leefilas(entrada, x.indice, columnascartesianas, 1, 1),
              (std::vector<Fila>{{"P2", "Vértice, 2", "2766523.123", "-4487345.456", "-3597523.789"}}));
}

TEST(IndiceRegistros, AvanceYCancelacion) {
    const std::string bytes = archivo(10000, {columnaspunto}, "\n");
    std::vector<std::int64_t> avisos;
    const Indexado todo = indexado(bytes, 64, [&](std::int64_t r) {
        avisos.push_back(r);
        return true;
    });
    EXPECT_EQ(todo.recuento.estado, Estado::completo);
    EXPECT_EQ(todo.recuento.registros, 10000);
    EXPECT_EQ(avisos, (std::vector<std::int64_t>{4096, 8192}));

    const Indexado parte = indexado(bytes, 64, [](std::int64_t) { return false; });
    EXPECT_EQ(parte.recuento.estado, Estado::cancelado);
    EXPECT_EQ(parte.recuento.registros, 4096);
    std::istringstream entrada(bytes);
    const std::vector<Fila> ultima = leefilas(entrada, parte.indice, columnascartesianas, 4095, 2);
    ASSERT_EQ(ultima.size(), 1u);
    EXPECT_EQ(ultima[0][0], "P4096");
}

TEST(IndiceRegistros, ElArchivoCambioDespuesDeIndexarlo) {
    const std::string bytes = archivo(200);
    const Indexado x = indexado(bytes, 64);
    std::istringstream corto(bytes.substr(0, bytes.find("\"P100\"") + 10));
    EXPECT_EQ(leefilas(corto, x.indice, columnasplanas, 0, 200).size(), 99u);
    EXPECT_TRUE(leefilas(corto, x.indice, columnasplanas, 150, 10).empty());
    std::istringstream vacio;
    EXPECT_TRUE(leefilas(vacio, x.indice, columnasplanas, 0, 200).empty());
}

}  // namespace
}  // namespace rumbal
