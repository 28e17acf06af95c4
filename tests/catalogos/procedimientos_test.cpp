#include "catalogos/procedimientos.hpp"
#include "catalogos/reemplazo_interrumpido.hpp"

#include <gtest/gtest.h>

#include "catalogos/carga.hpp"
#include "comun/carpeta_temporal.hpp"

namespace rumbal {
namespace {

using prueba::CarpetaTemporal;
using prueba::escribe;
using prueba::lee;

std::string atributos(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) s += "\"A" + std::to_string(i) + "\"\r\n";
    return s;
}

// Each test in a fresh folder.
class EnCarpeta : public ::testing::Test {
protected:
    CarpetaTemporal carpeta;
};
class AgregarEntrada : public EnCarpeta {};
class BorrarEntrada : public EnCarpeta {};
class Reemplazo : public EnCarpeta {};

TEST_F(AgregarEntrada, ConDiecinueveAgregaLaVeinte) {
    escribe(carpeta / "atributos.txt", atributos(19));
    const auto r = agregaentrada(carpeta.ruta(), catalogoatributos, renglondeatributo("Nuevo, con coma"), 19);
    ASSERT_TRUE(r.bien());
    EXPECT_EQ(r.valor(), Agregado::agregado);
    EXPECT_EQ(lee(carpeta / "atributos.txt"), atributos(19) + "\"Nuevo, con coma\"\r\n");
    const auto cargados = cargaatributos(carpeta.ruta());
    ASSERT_TRUE(cargados.bien());
    EXPECT_EQ(cargados.valor().back(), "Nuevo, con coma");
}

TEST_F(AgregarEntrada, ConVeinteNoEscribeNada) {
    escribe(carpeta / "atributos.txt", atributos(20));
    const auto r = agregaentrada(carpeta.ruta(), catalogoatributos, renglondeatributo("Otro"), 20);
    ASSERT_TRUE(r.bien());
    EXPECT_EQ(r.valor(), Agregado::lleno);
    EXPECT_EQ(lee(carpeta / "atributos.txt"), atributos(20));
    EXPECT_EQ(mensajecatalogolleno(),
              "El listado ya tiene el m\xE1ximo de elementos admitidos (20), clickee O.K. y Terminar");
}

TEST_F(AgregarEntrada, ArchivoVacioOInexistenteRecibeLaPrimera) {
    const EntradaElipsoide e{"WGS 84",
                             {6378137, 6356752.31424518, .00335281066474748, .00669437999014111, .00673949674227625}};
    ASSERT_TRUE(agregaentrada(carpeta.ruta(), catalogoelipsoides, renglonde(e), 0).bien());
    EXPECT_EQ(lee(carpeta / "elipsoide.txt"),
              "\"WGS 84\",6378137,6356752.31424518,.00335281066474748,.00669437999014111,.00673949674227625\r\n");
}

TEST_F(BorrarEntrada, BorraTodasLasDelNombreYConservaElOrden) {
    escribe(carpeta / "parametros.txt",
            "\"Faja 1\",\"-72\",1500000,0,\"-90\",1\r\n"
            "\"X\",\"-69\",2500000,0,\"-90\",1\r\n"
            "\"Faja 3\",\"-66\",3500000,0,\"-90\",1\r\n"
            "\"X\",\"-63\",4500000,0,\"-90\",1.0\r\n"
            "\"x\",\"-60\",5500000,0,\"-90\",1.00\r\n");
    const auto r = borraentrada(carpeta.ruta(), catalogorepresentaciones, "X");
    ASSERT_TRUE(r.bien());
    ASSERT_EQ(r.valor().size(), 3u);
    EXPECT_EQ(r.valor()[2][0], ValorCampo("x"));
    // Numbers copied are written anew from the values read.
    EXPECT_EQ(lee(carpeta / "parametros.txt"),
              "\"Faja 1\",\"-72\",1500000,0,\"-90\",1\r\n"
              "\"Faja 3\",\"-66\",3500000,0,\"-90\",1\r\n"
              "\"x\",\"-60\",5500000,0,\"-90\",1\r\n");
    EXPECT_FALSE(std::filesystem::exists(carpeta / "transi.txt"));
}

TEST_F(BorrarEntrada, LaUltimaDejaUnArchivoVacio) {
    escribe(carpeta / "atributos.txt", "\"solo\"\r\n");
    const auto r = borraentrada(carpeta.ruta(), catalogoatributos, "solo");
    ASSERT_TRUE(r.bien());
    EXPECT_TRUE(r.valor().empty());
    EXPECT_TRUE(std::filesystem::exists(carpeta / "atributos.txt"));
    EXPECT_EQ(lee(carpeta / "atributos.txt"), "");
}

TEST_F(BorrarEntrada, CatalogoMalformadoNoSeToca) {
    const std::string malo = "\"a\"\r\n\"b\r\n";
    escribe(carpeta / "atributos.txt", malo);
    const auto r = borraentrada(carpeta.ruta(), catalogoatributos, "a");
    ASSERT_FALSE(r.bien());
    EXPECT_EQ(r.error().linea, 2);
    EXPECT_EQ(lee(carpeta / "atributos.txt"), malo);
}

class ReemplazoInterrumpido : public EnCarpeta, public ::testing::WithParamInterface<interno::Interrupcion> {};

TEST_P(ReemplazoInterrumpido, QuedaElCatalogoViejo) {
    const std::string viejo =
        "\"DHDN\",\"Bessel 1841\",598.1,73.7,418.2,-.202,-.045,2.455,6.7\r\n"
        "\"ETRS89\",\"GRS 80\",-598.1,-73.7,-418.2,.202,.045,-2.455,-6.7\r\n";
    escribe(carpeta / "marref.txt", viejo);
    const std::vector<Renglon> nuevo = {renglonde(EntradaMarco{"A", "WGS 84", {1, 2, 3, 4, 5, 6, 7}}),
                                        renglonde(EntradaMarco{"B", "WGS 84", {-1, -2, -3, -4, -5, -6, -7}})};
    const auto r = interno::reemplazaarchivo(carpeta.ruta(), catalogomarcos, nuevo, GetParam());
    ASSERT_FALSE(r.bien());
    EXPECT_EQ(lee(carpeta / "marref.txt"), viejo);
    ASSERT_TRUE(cargamarcos(carpeta.ruta()).bien());
    // The next rewrite discards what the interrupted one left and completes.
    ASSERT_TRUE(reemplazaarchivo(carpeta.ruta(), catalogomarcos, nuevo).bien());
    EXPECT_EQ(lee(carpeta / "marref.txt"),
              "\"A\",\"WGS 84\",1,2,3,4,5,6,7\r\n\"B\",\"WGS 84\",-1,-2,-3,-4,-5,-6,-7\r\n");
    EXPECT_FALSE(std::filesystem::exists(carpeta / "transi.txt"));
}

INSTANTIATE_TEST_SUITE_P(Etapas, ReemplazoInterrumpido,
                         ::testing::Values(interno::Interrupcion::escrituraamedias,
                                           interno::Interrupcion::antesderenombrar));

TEST_F(Reemplazo, DecimalesEnUnRenglon) {
    escribe(carpeta / "varios.txt", "4,4,3\r\n");
    ASSERT_TRUE(reemplazaarchivo(carpeta.ruta(), catalogodecimales, {renglonde(Decimales{2, 5, 0.5})}).bien());
    EXPECT_EQ(lee(carpeta / "varios.txt"), "2,5,.5\r\n");
}

TEST_F(Reemplazo, CarpetaQueNoSePuedeEscribir) {
    const auto r = reemplazaarchivo(carpeta / "no-existe", catalogodecimales, {renglonde(Decimales{2, 5, 3})});
    ASSERT_FALSE(r.bien());
    EXPECT_EQ(r.error().archivo, "varios.txt");
}

}  // namespace
}  // namespace rumbal
