// Transformation of files, selections and listing.

#include <gtest/gtest.h>

#include <sstream>

#include "archivos/listado.hpp"
#include "archivos/seleccion.hpp"
#include "archivos/transformacion_archivo.hpp"
#include "geodesia/transformacion.hpp"

namespace rumbal {
namespace {

const Decimales d3{4, 4, 3};

std::string transforma(const std::string& datos, const Transformacion& t, Recuento* recuento = nullptr) {
    std::istringstream entrada(datos);
    std::ostringstream salida;
    const Recuento r = transformaarchivo(entrada, salida, t, d3);
    if (recuento) *recuento = r;
    return salida.str();
}

TEST(TransformarArchivo, CamposConSuClase) {
    EXPECT_EQ(transforma("007,,4000000.0004,\"3000000\",3800000.00051\r\n", Transformacion{}),
              "7,,4000000,3000000,3800000.001\r\n");
}

TEST(TransformarArchivo, CoordenadaQueNoEsNumero) {
    Recuento r;
    const std::string s =
        transforma("\"A\",\"\",4000000,3000000,3800000\r\n\"B\",\"\",1,\"dos\",3\r\n", Transformacion{}, &r);
    EXPECT_EQ(r.estado, Estado::fallo);
    EXPECT_EQ(r.registros, 1);
    EXPECT_EQ(r.mensaje, "Registro 2 (renglón 2): la coordenada y (dos) no es un número.");
    EXPECT_EQ(s, "\"A\",\"\",4000000,3000000,3800000\r\n");
}

const std::string completo =
    "\"P1\",\"Esquina\",\"-34 30 00\",\"-58 30 00\",10,1,2,3,6000000.5,5500000,1,\"0 00 00\",.5,\"WGS 84\",\"Faja "
    "5\"\r\n"
    "102,\"esquina\",\"-34 30 01\",\"-58 30 00\",,1,2,3,0,0,0,\"\",1,\"WGS 84\",\"\"\r\n"
    "\"P3\",\"Esquina\",\"-34 30 02\",\"-58 30 00\",12,1,2,3,0,0,0,\"\",1,\"WGS 84\",\"\"\r\n";

std::string columnas(std::vector<std::size_t> c, Recuento* r = nullptr) {
    std::istringstream entrada(completo);
    std::ostringstream salida;
    const Recuento x = seleccionacolumnas(entrada, salida, c);
    if (r) *r = x;
    return salida.str();
}

TEST(SeleccionPorColumnas, EnElOrdenElegido) {
    Recuento r;
    EXPECT_EQ(columnas({9, 8, 0}, &r), "5500000,6000000.5,\"P1\"\r\n0,0,102\r\n0,0,\"P3\"\r\n");
    EXPECT_EQ(r.registros, 3);
}

TEST(SeleccionPorColumnas, UnaSolaColumnaSinComa) {
    EXPECT_EQ(columnas({4}), "10\r\n\r\n12\r\n");
    EXPECT_EQ(columnas({11}), "\"0 00 00\"\r\n\"\"\r\n\"\"\r\n");
}

TEST(SeleccionPorAtributo, ExactaConMayusculasYEnOrden) {
    std::istringstream entrada(completo);
    std::ostringstream salida("previo\r\n", std::ios::ate);
    const Recuento r = seleccionaatributo(entrada, salida, "Esquina");
    EXPECT_EQ(r.registros, 2);
    const std::size_t segunda = completo.find("102,");
    const std::size_t tercera = completo.find("\"P3\"");
    EXPECT_EQ(salida.str(), "previo\r\n" + completo.substr(0, segunda) + completo.substr(tercera));
}

TEST(SeleccionPorAtributo, NingunoDaCero) {
    std::istringstream entrada(completo);
    std::ostringstream salida;
    const Recuento r = seleccionaatributo(entrada, salida, "Poste");
    EXPECT_EQ(r.registros, 0);
    EXPECT_EQ(salida.str(), "");
}

TEST(Listado, CeldasComoLasLeeUnaPersona) {
    std::istringstream entrada(completo);
    std::vector<Fila> filas;
    const Recuento r = lista(entrada, columnasplanas, [&](Fila&& f) { filas.push_back(std::move(f)); });
    EXPECT_EQ(r.registros, 3);
    ASSERT_EQ(filas.size(), 3u);
    EXPECT_EQ(filas[0], (Fila{"P1", "Esquina", "6000000.5", "5500000", "1", "0 00 00", "Faja 5"}));
    EXPECT_EQ(filas[1], (Fila{"102", "esquina", "0", "0", "0", "", ""}));
    std::istringstream otra(completo);
    filas.clear();
    lista(otra, columnasgeodesicas, [&](Fila&& f) { filas.push_back(std::move(f)); });
    EXPECT_EQ(filas[0], (Fila{"P1", "Esquina", "-34 30 00", "-58 30 00", "10", "0.5", "WGS 84"}));
    EXPECT_EQ(filas[1][4], "");
}

TEST(Listado, UnArchivoDeColumnasNoCoincideConLosRenglones) {
    std::istringstream entrada("1,2,3,4,5\r\n6,7,8,9,10\r\n11,12,13,14,15\r\n");
    std::vector<Fila> filas;
    const Recuento r = lista(entrada, columnascartesianas, [&](Fila&& f) { filas.push_back(std::move(f)); });
    EXPECT_EQ(r.estado, Estado::completo);
    ASSERT_EQ(filas.size(), 1u);
    EXPECT_EQ(filas[0], (Fila{"1", "2", "6", "7", "8"}));
}

}  // namespace
}  // namespace rumbal
