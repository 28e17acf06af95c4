#include "base/resultado.hpp"

namespace rumbal {

std::string Error::mensaje() const {
    if (archivo.empty()) return motivo + ".";
    std::string m = "Error en el archivo \"" + archivo + "\"";
    if (linea > 0) m += ", renglón " + std::to_string(linea);
    m += ": " + motivo + ".";
    if (!ruta.empty()) m += "\r\n(" + ruta + ")";
    return m;
}

}  // namespace rumbal
