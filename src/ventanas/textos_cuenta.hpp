#pragma once
// The count lines the file windows show after a run: an arrow, the count in
// the signed-number form (a blank before a count that is not negative, so two
// blanks follow the arrow) and what was counted.
//
//   --->  12 puntos calculados
//   <---- Se seleccionaron  3 columnas

#include <cstdint>
#include <string>
#include <string_view>

namespace rumbal {

std::string textocuenta(std::int64_t cuenta, std::string_view que);
std::string textocolumnaselegidas(std::size_t cuenta);

}  // namespace rumbal
