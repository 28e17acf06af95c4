#pragma once
// Transforming a file of geocentric points between the two frames: records of
// five fields (point, attribute, x, y, z in metres) read wherever they stand,
// each appended as point and attribute as read (same kind) and x', y', z' of
// the given transformation rounded to the metres decimals.

#include <istream>
#include <ostream>

#include "archivos/recorrido.hpp"
#include "geodesia/constantes.hpp"

namespace rumbal {

Recuento transformaarchivo(std::istream& datos, std::ostream& resultados, const Transformacion& t,
                           const Decimales& d, const Avance& avance = {});

}  // namespace rumbal
