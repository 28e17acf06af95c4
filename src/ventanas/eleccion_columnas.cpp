#include "ventanas/eleccion_columnas.hpp"

#include <algorithm>

namespace rumbal {

void EleccionColumnas::marca(std::size_t k) {
    if (posicion(k) < 0) columnas_.push_back(k);
}

void EleccionColumnas::desmarca(std::size_t k) {
    const int i = posicion(k);
    if (i >= 0) columnas_.erase(columnas_.begin() + i);
}

int EleccionColumnas::posicion(std::size_t k) const {
    const auto i = std::find(columnas_.begin(), columnas_.end(), k);
    return i == columnas_.end() ? -1 : static_cast<int>(i - columnas_.begin());
}

}  // namespace rumbal
