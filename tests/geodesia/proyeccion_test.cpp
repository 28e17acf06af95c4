#include "geodesia/proyeccion.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesia/angulos.hpp"
#include "geodesia/comun_geodesia.hpp"
#include "geodesia/geocentricas.hpp"
#include "textos/redondeo.hpp"

namespace rumbal {
namespace {

using prueba::decimales453;
using prueba::faja5;
using prueba::wgs84;

TEST(ArcoDeMeridiano, EcuadorYCuadrante) {
    const Elipsoide e = wgs84();
    EXPECT_EQ(arcomer("0", e), 0);
    const double cuadrante = arcomer("-90", e);
    // The WGS 84 meridian quadrant is 10 001 965.729 m.
    EXPECT_NEAR(cuadrante, -10001965.729, 0.001);
    EXPECT_EQ(redondea(cuadrante, 5), cuadrante);
    EXPECT_EQ(arcomer("90", e), -cuadrante);
}

TEST(Proyeccion, SobreElMeridianoCentral) {
    const auto p = geoapla("-34 36 12.5", "-60", wgs84(), faja5(), decimales453);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->y, 5500000);
    EXPECT_EQ(p->factorescala, 1);
    EXPECT_EQ(p->convergencia, "    0 00 00");
    // On the central meridian X is the meridian arc from the pole of origin.
    EXPECT_EQ(p->x, redondea(arcomer("-34 36 12.5", wgs84()) - arcomer("-90", wgs84()), 3));
}

TEST(Proyeccion, FactorDeEscalaDelMeridianoCentral) {
    RepresentacionPlana utm{"-63", 500000, 10000000, "0", 0.9996};
    const auto p = geoapla("-30", "-63", wgs84(), utm, decimales453);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->factorescala, 0.9996);
    EXPECT_EQ(p->y, 500000);
}

TEST(Proyeccion, PuntoAlEsteDelMeridianoCentralIdaYVuelta) {
    const Elipsoide e = wgs84();
    const auto p = geoapla("-34 36 12.5", "-58 24 00", e, faja5(), decimales453);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->convergencia.substr(0, 5), "   -0");  // about -0.9 degrees
    EXPECT_GT(p->factorescala, 1);
    EXPECT_LT(p->factorescala, 1.0005);
    EXPECT_GT(p->y, 5500000);
    EXPECT_LT(p->x, 10001965.729);
    const auto g = plaageo(p->x, p->y, e, faja5(), decimales453);
    ASSERT_TRUE(g.has_value());
    EXPECT_NEAR(gmsagra(g->latitud) * 3600, gmsagra("-34 36 12.5") * 3600, 1e-4);
    EXPECT_NEAR(gmsagra(g->longitud) * 3600, gmsagra("-58 24 00") * 3600, 1e-4);
    EXPECT_EQ(redondea(p->x, 3), p->x);
    EXPECT_EQ(redondea(p->y, 3), p->y);
}

TEST(Proyeccion, SimetriaRespectoDelMeridianoCentral) {
    const Elipsoide e = wgs84();
    const auto este = geoapla("-40", "-58", e, faja5(), decimales453);
    const auto oeste = geoapla("-40", "-62", e, faja5(), decimales453);
    ASSERT_TRUE(este && oeste);
    EXPECT_EQ(este->x, oeste->x);
    EXPECT_NEAR(este->y - 5500000, 5500000 - oeste->y, 0.0011);
    EXPECT_EQ(este->factorescala, oeste->factorescala);
    EXPECT_EQ(este->convergencia.substr(0, 4), "  -1");
    EXPECT_EQ(oeste->convergencia.substr(0, 4), "    ");  // positive, one-digit degrees
}

TEST(Proyeccion, InversaNoDaNumerosFalsos) {
    const Elipsoide e = wgs84();
    RepresentacionPlana sinescala = faja5();
    sinescala.factorescala = 0;
    EXPECT_FALSE(plaageo(6000000, 5600000, e, sinescala, decimales453).has_value());
    // A footpoint past the pole (X beyond the length of two quadrants from the south pole).
    EXPECT_FALSE(plaageo(20003931.46 + 1000, 5500000, e, faja5(), decimales453).has_value());
    EXPECT_FALSE(plaageo(NAN, 5500000, e, faja5(), decimales453).has_value());
    EXPECT_FALSE(geoapla("1E999", "-60", e, faja5(), decimales453).has_value());
}

TEST(CoeficienteDeAltura, UnoAlNivelDelElipsoide) {
    const Elipsoide e = wgs84();
    EXPECT_EQ(coefalt("-34 36 12.5", 0, e), 1.0);
    const auto c = coefalt("-34 36 12.5", 25, e);
    ASSERT_TRUE(c.has_value());
    EXPECT_LT(*c, 1.0);
    const double r = calr("-34 36 12.5", e);
    EXPECT_EQ(*c, r / (r + 25));
    EXPECT_FALSE(coefalt("0", -calr("0", e), e).has_value());
}

}  // namespace
}  // namespace rumbal
