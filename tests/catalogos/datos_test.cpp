// The default catalogues shipped beside every executable.

#include <gtest/gtest.h>

#include "catalogos/carga.hpp"
#include "catalogos/elipsoide_nuevo.hpp"
#include "comun/carpeta_temporal.hpp"
#include "textos/lectura_numero.hpp"

namespace rumbal {
namespace {

const std::filesystem::path fuente = RUMBAL_DATOS_FUENTE;

TEST(DatosPorDefecto, CadaArchivoEsWindows1252ConCRLF) {
    for (const char* nombre : {"elipsoide.txt", "parametros.txt", "atributos.txt", "varios.txt", "marref.txt"}) {
        const std::string bytes = prueba::lee(fuente / nombre);
        ASSERT_FALSE(bytes.empty()) << nombre;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << nombre;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_EQ(bytes[i - 1], '\r') << nombre << " byte " << i;
            }
            // No UTF-8 sequences: accented letters take one byte.
            ASSERT_NE(static_cast<unsigned char>(bytes[i]), 0xC3) << nombre << " byte " << i;
        }
    }
}

TEST(DatosPorDefecto, ElipsoidesDerivadosComoLosDerivaElEditor) {
    const struct {
        const char* nombre;
        const char* a;
        const char* r;
    } publicados[] = {{"WGS 84", "6378137", "298.257223563"},        {"GRS 80", "6378137", "298.257222101"},
                      {"Internacional 1924", "6378388", "297"},      {"Bessel 1841", "6377397.155", "299.1528128"},
                      {"Clarke 1866", "6378206.4", "294.978698214"}, {"Clarke 1880", "6378249.145", "293.465"}};
    const auto r = cargaelipsoides(fuente);
    ASSERT_TRUE(r.bien()) << r.error().mensaje();
    ASSERT_EQ(r.valor().size(), std::size(publicados));
    for (std::size_t i = 0; i < std::size(publicados); ++i) {
        const auto& e = r.valor()[i];
        const auto d = derivaelipsoide(publicados[i].a, publicados[i].r);
        ASSERT_TRUE(d.bien());
        EXPECT_EQ(e.nombre, publicados[i].nombre);
        EXPECT_EQ(e.valores.a, leenumero(publicados[i].a));
        EXPECT_EQ(e.valores.b, leenumero(d->b)) << e.nombre;
        EXPECT_EQ(e.valores.f, leenumero(d->f)) << e.nombre;
        EXPECT_EQ(e.valores.e2, leenumero(d->e2)) << e.nombre;
        EXPECT_EQ(e.valores.ep2, leenumero(d->ep2)) << e.nombre;
    }
}

TEST(DatosPorDefecto, FajasArgentinasYUTM) {
    const auto r = cargarepresentaciones(fuente);
    ASSERT_TRUE(r.bien());
    const auto& v = r.valor();
    ASSERT_EQ(v.size(), 10u);
    for (int i = 1; i <= 7; ++i) {
        const auto& f = v[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(f.nombre, "Faja " + std::to_string(i));
        EXPECT_EQ(leenumero(f.valores.longitudorigen), -75.0 + 3 * i);
        EXPECT_EQ(f.valores.falsoeste, i * 1000000.0 + 500000);
        EXPECT_EQ(f.valores.falsonorte, 0);
        EXPECT_EQ(f.valores.latitudorigen, "-90");
        EXPECT_EQ(f.valores.factorescala, 1);
    }
    EXPECT_EQ(v[7].nombre, "UTM 19 S");
    EXPECT_EQ(v[7].valores.longitudorigen, "-69");
    EXPECT_EQ(v[9].valores.longitudorigen, "-57");
    EXPECT_EQ(v[9].valores.falsonorte, 10000000);
    EXPECT_EQ(v[9].valores.factorescala, 0.9996);
}

// EPSG:15782, "Campo Inchauspe to POSGAR 94 (1)": translations only, and the
// reverse line as the frame editor writes it.
TEST(DatosPorDefecto, ParCampoInchauspePosgar94) {
    EXPECT_EQ(prueba::lee(fuente / "marref.txt"),
              "\"Campo Inchauspe\",\"Internacional 1924\",-148,136,90,0,0,0,0\r\n"
              "\"POSGAR 94\",\"WGS 84\",148,-136,-90,0,0,0,0\r\n");
}

// What a new ellipsoid cannot be derived from, and why.
TEST(ElipsoideNuevo, RechazosConSuMotivo) {
    const struct {
        const char *a, *r, *motivo;
    } casos[] = {
        {"6378137x", "298.257223563", "el semieje mayor no es un número"},
        {"6378137", "", "la inversa del aplanamiento no es un número"},
        {"0", "298.257223563", "el semieje mayor y la inversa del aplanamiento no pueden ser 0"},
        {"6378137", "0", "el semieje mayor y la inversa del aplanamiento no pueden ser 0"},
        {"6378137", "1", "el semieje menor sería 0 o no sería un número finito"},
        {"1E308", "1E-308", "el semieje menor sería 0 o no sería un número finito"},
    };
    for (const auto& c : casos) {
        const auto d = derivaelipsoide(c.a, c.r);
        ASSERT_FALSE(d.bien()) << c.a << " " << c.r;
        EXPECT_EQ(d.error().motivo, c.motivo) << c.a << " " << c.r;
    }
}

}  // namespace
}  // namespace rumbal
