#pragma once
// Ellipsoids and zones used across the computation tests: WGS 84 with b, e2
// and ep2 derived from a and 1/f as the ellipsoid editor derives them, and the
// Argentine Gauss-Krueger zone 5.

#include "geodesia/constantes.hpp"

namespace rumbal::prueba {

inline Elipsoide wgs84() {
    return {6378137, 6356752.31424518, 0.00335281066474748, 0.00669437999014111, 0.00673949674227625};
}

inline RepresentacionPlana faja5() { return {"-60", 5500000, 0, "-90", 1}; }

inline constexpr Decimales decimales453{4, 5, 3};

}  // namespace rumbal::prueba
