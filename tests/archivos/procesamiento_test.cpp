#include "archivos/procesamiento.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "geodesia/comun_geodesia.hpp"

namespace rumbal {
namespace {

Proceso proceso(ModoDatos modo, bool conrepresentacion) {
    Proceso p;
    p.modo = modo;
    p.elipsoide = prueba::wgs84();
    p.nombreelipsoide = "WGS 84";
    if (conrepresentacion) {
        p.representacion = prueba::faja5();
        p.nombrerepresentacion = "Faja 5";
    }
    p.decimales = Decimales{4, 4, 3};
    return p;
}

struct Corrida {
    Recuento recuento;
    std::string resultados;
};

Corrida corre(const std::string& datos, const Proceso& p, const std::string& previos = {}) {
    std::istringstream entrada(datos);
    std::ostringstream salida(previos, std::ios::ate);
    Corrida c;
    c.recuento = procesa(entrada, salida, p);
    c.resultados = salida.str();
    return c;
}

// The records, whole: kinds and order of the fields, the trimming of angle
// texts, the comma of the convergence, the 8-decimal roundings, the names.
// The point -34 36 12.5, -58 22 54.3, 25 m gives 2755261.841, -4475419.437,
// -3601759.93 on WGS 84 and 6170171.746, 5648443.249 in zone 5, as the main
// window shows it; here it is read back from either.
TEST(ProcesarGeodesicas, IdentificadoresConSuClaseYAngulosEnAmbasFormas) {
    const auto c = corre(
        "\"P1\",\"Esquina\",-34.5,\"-58 22 54.3\",25\r\n"
        "101,,\"  -34 36 12.5\",\"-58.4\",\r\n"
        ",\"\",\"-34 36 12,5\",-58.4,\"\"\r\n",
        proceso(ModoDatos::geodesicas, true));
    ASSERT_EQ(c.recuento.estado, Estado::completo) << c.recuento.mensaje;
    EXPECT_EQ(c.recuento.registros, 3);
    EXPECT_EQ(c.resultados,
              "\"P1\",\"Esquina\",\"-34 30 00\",\"-58 22 54.3\",25,2758674.763,-4480963.104,-3592306.101,6181651.814,"
              "5648627.191,1.00027217,\"-0 55 0.317\",.99999608,\"WGS 84\",\"Faja 5\"\r\n"
              "101,,\"-34 36 12.5\",\"-58 23 60\",0,2753825.397,-4476279.297,-3601745.732,6170198.456,5646769.006,"
              "1.00026541,\"-0 54 31.6514\",1,\"WGS 84\",\"Faja 5\"\r\n"
              ",\"\",\"-34 36 12,5\",\"-58 23 60\",0,2753825.397,-4476279.297,-3601745.732,6170198.456,5646769.006,"
              "1.00026541,\"-0 54 31.6514\",1,\"WGS 84\",\"Faja 5\"\r\n");
}

TEST(ProcesarGeodesicas, AlturaVaciaDaCoeficienteUnoYSinRepresentacionNoHayPlanas) {
    const auto c = corre("\"A\",\"B\",-34.5,-58.5,\r\n", proceso(ModoDatos::geodesicas, false));
    ASSERT_EQ(c.recuento.estado, Estado::completo);
    EXPECT_EQ(c.resultados,
              "\"A\",\"B\",\"-34 30 00\",\"-58 30 00\",0,2749410.085,-4486629.485,-3592291.941,0,0,0,\"\",1,"
              "\"WGS 84\",\"\"\r\n");
}

TEST(ProcesarCartesianas, AngulosCalculadosConComa) {
    const auto c = corre("\"P\",\"a\",2755261.841,-4475419.437,-3601759.93\r\n", proceso(ModoDatos::cartesianas, false));
    ASSERT_EQ(c.recuento.estado, Estado::completo);
    EXPECT_EQ(c.resultados,
              "\"P\",\"a\",\"-34 36 12,5\",\"-58 22 54,3\",25,2755261.841,-4475419.437,-3601759.93,0,0,0,\"\","
              ".99999608,\"WGS 84\",\"\"\r\n");
}

TEST(ProcesarPlanas, AlturaCeroCoeficienteUnoYPlanasComoSeLeyeron) {
    const auto c = corre("\"P\",\"a\",6170171.746,5648443.249\r\n", proceso(ModoDatos::planas, true));
    ASSERT_EQ(c.recuento.estado, Estado::completo);
    EXPECT_EQ(c.resultados,
              "\"P\",\"a\",\"-34 36 12,5\",\"-58 22 54,3\",0,2755251.054,-4475401.914,-3601745.732,6170171.746,"
              "5648443.249,1.0002715,\"-0 55 08.9822\",1,\"WGS 84\",\"Faja 5\"\r\n");
}

TEST(Procesar, ArchivoVacioNoAgregaNada) {
    const auto c = corre("", proceso(ModoDatos::geodesicas, true), "renglon previo\r\n");
    EXPECT_EQ(c.recuento.estado, Estado::completo);
    EXPECT_EQ(c.recuento.registros, 0);
    EXPECT_EQ(c.resultados, "renglon previo\r\n");
}

// The second record of each case stops the run; its message after
// "Registro 2 (renglón 2): " unless it names another line.
struct CasoFalla {
    ModoDatos modo;
    std::string datos;
    std::string mensaje;
};

constexpr ModoDatos geo = ModoDatos::geodesicas, car = ModoDatos::cartesianas, pla = ModoDatos::planas;
const std::string fuerazona =
    "las coordenadas X, Y dan un punto fuera de la zona de la representación plana (a más de 20 grados de su meridiano "
    "central, o en un polo).";
const std::string fueratierra =
    "las coordenadas x, y, z dan un punto fuera de la Tierra (a menos de 6250000 m o a más de 6480000 m de su centro).";

class ProcesarFalla : public ::testing::TestWithParam<CasoFalla> {};

TEST_P(ProcesarFalla, SeDetieneNombrandoRegistroYRenglonYConservaLoGrabado) {
    const auto& caso = GetParam();
    const std::string bueno = caso.modo == pla   ? "\"P\",\"a\",6170171.746,5648443.249\r\n"
                              : caso.modo == car ? "\"P\",\"a\",2755261.841,-4475419.437,-3601759.93\r\n"
                                                 : "\"P\",\"a\",-34.5,-58.5,10\r\n";
    const auto completo = corre(bueno, proceso(caso.modo, true));
    const auto c = corre(bueno + caso.datos, proceso(caso.modo, true));
    EXPECT_EQ(c.recuento.estado, Estado::fallo);
    EXPECT_EQ(c.recuento.registros, 1);
    EXPECT_EQ(c.recuento.mensaje,
              caso.mensaje.starts_with("Registro") ? caso.mensaje : "Registro 2 (renglón 2): " + caso.mensaje);
    EXPECT_EQ(c.resultados, completo.resultados);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ProcesarFalla,
    ::testing::ValuesIn(std::vector<CasoFalla>{
        {geo, "\"Q\",\"a\",\"abc\",-58.5,10\r\n", "la latitud (abc) no es un número ni un ángulo."},
        {geo, "\"Q\",\"a\",-34,,10\r\n", "falta la longitud."},
        {geo, "\"Q\",\"a\",-34,-58,\"diez\"\r\n", "la altura (diez) no es un número."},
        {geo, "\"Q\",\"a\",-34,-58\r\n", "el archivo termina dentro del registro."},
        {geo, "\r\n\"Q\",\"a\",-34,-58,\"1\r\n", "Registro 2 (renglón 3): falta la comilla que cierra un texto."},
        {car, "\"Q\",\"a\",1,x2,3\r\n", "la coordenada y (x2) no es un número."},
        {pla, "\"Q\",\"a\",,5500000\r\n", "falta la coordenada X."},
        // Values the computation cannot take.
        {geo, "\"Q\",\"a\",91,-58.5,10\r\n", "la latitud (91) está fuera de -90 a 90 grados."},
        {geo, "\"Q\",\"a\",\"-90 00 01\",-58.5,10\r\n", "la latitud (-90 00 01) está fuera de -90 a 90 grados."},
        {geo, "\"Q\",\"a\",-34.5,1000,10\r\n", "la longitud (1000) está fuera de -360 a 360 grados."},
        {geo, "\"Q\",\"a\",-34.5,-58.5,1e308\r\n", "la altura (1E+308) está fuera de -100000 a 100000 m."},
        {geo, "\"Q\",\"a\",-34.5,-58.5,-100000.001\r\n", "la altura (-100000.001) está fuera de -100000 a 100000 m."},
        {geo, "\"Q\",\"a\",-34.5,-100,10\r\n",
         "el punto está a más de 20 grados del meridiano central de la representación plana."},
        {car, "\"Q\",\"a\",1,2,3\r\n", fueratierra},
        {pla, "\"Q\",\"a\",30000000,5500000\r\n", fuerazona},
        {pla, "\"Q\",\"a\",0,0\r\n", fuerazona},
        {pla, "\"Q\",\"a\",6170171.746,0\r\n", fuerazona},
        {pla, "\"Q\",\"a\",6170171.746,1e9\r\n", fuerazona},
    }));

TEST(Procesar, SeCancelaDesdeElAvanceConservandoLoGrabado) {
    std::string datos;
    for (int i = 0; i < 10000; ++i) datos += std::to_string(i) + ",\"a\",-34.5,-58.5,10\r\n";
    std::istringstream entrada(datos);
    std::ostringstream salida;
    std::vector<std::int64_t> avisos;
    const Recuento r = procesa(entrada, salida, proceso(ModoDatos::geodesicas, true), [&](std::int64_t n) {
        avisos.push_back(n);
        return n < 8192;
    });
    EXPECT_EQ(r.estado, Estado::cancelado);
    EXPECT_EQ(r.registros, 8192);
    EXPECT_EQ(avisos, (std::vector<std::int64_t>{4096, 8192}));
    const std::string s = salida.str();
    EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), 8192);
}

