#include "geodesia/transformacion.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geodesia/comun_geodesia.hpp"
#include "textos/redondeo.hpp"

namespace rumbal {
namespace {

using prueba::decimales453;

TEST(CargaDeTransformacion, RotacionesEnRadianesADiezDecimales) {
    const Transformacion t = cargatransf({598.1, 73.7, 418.2, -0.202, -0.045, 2.455, 6.7});
    EXPECT_EQ((std::vector{t.dx, t.dy, t.dz, t.rx, t.ry, t.rz, t.k}),
              (std::vector{598.1, 73.7, 418.2, -0.0000009793, -0.0000002182, 0.0000119022, 6.7}));
    EXPECT_EQ(cargatransf({0, 0, 0, 1, 0, 0, 0}).rx, 0.0000048481);
}

TEST(Transformacion, UnaPartePorMillon) {
    Transformacion t;
    t.k = 1;
    const auto c = transforma(4000000, -5000000, 3000000, t, decimales453);
    ASSERT_TRUE(c.bien());
    EXPECT_EQ((std::vector{c->x, c->y, c->z}), (std::vector<double>{4000004, -5000005, 3000003}));
}

TEST(Transformacion, UnSegundoDeRotacionAlrededorDeZ) {
    const Transformacion t = cargatransf({0, 0, 0, 0, 0, 1, 0});
    const double d = 6378137;
    const auto c = transforma(0, d, 0, t, decimales453);
    ASSERT_TRUE(c.bien());
    EXPECT_EQ((std::vector{c->x, c->y, c->z}), (std::vector<double>{redondea(d * t.rz, 3), d, 0}));
}

TEST(Transformacion, IdaYVueltaConLosValoresNegados) {
    const ParametrosMarco ida{598.1, 73.7, 418.2, -0.202, -0.045, 2.455, 6.7};
    const ParametrosMarco vuelta{-598.1, -73.7, -418.2, 0.202, 0.045, -2.455, -6.7};
    const double x = 4027894.006, y = 307045.600, z = 4919474.910;
    const auto a = transforma(x, y, z, cargatransf(ida), decimales453);
    ASSERT_TRUE(a.bien());
    EXPECT_GT(std::fabs(a->x - x), 500);
    const auto b = transforma(a->x, a->y, a->z, cargatransf(vuelta), decimales453);
    ASSERT_TRUE(b.bien());
    // Second-order terms of rotation and scale remain: close, not always exact.
    EXPECT_NEAR(b->x, x, 0.01);
    EXPECT_NEAR(b->y, y, 0.01);
    EXPECT_NEAR(b->z, z, 0.01);
}

TEST(Transformacion, ResultadoNoFinitoSeRechaza) {
    const auto c = transforma(1e308, 1e308, 0, cargatransf({0, 0, 0, 0, 0, 0, 1e6}), decimales453);
    ASSERT_FALSE(c.bien());
    EXPECT_EQ(c.error().motivo, "el resultado no es un n\xFAmero finito");
}

}  // namespace
}  // namespace rumbal
