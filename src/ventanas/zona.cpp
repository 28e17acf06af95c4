#include "ventanas/zona.hpp"

#include <cmath>

namespace rumbal {

bool dentrodelazona(double latitud, double longitud, double meridianocentral) {
    if (!std::isfinite(latitud) || !std::isfinite(longitud) || !std::isfinite(meridianocentral)) return false;
    if (!(std::fabs(latitud) < 90)) return false;
    // The difference taken around the circle: -179 is 2 degrees from 179.
    const double diferencia = std::remainder(longitud - meridianocentral, 360.0);
    return std::fabs(diferencia) <= distanciamaximameridiano;
}

}  // namespace rumbal
