#include "ventanas/textos_cuenta.hpp"

#include "textos/numero_texto.hpp"

namespace rumbal {

std::string textocuenta(std::int64_t cuenta, std::string_view que) {
    return "---> " + textoconsigno(static_cast<double>(cuenta)) + std::string(que);
}

std::string textocolumnaselegidas(std::size_t cuenta) {
    return "<---- Se seleccionaron " + textoconsigno(static_cast<double>(cuenta)) + " columnas";
}

}  // namespace rumbal
