// The batch tool, run in-process on small files. Its terminal side is UTF-8,
// so this file's literals are UTF-8; file bytes are written with escapes.

#include "lote/lote.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "comun/carpeta_temporal.hpp"
#include "comun/catalogos_prueba.hpp"

namespace rumbal {
namespace {

using prueba::escribe;
using prueba::lee;

class Lote : public ::testing::Test {
protected:
    void SetUp() override {
        prueba::copiacatalogos(carpeta.ruta());
    }

    int corre(std::vector<std::string> argumentos, const std::string& entrada = {}) {
        std::istringstream in(entrada);
        salida.str("");
        errores.str("");
        return ejecutalote(argumentos, {in, salida, errores}, carpeta.ruta());
    }

    std::string ruta(const std::string& nombre) const { return (carpeta / nombre).string(); }

    prueba::CarpetaTemporal carpeta;
    std::ostringstream salida;
    std::ostringstream errores;
};

TEST_F(Lote, ProcesarAgregaYCuentaLosRenglonesPrevios) {
    escribe(carpeta / "geo.txt", "\"P1\",\"Esquina\",-34.5,\"-58 30 00\",25\r\n101,,\"-34 36 12.5\",-58.5,\r\n");
    escribe(carpeta / "res.txt", "uno\r\ndos\r\n");
    ASSERT_EQ(corre({"procesar", "--datos", "geo", "--elipsoide", "WGS 84", "--rep", "Faja 5", ruta("geo.txt"),
                     ruta("res.txt")}),
              0)
        << errores.str();
    EXPECT_EQ(errores.str(), "--->  2 puntos calculados\n--->  4 puntos en el archivo de resultados\n");
    const std::string r = lee(carpeta / "res.txt");
    EXPECT_EQ(r.substr(0, 10), "uno\r\ndos\r\n");
    EXPECT_NE(r.find("\"P1\",\"Esquina\",\"-34 30 00\",\"-58 30 00\",25,"), std::string::npos) << r;
    EXPECT_NE(r.find("\r\n101,,\"-34 36 12.5\",\"-58 30 00\",0,"), std::string::npos) << r;
    EXPECT_NE(r.find(",\"WGS 84\",\"Faja 5\"\r\n"), std::string::npos);
}

TEST_F(Lote, ProcesarSinRepresentacionYALaSalidaEstandar) {
    ASSERT_EQ(corre({"procesar", "--datos=geo", "--elipsoide=WGS 84", "-", "-"}, "\"A\",\"B\",-34.5,-58.5,\r\n"), 0)
        << errores.str();
    EXPECT_EQ(errores.str(), "--->  1 puntos calculados\n");
    const std::string s = salida.str();
    EXPECT_TRUE(s.starts_with("\"A\",\"B\",\"-34 30 00\",\"-58 30 00\",0,")) << s;
    EXPECT_TRUE(s.ends_with(",0,0,0,\"\",1,\"WGS 84\",\"\"\r\n")) << s;
}

TEST_F(Lote, TransformarEnAmbosSentidos) {
    escribe(carpeta / "car.txt", "\"A\",\"x\",4027894.006,307045.6,4919474.91\r\n");
    ASSERT_EQ(corre({"transformar", "--marco", "DHDN", ruta("car.txt"), ruta("etrs.txt")}), 0) << errores.str();
    EXPECT_EQ(errores.str(), "--->  1 puntos calculados\n--->  1 puntos en el archivo\n");
    ASSERT_EQ(corre({"transformar", "--marco", "ETRS89", ruta("etrs.txt"), ruta("vuelta.txt")}), 0);
    const std::string ida = lee(carpeta / "etrs.txt");
    const std::string vuelta = lee(carpeta / "vuelta.txt");
    EXPECT_NE(ida, lee(carpeta / "car.txt"));
    EXPECT_EQ(vuelta.substr(0, 17), "\"A\",\"x\",4027894.0");
}

TEST_F(Lote, ColumnasPorNumeroYPorNombre) {
    escribe(carpeta / "completo.txt",
            "\"P1\",\"a\",\"-34 30 00\",\"-58 30 00\",10,1,2,3,6000000.5,5500000,1,\"0 00 00\",.5,\"WGS 84\",\"Faja 5\"\r\n");
    ASSERT_EQ(corre({"columnas", "--columnas", "10,x plana, Punto", ruta("completo.txt"), ruta("gen.txt")}), 0)
        << errores.str();
    EXPECT_EQ(lee(carpeta / "gen.txt"), "5500000,6000000.5,\"P1\"\r\n");
    EXPECT_EQ(errores.str(), "--->  1 puntos generados\n--->  1 puntos en el archivo de resultados\n");
    ASSERT_EQ(corre({"columnas", "--columnas", "5", ruta("completo.txt"), "-"}), 0);
    EXPECT_EQ(salida.str(), "10\r\n");
}

TEST_F(Lote, AtributoConAcentoDesdeLaTerminal) {
    escribe(carpeta / "completo.txt",
            "\"P1\",\"Mojón\",\"\",\"\",0,0,0,0,0,0,0,\"\",1,\"\",\"\"\r\n"
            "\"P2\",\"V\xE9rtice\",\"\",\"\",0,0,0,0,0,0,0,\"\",1,\"\",\"\"\r\n"
            "\"P3\",\"v\xE9rtice\",\"\",\"\",0,0,0,0,0,0,0,\"\",1,\"\",\"\"\r\n");
    ASSERT_EQ(corre({"atributo", "--atributo", "Vértice", ruta("completo.txt"), ruta("gen.txt")}), 0) << errores.str();
    EXPECT_EQ(lee(carpeta / "gen.txt"), "\"P2\",\"V\xE9rtice\",\"\",\"\",0,0,0,0,0,0,0,\"\",1,\"\",\"\"\r\n");
    EXPECT_EQ(errores.str(), "--->  1 puntos generados\n--->  1 puntos en el archivo de resultados\n");
}

struct CasoRechazo {
    std::vector<std::string> argumentos;
    std::string mensaje;
};

class LoteRechaza : public Lote, public ::testing::WithParamInterface<CasoRechazo> {};

TEST_P(LoteRechaza, SinEscribirNiCrearNada) {
    escribe(carpeta / "datos.txt", "\"P1\",\"a\",-34.5,-58.5,10\r\n");
    std::vector<std::string> argumentos;
    for (const std::string& a : GetParam().argumentos)
        argumentos.push_back(a == "DATOS" ? ruta("datos.txt") : (a == "NUEVO" ? ruta("nuevo.txt") : a));
    EXPECT_EQ(corre(argumentos), 2);
    std::string esperado = GetParam().mensaje;
    for (std::size_t p; (p = esperado.find("CARPETA")) != std::string::npos;) esperado.replace(p, 7, carpeta.ruta().string());
    EXPECT_EQ(errores.str(), esperado + "\n");
    EXPECT_FALSE(std::filesystem::exists(carpeta / "nuevo.txt"));
    EXPECT_EQ(salida.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LoteRechaza,
    ::testing::Values(
        CasoRechazo{{"procesar", "--datos", "geo", "--elipsoide", "WGS 84", "--xyz", "1", "DATOS", "NUEVO"},
                    "rumbal-lote: opción desconocida: --xyz (rumbal-lote --ayuda muestra el uso)"},
        CasoRechazo{{"procesar", "--datos", "geo", "--elipsoide", "WGS 84", "DATOS"},
                    "rumbal-lote procesar: se esperan dos archivos, DATOS y RESULTADOS, y se dieron 1 (rumbal-lote "
                    "--ayuda muestra el uso)"},
        CasoRechazo{{"procesar", "--datos", "xyz", "--elipsoide", "WGS 84", "DATOS", "NUEVO"},
                    "rumbal-lote procesar: --datos debe ser geo, car o pla, no xyz (rumbal-lote --ayuda muestra el uso)"},
        CasoRechazo{{"procesar", "--datos", "pla", "--elipsoide", "WGS 84", "DATOS", "NUEVO"},
                    "rumbal-lote procesar: con --datos pla hace falta --rep, la representación plana de los datos "
                    "(rumbal-lote --ayuda muestra el uso)"},
        CasoRechazo{{"procesar", "--datos", "geo", "--elipsoide", "WGS 85", "DATOS", "NUEVO"},
                    "rumbal-lote procesar: no hay un elipsoide llamado \"WGS 85\" en CARPETA/elipsoide.txt"},
        CasoRechazo{{"procesar", "--datos", "geo", "--elipsoide", "WGS 84", "--rep", "Faja 9", "DATOS", "NUEVO"},
                    "rumbal-lote procesar: no hay una representación plana llamado \"Faja 9\" en CARPETA/parametros.txt"},
        CasoRechazo{{"transformar", "--marco", "WGS 84", "DATOS", "NUEVO"},
                    "rumbal-lote transformar: no hay un marco llamado \"WGS 84\" en CARPETA/marref.txt"},
        CasoRechazo{{"atributo", "--atributo", "esquina", "DATOS", "NUEVO"},
                    "rumbal-lote atributo: no hay un atributo llamado \"esquina\" en CARPETA/atributos.txt"},
        CasoRechazo{{"columnas", "--columnas", "1,2,1", "DATOS", "NUEVO"},
                    "rumbal-lote columnas: la columna 1 (Punto) está repetida"},
        CasoRechazo{{"columnas", "--columnas", "1,16", "DATOS", "NUEVO"},
                    "rumbal-lote columnas: la columna 16 está fuera de 1 a 15"},
        CasoRechazo{{"columnas", "--columnas", "0", "DATOS", "NUEVO"},
                    "rumbal-lote columnas: la columna 0 está fuera de 1 a 15"},
        CasoRechazo{{"columnas", "--columnas", "Punto,Altitud", "DATOS", "NUEVO"},
                    "rumbal-lote columnas: no hay una columna llamada \"Altitud\": use números del 1 al 15 o los "
                    "nombres de las columnas"},
        CasoRechazo{{"columnas", "--columnas", "1,,2", "DATOS", "NUEVO"},
                    "rumbal-lote columnas: no hay una columna llamada \"\": use números del 1 al 15 o los nombres de "
                    "las columnas"},
        CasoRechazo{{"columnas", "--columnas", "1", "no-existe.txt", "NUEVO"},
                    "rumbal-lote columnas: no existe el archivo de datos no-existe.txt"},
        CasoRechazo{{"columnas", "--columnas", "1", "DATOS", "DATOS"},
                    "rumbal-lote columnas: el archivo de datos y el de resultados son el mismo: CARPETA/datos.txt"},
        CasoRechazo{{"columnas", "--marco", "DHDN", "DATOS", "NUEVO"},
                    "rumbal-lote columnas: la opción --marco no corresponde a columnas (rumbal-lote --ayuda muestra el "
                    "uso)"},
        CasoRechazo{{"borrar", "DATOS", "NUEVO"}, "rumbal-lote: orden desconocida: borrar (rumbal-lote --ayuda muestra el uso)"}));

TEST_F(Lote, CatalogoMalformadoNombraArchivoYRenglon) {
    escribe(carpeta / "elipsoide.txt", "\"WGS 84\",6378137,6356752.31424518\r\n");
    escribe(carpeta / "datos.txt", "\"P1\",\"a\",-34.5,-58.5,10\r\n");
    EXPECT_EQ(corre({"procesar", "--datos", "geo", "--elipsoide", "WGS 84", ruta("datos.txt"), ruta("nuevo.txt")}), 2);
    EXPECT_EQ(errores.str(), "rumbal-lote procesar: Error en el archivo \"elipsoide.txt\", renglón 1: tiene 3 campos y "
                             "debe tener 6. (" + ruta("elipsoide.txt") + ")\n");
    EXPECT_FALSE(std::filesystem::exists(carpeta / "nuevo.txt"));
}

TEST_F(Lote, OtraCarpetaDeCatalogos) {
    prueba::CarpetaTemporal otra;
    escribe(otra / "atributos.txt", "\"Solo aqu\xED\"\r\n");
    escribe(carpeta / "completo.txt", "\"P1\",\"Solo aqu\xED\",\"\",\"\",0,0,0,0,0,0,0,\"\",1,\"\",\"\"\r\n");
    ASSERT_EQ(corre({"--carpeta", otra.ruta().string(), "atributo", "--atributo", "Solo aquí", ruta("completo.txt"), "-"}), 0)
        << errores.str();
    EXPECT_EQ(salida.str(), lee(carpeta / "completo.txt"));
}

struct CasoFalla {
    std::string datos;
    std::string mensaje;
};

class LoteSeDetiene : public Lote, public ::testing::WithParamInterface<CasoFalla> {};

TEST_P(LoteSeDetiene, ConservaLoGrabadoYSaleConUno) {
    escribe(carpeta / "datos.txt", "\"P1\",\"a\",1,2,3\r\n" + GetParam().datos);
    escribe(carpeta / "res.txt", "previo\r\n");
    EXPECT_EQ(corre({"transformar", "--marco", "DHDN", ruta("datos.txt"), ruta("res.txt")}), 1);
    EXPECT_EQ(errores.str(), "rumbal-lote transformar: " + GetParam().mensaje +
                                 "\n--->  1 puntos calculados\n--->  2 puntos en el archivo\n");
    const std::string r = lee(carpeta / "res.txt");
    EXPECT_EQ(r.substr(0, 15), "previo\r\n\"P1\",\"a");
    EXPECT_EQ(std::count(r.begin(), r.end(), '\n'), 2);
}

INSTANTIATE_TEST_SUITE_P(Casos, LoteSeDetiene,
                         ::testing::Values(CasoFalla{"\"P2\",\"a\",1,2\r\n", "Registro 2 (renglón 2): el archivo termina dentro del registro."},
                                           CasoFalla{"\"P2\",\"a\",1,\"dos\",3\r\n", "Registro 2 (renglón 2): la coordenada y (dos) no es un número."},
                                           CasoFalla{"\"P2,\"a\",1,2,3\r\n\"P3\r\n", "Registro 2 (renglón 3): falta la comilla que cierra un texto."}));

TEST_F(Lote, Ayuda) {
    EXPECT_EQ(corre({"--ayuda"}), 0);
    EXPECT_EQ(salida.str().substr(0, 5), "Uso:\n");
    EXPECT_NE(salida.str().find("catálogos"), std::string::npos);
    EXPECT_EQ(corre({"-h"}), 0);
    EXPECT_EQ(corre({}), 2);
}

}  // namespace
}  // namespace rumbal
