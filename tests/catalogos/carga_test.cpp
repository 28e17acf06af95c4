#include "catalogos/carga.hpp"

#include <gtest/gtest.h>

#include "comun/carpeta_temporal.hpp"

namespace rumbal {
namespace {

using prueba::CarpetaTemporal;
using prueba::escribe;

// A folder with five valid catalogues, each replaceable by a test.
class Catalogos : public ::testing::Test {
protected:
    void SetUp() override {
        escribe(carpeta / "elipsoide.txt",
                "\"WGS 84\",6378137,6356752.31424518,.00335281066474748,.00669437999014111,.00673949674227625\r\n"
                "\"Internacional "
                "1924\",6378388,6356911.94612795,.00336700336700337,.00672267002233196,.00676817019722309\r\n");
        escribe(carpeta / "parametros.txt", "\"Faja 5\",\"-60\",5500000,0,\"-90\",1\r\n");
        escribe(carpeta / "atributos.txt", "\"V\xE9rtice\"\r\n\"Esquina, norte\"\r\n101\r\n");
        escribe(carpeta / "varios.txt", "4,4,3\r\n");
        escribe(carpeta / "marref.txt",
                "\"A\",\"WGS 84\",1,2,3,.1,.2,.3,1.5\r\n\"B\",\"Internacional 1924\",-1,-2,-3,-.1,-.2,-.3,-1.5\r\n");
    }
    CarpetaTemporal carpeta;
};

TEST_F(Catalogos, CargaLosCinco) {
    const auto r = cargacatalogos(carpeta.ruta());
    ASSERT_TRUE(r.bien()) << r.error().mensaje();
    const auto& c = r.valor();
    ASSERT_EQ(c.elipsoides.size(), 2u);
    EXPECT_EQ(c.elipsoides[1].nombre, "Internacional 1924");
    EXPECT_EQ(c.elipsoides[0].valores.b, 6356752.31424518);
    EXPECT_EQ(c.elipsoides[0].valores.ep2, 0.00673949674227625);
    ASSERT_EQ(c.representaciones.size(), 1u);
    EXPECT_EQ(c.representaciones[0].valores.longitudorigen, "-60");
    EXPECT_EQ(c.representaciones[0].valores.falsoeste, 5500000);
    EXPECT_EQ(c.representaciones[0].valores.latitudorigen, "-90");
    EXPECT_EQ(c.atributos, (std::vector<std::string>{"V\xE9rtice", "Esquina, norte", "101"}));
    EXPECT_EQ((std::vector<double>{c.decimales.angulos, c.decimales.geograficas, c.decimales.metros}),
              (std::vector<double>{4, 4, 3}));
    ASSERT_EQ(c.marcos.size(), 2u);
    EXPECT_EQ(c.marcos[1].elipsoide, "Internacional 1924");
    EXPECT_EQ(c.marcos[1].parametros.rz, -0.3);
    EXPECT_EQ(c.marcos[0].parametros.k, 1.5);
}

TEST_F(Catalogos, RenglonesEnBlancoAlFinalNoCuentan) {
    escribe(carpeta / "atributos.txt", "\"a\"\r\n\r\n\r\n");
    const auto r = cargaatributos(carpeta.ruta());
    ASSERT_TRUE(r.bien());
    EXPECT_EQ(r.valor().size(), 1u);
}

// A malformed catalogue: the file, its bytes, the line named and the reason
// after "Error en el archivo "<file>", renglón <line>: ".
struct CasoMalo {
    const char* archivo;
    std::string bytes;
    int renglon;
    const char* motivo;
};

class CatalogoMalformado : public Catalogos, public ::testing::WithParamInterface<CasoMalo> {};

TEST_P(CatalogoMalformado, ErrorConArchivoYRenglon) {
    const auto& c = GetParam();
    escribe(carpeta / c.archivo, c.bytes);
    const auto r = cargacatalogos(carpeta.ruta());
    ASSERT_FALSE(r.bien());
    EXPECT_EQ(r.error().archivo, c.archivo);
    const std::string mensaje = r.error().mensaje();
    EXPECT_EQ(mensaje.substr(0, mensaje.find("\r\n")), "Error en el archivo \"" + std::string(c.archivo) +
                                                           "\", renglón " + std::to_string(c.renglon) + ": " +
                                                           c.motivo);
}

std::string lineas(int n, const std::string& linea) {
    std::string s;
    for (int i = 0; i < n; ++i) s += linea;
    return s;
}

const std::string marco = "\"A\",\"WGS 84\",1,2,3,.1,.2,.3,1.5\r\n";

INSTANTIATE_TEST_SUITE_P(
    Casos, CatalogoMalformado,
    ::testing::ValuesIn(std::vector<CasoMalo>{
        {"elipsoide.txt", "\"WGS 84\",6378137,6356752.31424518,.00335281066474748,.00669437999014111\r\n", 1,
         "tiene 5 campos y debe tener 6."},
        {"elipsoide.txt", "\"A\",1,1,0,0,0\r\n\"B\",6378137x,1,0,0,0\r\n", 2, "el campo 2 (6378137x) no es un número."},
        {"elipsoide.txt", "\"A\",1,1,0,,0\r\n", 1, "el campo 5 está vacío."},
        {"parametros.txt", "\"Faja 5\",\"-60\",\"5500000\",0,\"-90\",1\r\n", 1,
         "el campo 3 (5500000) no es un número."},
        {"atributos.txt", "\"a\"\r\n\"b\r\n\"c\"\r\n", 2, "falta la comilla que cierra un texto."},
        {"atributos.txt", lineas(22, "\"a\"\r\n"), 22, "tiene más entradas de las 21 que admite."},
        {"atributos.txt", "\"a\",\"b\"\r\n", 1, "tiene 2 campos y debe tener 1."},
        {"marref.txt", marco, 2, "faltan renglones: debe tener dos, el marco de los datos y el marco de destino."},
        {"marref.txt", lineas(4, marco), 4, "tiene más entradas de las 3 que admite."},
        {"varios.txt", "", 1, "falta el renglón con los tres números de decimales."},
        {"varios.txt", "4,4,3\r\n5,5,5\r\n", 2, "tiene más entradas de las 1 que admite."},
        {"varios.txt", "4;4;3\r\n", 1, "tiene 1 campo y debe tener 3."}}));

TEST_F(Catalogos, ArchivoQueFalta) {
    std::filesystem::remove(carpeta / "varios.txt");
    const auto r = cargacatalogos(carpeta.ruta());
    ASSERT_FALSE(r.bien());
    EXPECT_EQ(r.error().mensaje(),
              "Error en el archivo \"varios.txt\": no se encuentra el archivo en la carpeta del "
              "programa.\r\n(" +
                  (carpeta / "varios.txt").string() + ")");
}

TEST_F(Catalogos, UnaCarpetaEnLugarDelArchivo) {
    std::filesystem::remove(carpeta / "atributos.txt");
    std::filesystem::create_directory(carpeta / "atributos.txt");
    const auto r = cargaatributos(carpeta.ruta());
    ASSERT_FALSE(r.bien());
    EXPECT_EQ(r.error().motivo, "no se puede leer el archivo");
}

TEST_F(Catalogos, TresMarcosCabenEnLaTabla) {
    escribe(carpeta / "marref.txt", lineas(3, marco));
    const auto r = cargamarcos(carpeta.ruta());
    ASSERT_TRUE(r.bien());
    EXPECT_EQ(r.valor().size(), 3u);
}

}  // namespace
}  // namespace rumbal
