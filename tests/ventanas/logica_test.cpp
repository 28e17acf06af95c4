// What the file windows decide without widgets: processing modes, count
// texts, the order of chosen columns, the steps of a file window.

#include <gtest/gtest.h>

#include <tuple>

#include "ventanas/ciclo_archivos.hpp"
#include "ventanas/eleccion_columnas.hpp"
#include "ventanas/modos_proceso.hpp"
#include "ventanas/textos_parametros.hpp"
#include "ventanas/textos_ayuda.hpp"
#include "ventanas/zona.hpp"
#include "ventanas/disenos_editores.hpp"
#include "textos/campos.hpp"

#include <limits>

namespace rumbal {
namespace {

using Titulo = std::tuple<const char*, const char*>;
class TituloDeDatos : public ::testing::TestWithParam<Titulo> {};

TEST_P(TituloDeDatos, PalabraDelModo) {
    const auto [modo, titulo] = GetParam();
    EXPECT_EQ(titulodatos(modo), titulo);
}

INSTANTIATE_TEST_SUITE_P(Modos, TituloDeDatos,
                         // A mode the window does not know leaves the title without its word (the
                         // processing window's tests see each known mode's title in its dialog).
                         ::testing::Values(Titulo{"generar", "abrir el archivo de coordenadas "},
                                           Titulo{"PROGEO", "abrir el archivo de coordenadas "}));

// Ticks (column + 1) and unticks (-(column + 1)) in turn, and the choice left.
using Marcas = std::tuple<std::vector<int>, std::vector<std::size_t>>;
class OrdenDeColumnas : public ::testing::TestWithParam<Marcas> {};

TEST_P(OrdenDeColumnas, EnElOrdenMarcado) {
    const auto& [marcas, esperado] = GetParam();
    EleccionColumnas e;
    for (int m : marcas) {
        if (m > 0)
            e.marca(static_cast<std::size_t>(m - 1));
        else
            e.desmarca(static_cast<std::size_t>(-m - 1));
    }
    EXPECT_EQ(e.columnas(), esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, OrdenDeColumnas,
                         ::testing::Values(
                             // "Y plana", "X plana", "Punto": lines Y, X, point.
                             Marcas{{10, 9, 1}, {9, 8, 0}},
                             // "Altura", "x Cart.Geoc.", "Fact.Escala", then "x Cart.Geoc." unticked: the gap closes.
                             Marcas{{5, 6, 11, -6}, {4, 10}}, Marcas{{1, -1}, {}},
                             // Unticking what was never ticked, ticking twice: nothing changes.
                             Marcas{{-3, 2, 2}, {1}}, Marcas{{15, 1, -15, 15}, {0, 14}},
                             Marcas{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
                                    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}}));

TEST(CicloArchivos, ProcesarVuelveAAbrirTrasCalcular) {
    CicloArchivos c(cicloprocesar);
    EXPECT_FALSE(c.abrir());
    c.elige();
    EXPECT_TRUE(c.abrir());
    EXPECT_FALSE(c.correr());
    c.pasa(Paso::abiertos);
    EXPECT_TRUE(c.correr());
    c.pasa(Paso::corriendo);
    EXPECT_FALSE(c.abrir());
    EXPECT_FALSE(c.correr());
    c.pasa(Paso::hecho);
    EXPECT_TRUE(c.abrir());
    EXPECT_FALSE(c.correr());
    c.elige();  // a later choice does not go back
    EXPECT_EQ(c.paso(), Paso::hecho);
}

TEST(TextosParametros, ElipsoideWgs84) {
    const Elipsoide wgs84{6378137, 6356752.31424518, .00335281066474748, .00669437999014111, .00673949674227625};
    const std::array<std::string, 5> cortos = {
        "Semieje mayor = 6378137 m. ", "Semieje menor = 6356752.31424518 m.", "Aplastamiento = 0.00335281066474748",
        "1ra.excentr. = 0.00669437999014111", "2da.excentr. = 0.00673949674227625"};
    EXPECT_EQ(textoselipsoide(wgs84, true), cortos);
    EXPECT_EQ(textoselipsoide(wgs84, false)[3], "1ra.excentricidad = 0.00669437999014111");
    EXPECT_EQ(textoselipsoide(wgs84, false)[4], "2da.excentricidad = 0.00673949674227625");
}

TEST(TextosParametros, RepresentacionConSusAngulosComoSeEscribieron) {
    const RepresentacionPlana utm{"-63", 500000, 10000000, "0", .9996};
    const std::array<std::string, 5> esperado = {"Longitud del origen= -63", "Falso Este= 500000 m.",
                                                 "Latitud del origen= 0", "Falso Norte= 10000000 m.",
                                                 "Factor Escala= 0.9996"};
    EXPECT_EQ(textosrepresentacion(utm), esperado);
}

TEST(TextosParametros, TransformacionEnRadianes) {
    // DHDN to ETRS89: rotations of -0.202", -0.045", 2.455" in radians.
    const Transformacion t{598.1, 73.7, 418.2, -9.793e-07, -2.182e-07, 1.19022e-05, 6.7};
    const std::array<std::string, 7> esperado = {"Dx= 598.1 m.",       "Dy= 73.7 m.",        "Dz= 418.2 m.",
                                                 "Rx= -9.793E-07rad.", "Ry= -2.182E-07rad.", "Rz= 1.19022E-05rad.",
                                                 " k= 6.7 ppm"};
    EXPECT_EQ(textostransformacion(t), esperado);
    EXPECT_EQ(textostransformacion(Transformacion{})[6], " k= 0 ppm");
}

using Punto = std::tuple<double, double, double, bool>;  // latitude, longitude, central meridian, shown
class DentroDeLaZona : public ::testing::TestWithParam<Punto> {};

TEST_P(DentroDeLaZona, LatitudYDistanciaAlMeridiano) {
    const auto [b, l, l0, esperado] = GetParam();
    EXPECT_EQ(dentrodelazona(b, l, l0), esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, DentroDeLaZona,
                         ::testing::Values(Punto{-34.6, -58.4, -60, true}, Punto{-34.6, -40, -60, true},
                                           Punto{-34.6, -39.99, -60, false},  // just past 20 degrees
                                           Punto{89.999, 10, 0, true}, Punto{90, 10, 0, false},
                                           Punto{-91, 10, 0, false},
                                           Punto{10, -179, 179, true},  // across the antimeridian
                                           Punto{-4.00077530231618E+32, 0, 0, false},
                                           Punto{0, std::numeric_limits<double>::quiet_NaN(), 0, false},
                                           Punto{0, std::numeric_limits<double>::infinity(), 0, false}));

// What the boxes hold, in screen order, and the line the editor appends.
TEST(DisenosEditores, NumerosPorLecturaInicial) {
    const Renglon r = renglondecajas(editorelipsoides, {"", "abc", "6356752.3 m", "", "1e-3", "-"});
    std::string linea;
    grabalinea(linea, r);
    EXPECT_EQ(linea, "\"\",0,6356752.3,0,.001,0\r\n");
}

// The guide document's path and the folder in the guide text, whatever
// separators the program folder was named with.
using Carpeta = std::tuple<const char*, const char*, const char*>;  // folder, as shown, path
class CarpetaDeLaGuia : public ::testing::TestWithParam<Carpeta> {};

TEST_P(CarpetaDeLaGuia, SinSeparadorFinal) {
    const auto [carpeta, mostrada, ruta] = GetParam();
    EXPECT_EQ(rutaguia(carpeta), ruta);
    const std::string final = std::string("disponible en la carpeta: ") + mostrada +
                              ", le brindará los detalles necesarios para su adecuado uso.";
    const std::string texto = textoguia(carpeta);
    EXPECT_TRUE(texto.ends_with(final)) << texto;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CarpetaDeLaGuia,
    ::testing::Values(Carpeta{"/opt/rumbal", "/opt/rumbal", "/opt/rumbal/Rumbal 1.0.1 Guía del usuario.pdf"},
                      Carpeta{"/opt/rumbal/", "/opt/rumbal", "/opt/rumbal/Rumbal 1.0.1 Guía del usuario.pdf"},
                      Carpeta{"/opt/rumbal//", "/opt/rumbal", "/opt/rumbal/Rumbal 1.0.1 Guía del usuario.pdf"},
                      Carpeta{"/", "/", "/Rumbal 1.0.1 Guía del usuario.pdf"},
                      Carpeta{"/mis cosas/Año 2024", "/mis cosas/Año 2024",
                              "/mis cosas/Año 2024/Rumbal 1.0.1 Guía del usuario.pdf"}));

}  // namespace
}  // namespace rumbal
