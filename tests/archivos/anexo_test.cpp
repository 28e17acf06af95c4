// Appending to results files: whole lines, a line end before the first new
// record, the count of lines without reading the file again, and what cannot
// be appended to.

#include "archivos/anexo.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "comun/carpeta_temporal.hpp"

namespace rumbal {
namespace {

using prueba::escribe;
using prueba::lee;

struct CasoAnexo {
    const char* nombre;
    std::string previo;     // the file before; "-" when it does not exist
    std::string agregado;   // written in two pieces, split at its middle
    std::string resultado;  // the file after
    std::int64_t lineas;
};

class Anexar : public ::testing::TestWithParam<CasoAnexo> {};

TEST_P(Anexar, AgregaRenglonesEnterosYLosCuenta) {
    const CasoAnexo& c = GetParam();
    prueba::CarpetaTemporal carpeta;
    const auto ruta = carpeta / "r.txt";
    if (c.previo != "-") escribe(ruta, c.previo);
    auto anexo = Anexo::abre(ruta);
    ASSERT_TRUE(anexo.bien()) << anexo.error().motivo;
    const std::size_t mitad = c.agregado.size() / 2;
    **anexo << c.agregado.substr(0, mitad);
    **anexo << c.agregado.substr(mitad);
    EXPECT_TRUE(**anexo);
    EXPECT_EQ((*anexo)->lineas(), c.lineas);
    EXPECT_TRUE((*anexo)->cierra().bien());
    EXPECT_EQ(lee(ruta), c.resultado);
}

INSTANTIATE_TEST_SUITE_P(Casos, Anexar,
                         ::testing::Values(CasoAnexo{"nuevo", "-", "1,2\r\n3,4\r\n", "1,2\r\n3,4\r\n", 2},
                                           CasoAnexo{"vacio", "", "1,2\r\n", "1,2\r\n", 1},
                                           CasoAnexo{"conCRLF", "a\r\nb\r\n", "1,2\r\n", "a\r\nb\r\n1,2\r\n", 3},
                                           CasoAnexo{"sinFinDeRenglon", "a\r\nb", "1,2\r\n3\r\n",
                                                     "a\r\nb\r\n1,2\r\n3\r\n", 4},
                                           CasoAnexo{"conLFSolo", "a\nb\n", "1,2\r\n", "a\nb\n1,2\r\n", 3},
                                           CasoAnexo{"conCRSolo", "a\rb\r", "1,2\r\n", "a\rb\r1,2\r\n", 3},
                                           CasoAnexo{"renglonesEnBlanco", "\r\n\r\n", "1\r\n", "\r\n\r\n1\r\n", 3},
                                           CasoAnexo{"nadaAgregado", "a", "", "a", 1}),
                         [](const auto& info) { return std::string(info.param.nombre); });

struct CasoRechazo {
    const char* nombre;
    std::string ruta;  // CARPETA stands for a fresh folder
    std::string motivo;
};

class AnexoRechaza : public ::testing::TestWithParam<CasoRechazo> {};

TEST_P(AnexoRechaza, SinCrearNada) {
    prueba::CarpetaTemporal carpeta;
    std::string ruta = GetParam().ruta;
    if (ruta.starts_with("CARPETA")) ruta = carpeta.ruta().string() + ruta.substr(7);
    ::mkfifo((carpeta / "tubo").c_str(), 0600);
    const auto anexo = Anexo::abre(ruta);
    ASSERT_FALSE(anexo.bien());
    EXPECT_EQ(anexo.error().motivo, GetParam().motivo);
    EXPECT_EQ(anexo.error().ruta, ruta);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AnexoRechaza,
    ::testing::Values(
        CasoRechazo{"carpeta", "CARPETA", "es una carpeta, no un archivo"},
        CasoRechazo{"tuberia", "CARPETA/tubo", "no es un archivo común (es un dispositivo, una tubería o un enchufe)"},
        CasoRechazo{"dispositivo", "/dev/null", "no es un archivo común (es un dispositivo, una tubería o un enchufe)"},
        CasoRechazo{"sinCarpeta", "CARPETA/no/hay/r.txt", "no se puede abrir: no existe la carpeta del archivo"}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace rumbal
