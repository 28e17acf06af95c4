#pragma once
// The values of a new ellipsoid derived from its semi-major axis a (metres) and
// inverse flattening r, as the ellipsoid editor shows them and stores them:
// b = a (1 - 1/r) and f = 1/r in the display form; then, with b' the semi-minor
// axis read back from its text (at most 15 significant digits),
// e2 = 1 - (b'/a)^2 and ep2 = (a/b')^2 - 1.

#include <string>
#include <string_view>

#include "base/resultado.hpp"

namespace rumbal {

struct ElipsoideNuevo {
    std::string b, f, e2, ep2;  // display texts
};

// An error when a or r is not a number (strict reading), or when they give no
// finite ellipsoid (r = 0 or 1, a = 0).
Resultado<ElipsoideNuevo> derivaelipsoide(std::string_view semiejemayor, std::string_view aplastamientoinverso);

}  // namespace rumbal