// Blocks are computed in two halves on two threads; a failure anywhere must
// keep exactly the records before it, in order, whichever half it falls in.
class FallaEnUnBloqueGrande : public ::testing::TestWithParam<int> {};

TEST_P(FallaEnUnBloqueGrande, ConservaExactamenteLoAnterior) {
    const int malo = GetParam();
    std::string datos, previos;
    for (int i = 1; i <= 10000; ++i) {
        const std::string linea =
            i == malo ? "\"M\",\"a\",\"abc\",-58.5,10\r\n"
                      : std::to_string(i) + ",\"a\"," + std::to_string(-30 - i / 1000.0) + ",-58.5,10\r\n";
        datos += linea;
        if (i < malo) previos += linea;
    }
    const auto c = corre(datos, proceso(ModoDatos::geodesicas, true));
    const auto esperado = corre(previos, proceso(ModoDatos::geodesicas, true));
    EXPECT_EQ(c.recuento.estado, Estado::fallo);
    EXPECT_EQ(c.recuento.registros, malo - 1);
    EXPECT_EQ(c.recuento.mensaje, "Registro " + std::to_string(malo) + " (renglón " + std::to_string(malo) +
                                      "): la latitud (abc) no es un número ni un ángulo.");
    EXPECT_EQ(c.resultados, esperado.resultados);
}

INSTANTIATE_TEST_SUITE_P(Posiciones, FallaEnUnBloqueGrande,
                         ::testing::Values(1, 2048, 2049, 4096, 4097, 5000, 7000, 10000));

}  // namespace
}  // namespace rumbal
