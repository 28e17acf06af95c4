#pragma once
// Whether a point given back by the inverse Transverse Mercator projection is
// one the window may show. The series serve near the central meridian; a
// plane point far outside its zone (X = 0, Y = 0, blanks read as zeros)
// comes back as latitudes past the pole and scale factors of 1E+207, which
// are no point at all. A point is shown when its latitude lies strictly
// inside +-90 degrees and its longitud within 20 degrees of the zone's
// central meridian (all in decimal degrees).

namespace rumbal {

inline constexpr double distanciamaximameridiano = 20;  // degrees

bool dentrodelazona(double latitud, double longitud, double meridianocentral);

}  // namespace rumbal
