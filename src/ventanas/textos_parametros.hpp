#pragma once
// The labels that show the values of a chosen catalogue entry, the same in
// every window that shows them: each value in the display form after its
// caption. Texts are Windows-1252, as the catalogues'; the captions are ASCII.

#include <array>
#include <string>

#include "geodesia/constantes.hpp"

namespace rumbal {

// a, b, f, e2, e'2. The main window names the eccentricities in full
// ("1ra.excentricidad = "), the processing window short ("1ra.excentr. = ").
std::array<std::string, 5> textoselipsoide(const Elipsoide& e, bool abreviado);

// Origin longitude, false easting, origin latitude, false northing, scale factor.
std::array<std::string, 5> textosrepresentacion(const RepresentacionPlana& r);

// Dx, Dy, Dz, Rx, Ry, Rz, k; rotations in radians with no blank before "rad.".
std::array<std::string, 7> textostransformacion(const Transformacion& t);

}  // namespace rumbal
