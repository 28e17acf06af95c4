// The batch tool, run in-process on small files. Its terminal side is UTF-8,
// so this file's literals are UTF-8; file bytes are written with escapes.

#include "lote/lote.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
    void SetUp() override { prueba::copiacatalogos(carpeta.ruta()); }

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

TEST_F(Lote, ColumnasPorNumeroYPorNombre) {
    escribe(carpeta / "completo.txt",
            "\"P1\",\"a\",\"-34 30 00\",\"-58 30 00\",10,1,2,3,6000000.5,5500000,1,\"0 00 00\",.5,\"WGS 84\",\"Faja "
            "5\"\r\n");
    ASSERT_EQ(corre({"columnas", "--columnas", "10,x plana, Punto", ruta("completo.txt"), ruta("gen.txt")}), 0)
        << errores.str();
    EXPECT_EQ(lee(carpeta / "gen.txt"), "5500000,6000000.5,\"P1\"\r\n");
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
    std::string esperado = "rumbal-lote" + GetParam().mensaje;  // every message starts with the tool's name
    for (std::size_t p; (p = esperado.find("CARPETA")) != std::string::npos;)
        esperado.replace(p, 7, carpeta.ruta().string());
    if (esperado.ends_with(" USO")) esperado.replace(esperado.size() - 3, 3, "(rumbal-lote --ayuda muestra el uso)");
    EXPECT_EQ(errores.str(), esperado + "\n");
    EXPECT_FALSE(std::filesystem::exists(carpeta / "nuevo.txt"));
    EXPECT_EQ(salida.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LoteRechaza,
    ::testing::ValuesIn(std::vector<CasoRechazo>{
        {{"procesar", "--datos", "geo", "--elipsoide", "WGS 84", "DATOS"},
         " procesar: se esperan dos archivos, DATOS y RESULTADOS, y se dieron 1 USO"},
        {{"procesar", "--datos", "xyz", "--elipsoide", "WGS 84", "DATOS", "NUEVO"},
         " procesar: --datos debe ser geo, car o pla, no xyz USO"},
        {{"procesar", "--datos", "pla", "--elipsoide", "WGS 84", "DATOS", "NUEVO"},
         " procesar: con --datos pla hace falta --rep, la representación plana de los datos USO"},
        {{"procesar", "--datos", "geo", "--elipsoide", "WGS 85", "DATOS", "NUEVO"},
         " procesar: no hay un elipsoide llamado \"WGS 85\" en CARPETA/elipsoide.txt"},
        {{"procesar", "--datos", "geo", "--elipsoide", "WGS 84", "--rep", "Faja 9", "DATOS", "NUEVO"},
         " procesar: no hay una representación plana llamada \"Faja 9\" en CARPETA/parametros.txt"},
        {{"transformar", "--marco", "WGS 84", "DATOS", "NUEVO"},
         " transformar: no hay un marco llamado \"WGS 84\" en CARPETA/marref.txt"},
        {{"atributo", "--atributo", "esquina", "DATOS", "NUEVO"},
         " atributo: no hay un atributo llamado \"esquina\" en CARPETA/atributos.txt"},
        {{"columnas", "--columnas", "1,2,1", "DATOS", "NUEVO"}, " columnas: la columna 1 (Punto) está repetida"},
        {{"columnas", "--columnas", "1,16", "DATOS", "NUEVO"}, " columnas: la columna 16 está fuera de 1 a 15"},
        {{"columnas", "--columnas", "0", "DATOS", "NUEVO"}, " columnas: la columna 0 está fuera de 1 a 15"},
        {{"columnas", "--columnas", "1,,2", "DATOS", "NUEVO"},
         " columnas: no hay una columna llamada \"\": use números del 1 al 15 o los nombres de las columnas"},
        {{"columnas", "--marco", "DHDN", "DATOS", "NUEVO"},
         " columnas: la opción --marco no corresponde a columnas USO"},
        {{"--carpeta", "/no/existe", "procesar", "--datos", "geo", "--elipsoide", "WGS 84", "DATOS", "NUEVO"},
         " procesar: no existe la carpeta de catálogos /no/existe"},
        {{"columnas", "--columnas", "1", "--", "-raro.txt", "NUEVO"},
         " columnas: no existe el archivo de datos -raro.txt"},
        {{"columnas", "--columnas", "1", "DATOS", "--nuevo"}, ": opción desconocida: --nuevo USO"},
        {{"borrar", "DATOS", "NUEVO"}, ": orden desconocida: borrar USO"},
    }));

TEST_F(Lote, OtraCarpetaDeCatalogos) {
    prueba::CarpetaTemporal otra;
    escribe(otra / "atributos.txt", "\"Solo aqu\xED\"\r\n");
    escribe(carpeta / "completo.txt", "\"P1\",\"Solo aqu\xED\",\"\",\"\",0,0,0,0,0,0,0,\"\",1,\"\",\"\"\r\n");
    ASSERT_EQ(
        corre({"--carpeta", otra.ruta().string(), "atributo", "--atributo", "Solo aquí", ruta("completo.txt"), "-"}), 0)
        << errores.str();
    EXPECT_EQ(salida.str(), lee(carpeta / "completo.txt"));
}

// A record that cannot be read stops the run with status 1, keeping what was
// written (after the line end the results file lacked); the reasons are the
// reader's, tested with it.
TEST_F(Lote, RegistroIlegibleConservaLoGrabadoYSaleConUno) {
    escribe(carpeta / "datos.txt", "\"P1\",\"a\",4000000,3000000,3800000\r\n\"P2\",\"a\",1,2\r\n");
    escribe(carpeta / "res.txt", "previo");
    EXPECT_EQ(corre({"transformar", "--marco", "DHDN", ruta("datos.txt"), ruta("res.txt")}), 1);
    EXPECT_EQ(errores.str(),
              "rumbal-lote transformar: Registro 2 (renglón 2): el archivo termina dentro del registro.\n--->  1 "
              "puntos calculados\n--->  2 puntos en el archivo\n");
    const std::string r = lee(carpeta / "res.txt");
    EXPECT_EQ(r.substr(0, 15), "previo\r\n\"P1\",\"a");
    EXPECT_EQ(std::count(r.begin(), r.end(), '\n'), 2);
}

// Results files that would be wrong are refused before anything is written:
// the output is left exactly as it was.
struct CasoSalida {
    const char* nombre;
    const char* salida;                                       // in the folder, or the system's if absolute
    void (*prepara)(const prueba::CarpetaTemporal& carpeta);  // makes it, when there is anything to make
    std::string mensaje;                                      // SALIDA stands for the output's path
    bool entradaestandar = false;  // DATOS is - with the output file behind standard input
};

class LoteRechazaSalida : public Lote, public ::testing::WithParamInterface<CasoSalida> {};

TEST_P(LoteRechazaSalida, SinTocarla) {
    const CasoSalida& caso = GetParam();
    escribe(carpeta / "datos.txt", "\"P1\",\"a\",4000000,3000000,3800000\r\n");
    if (caso.prepara) caso.prepara(carpeta);
    const std::string salida = caso.salida[0] == '/' ? caso.salida : ruta(caso.salida);
    const std::string antes = std::filesystem::is_regular_file(salida) ? lee(salida) : "";
    std::istringstream in;
    int descriptor = -1;
    if (caso.entradaestandar) descriptor = ::open(salida.c_str(), O_RDONLY);
    std::ostringstream out, err;
    const int estado =
        ejecutalote({"transformar", "--marco", "DHDN", caso.entradaestandar ? "-" : ruta("datos.txt"), salida},
                    {in, out, err, descriptor, -1}, carpeta.ruta());
    if (descriptor >= 0) ::close(descriptor);
    EXPECT_EQ(estado, 2);
    std::string esperado = caso.mensaje;
    for (std::size_t p; (p = esperado.find("SALIDA")) != std::string::npos;) esperado.replace(p, 6, salida);
    EXPECT_EQ(err.str(), "rumbal-lote transformar: " + esperado + "\n");
    if (std::filesystem::is_regular_file(salida)) {
        EXPECT_EQ(lee(salida), antes);
    }
}

using prueba::CarpetaTemporal;
const char* const nocomun =
    "el archivo de resultados SALIDA no es un archivo común (es un dispositivo, una tubería o un enchufe)";

INSTANTIATE_TEST_SUITE_P(
    Casos, LoteRechazaSalida,
    ::testing::ValuesIn(std::vector<CasoSalida>{
        {"enlace", "enlace.txt",
         [](const CarpetaTemporal& c) { std::filesystem::create_hard_link(c / "datos.txt", c / "enlace.txt"); },
         "el archivo de datos y el de resultados son el mismo: SALIDA"},
        {"entrada", "res.txt", [](const CarpetaTemporal& c) { escribe(c / "res.txt", "previo\r\n"); },
         "el archivo de datos y el de resultados son el mismo: SALIDA", true},
        {"catalogo", "elipsoide.txt", nullptr, "SALIDA es un catálogo del programa: los resultados van a otro archivo"},
        {"carpeta", "sub", [](const CarpetaTemporal& c) { std::filesystem::create_directory(c / "sub"); },
         "el archivo de resultados SALIDA es una carpeta, no un archivo"},
        {"tuberia", "tubo", [](const CarpetaTemporal& c) { ::mkfifo((c / "tubo").c_str(), 0600); }, nocomun},
        {"dispositivo", "/dev/full", nullptr, nocomun}}),
    [](const auto& info) { return std::string(info.param.nombre); });

// A catalogue line that does not load, or an entry that loads but cannot be
// computed with, is refused with its file and line: one of each catalogue
// (the reasons themselves are the loader's and the computation's, tested with
// them), one with a byte to convert.
struct CasoEntrada {
    const char* archivo;
    std::string contenido;
    std::vector<std::string> orden;
    std::string motivo;
};

class LoteRechazaEntrada : public Lote, public ::testing::WithParamInterface<CasoEntrada> {};

TEST_P(LoteRechazaEntrada, NombraArchivoYRenglon) {
    const CasoEntrada& caso = GetParam();
    escribe(carpeta / caso.archivo, caso.contenido);
    escribe(carpeta / "datos.txt", "\"P1\",\"a\",-34.5,-58.5,10\r\n");
    std::vector<std::string> argumentos = caso.orden;
    argumentos.push_back(ruta("datos.txt"));
    argumentos.push_back(ruta("nuevo.txt"));
    EXPECT_EQ(corre(argumentos), 2);
    EXPECT_EQ(errores.str(), "rumbal-lote " + caso.orden[0] + ": Error en el archivo \"" + caso.archivo +
                                 "\", renglón 2: " + caso.motivo + ". (" + ruta(caso.archivo) + ")\n");
    EXPECT_FALSE(std::filesystem::exists(carpeta / "nuevo.txt"));
}

const std::vector<std::string> procesarcon = {"procesar", "--datos", "geo", "--elipsoide", "Malo", "--rep", "Faja 5"};

INSTANTIATE_TEST_SUITE_P(
    Casos, LoteRechazaEntrada,
    ::testing::ValuesIn(std::vector<CasoEntrada>{
        {"elipsoide.txt", "\"WGS 84\",6378137,6356752.314,.00335,.00669,.00673\r\n\"Malo\",0,0,0,0,0\r\n", procesarcon,
         "el semieje mayor a debe ser positivo"},
        {"elipsoide.txt",
         "\"WGS 84\",6378137,6356752.314,.00335,.00669,.00673\r\n\"Malo\",6378137,6356752.31424518\r\n", procesarcon,
         "tiene 3 campos y debe tener 6"},
        {"parametros.txt",
         "\"Faja 4\",\"-63\",4500000,0,\"-90\",1\r\n\"Rara\",\"60\xB0O\",5500000,0,\"-90\",1\r\n",
         {"procesar", "--datos", "geo", "--elipsoide", "WGS 84", "--rep", "Rara"},
         "la longitud de origen (60°O) no es un ángulo"},
        {"marref.txt",
         "\"DHDN\",\"Bessel 1841\",1,2,3,0,0,0,0\r\n\"ETRS89\",\"GRS 80\",0,0,0,0,0,0,-1000000\r\n",
         {"transformar", "--marco", "ETRS89"},
         "el cambio de escala k debe ser mayor que -1000000 ppm"}}));

struct CasoAviso {
    const char* nombre;
    std::string datos;
    std::string errores;
};

class LoteAvisa : public Lote, public ::testing::WithParamInterface<CasoAviso> {};

TEST_P(LoteAvisa, YCalculaComoSiempre) {
    escribe(carpeta / "datos.txt", GetParam().datos);
    EXPECT_EQ(corre({"procesar", "--datos", "geo", "--elipsoide", "WGS 84", ruta("datos.txt"), "-"}), 0);
    EXPECT_EQ(errores.str(), GetParam().errores);
    EXPECT_TRUE(salida.str().starts_with("\"P1\",\"a\",\"-34 30 00\",")) << salida.str();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LoteAvisa,
    ::testing::ValuesIn(std::vector<CasoAviso>{
        {"marcautf8", "\xEF\xBB\xBF\"P1\",\"a\",-34.5,-58.5,1\r\n",
         "rumbal-lote procesar: aviso: el archivo empieza con la marca de orden de bytes de UTF-8 (EF BB "
         "BF), que se pasó por alto\n--->  1 puntos calculados\n"},
        {"renglonincompleto", "\"P1\",\"a\",-34.5,-58.5\r\n1\r\n",
         "rumbal-lote procesar: aviso: el registro 1 (renglón 1) no ocupa un renglón entero: sus campos se "
         "tomaron de donde estaban y los registros que siguen pueden estar corridos\n--->  1 puntos "
         "calculados\n"}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(Lote, LosValoresCitadosNoMandanEnLaTerminal) {
    escribe(carpeta / "datos.txt", "\"P1\",\"a\",\"\x1B[2J\x1B]0;x\x07\",-58.5,1\r\n\"P2\",\"a\",-34.5,\"" +
                                       std::string(70, '9') + "x\",1\r\n");
    EXPECT_EQ(corre({"procesar", "--datos", "geo", "--elipsoide", "WGS 84", ruta("datos.txt"), "-"}), 1);
    EXPECT_EQ(errores.str(),
              "rumbal-lote procesar: Registro 1 (renglón 1): la latitud (\\x1B[2J\\x1B]0;x\\x07) no es "
              "un número ni un ángulo.\n--->  0 puntos calculados\n");
    escribe(carpeta / "datos.txt", "\"P2\",\"a\",-34.5,\"" + std::string(70, '9') + "x\",1\r\n");
    EXPECT_EQ(corre({"procesar", "--datos", "geo", "--elipsoide", "WGS 84", ruta("datos.txt"), "-"}), 1);
    EXPECT_EQ(errores.str(), "rumbal-lote procesar: Registro 1 (renglón 1): la longitud (" + std::string(60, '9') +
                                 "...) no es un número ni un ángulo.\n--->  0 puntos calculados\n");
}

TEST_F(Lote, UnRenglonDeMasDe64KiBDetieneLaCorrida) {
    escribe(carpeta / "datos.txt", "\"P1\",\"a\",-34.5,-58.5,1\r\n\"P2\",\"" + std::string(70000, 'a') + "\"\r\n");
    EXPECT_EQ(corre({"procesar", "--datos", "geo", "--elipsoide", "WGS 84", ruta("datos.txt"), "-"}), 1);
    EXPECT_EQ(errores.str(),
              "rumbal-lote procesar: Registro 2 (renglón 2): el renglón pasa de 65536 bytes.\n--->  1 "
              "puntos calculados\n");
}

TEST_F(Lote, Ayuda) {
    for (const char* opcion : {"-h", "--help", "--ayuda"}) {
        EXPECT_EQ(corre({opcion}), 0);
        EXPECT_EQ(salida.str().substr(0, 5), "Uso:\n") << opcion;
    }
    EXPECT_NE(salida.str().find("catálogos"), std::string::npos);
    EXPECT_EQ(corre({}), 2);
}

}  // namespace
}  // namespace rumbal
