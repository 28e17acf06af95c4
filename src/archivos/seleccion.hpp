#pragma once
// Files derived from a complete point file, record by record (fifteen fields
// each, wherever they stand): the chosen columns of every record, in the
// chosen order; or the whole records of one attribute. Every value keeps the
// kind and text it had: quoted texts stay quoted, numbers stay bare, empty
// fields stay empty.

#include <cstddef>
#include <istream>
#include <ostream>
#include <span>
#include <string>

#include "archivos/recorrido.hpp"

namespace rumbal {

// columnas: positions 0 to 14 ("Punto" is 0), at least one, each at most once.
// registros counts the records copied.
Recuento seleccionacolumnas(std::istream& completo, std::ostream& generado, std::span<const std::size_t> columnas,
                            const Avance& avance = {});

// Records whose attribute (column 2) has exactly the characters of atributo,
// letter case included; a bare number compares as its number text. registros
// counts the records written.
Recuento seleccionaatributo(std::istream& completo, std::ostream& generado, const std::string& atributo,
                            const Avance& avance = {});

}  // namespace rumbal
