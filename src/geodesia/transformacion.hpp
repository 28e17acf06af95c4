#pragma once
// Seven-parameter transformation of geocentric coordinates between two
// reference frames: x' = D + s R x with s = 1 + k / 1E6 and the linearised
// coordinate frame rotation R = ((1, Rz, -Ry), (-Rz, 1, Rx), (Ry, -Rx, 1)).
// The rotation is not orthonormalised; the reverse direction is the frame
// entry with the seven values negated, which returns close to, not exactly to,
// the starting point.

#include "geodesia/constantes.hpp"
#include "geodesia/geocentricas.hpp"

namespace rumbal {

// The transformation of a frame entry: rotations from seconds of arc to radians
// by dividing by 206264.81 and rounding to 10 decimals.
Transformacion cargatransf(const ParametrosMarco& marco);

// x', y', z' rounded to the metres decimals; an error when one is not finite.
Resultado<Cartesianas> transforma(double x, double y, double z, const Transformacion& t, const Decimales& d);

}  // namespace rumbal
