#include "geodesia/transformacion.hpp"

#include <cmath>

#include "textos/redondeo.hpp"

namespace rumbal {

Transformacion cargatransf(const ParametrosMarco& m) {
    constexpr double segundosporradian = 206264.81;
    Transformacion t;
    t.dx = m.dx;
    t.dy = m.dy;
    t.dz = m.dz;
    t.rx = redondea(m.rx / segundosporradian, 10);
    t.ry = redondea(m.ry / segundosporradian, 10);
    t.rz = redondea(m.rz / segundosporradian, 10);
    t.k = m.k;
    return t;
}

Resultado<Cartesianas> transforma(double x, double y, double z, const Transformacion& t, const Decimales& d) {
    const double s = 1 + t.k / 1000000;
    const int dm = decimalesentero(d.metros);
    Cartesianas c;
    c.x = redondea(x * s + (y * t.rz) * s - (z * t.ry) * s + t.dx, dm);
    c.y = redondea(y * s - (x * t.rz) * s + (z * t.rx) * s + t.dy, dm);
    c.z = redondea(z * s - (y * t.rx) * s + (x * t.ry) * s + t.dz, dm);
    if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z)) return nofinito();
    return c;
}

}  // namespace rumbal
