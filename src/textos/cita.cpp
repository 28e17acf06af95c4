#include "textos/cita.hpp"

namespace rumbal {

std::string cita(std::string_view texto) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string r;
    const std::size_t largo = std::min(texto.size(), largocita);
    r.reserve(largo + 8);
    for (std::size_t i = 0; i < largo; ++i) {
        const auto c = static_cast<unsigned char>(texto[i]);
        if (c < 32 || c == 127) {
            r += "\\x";
            r += hex[c >> 4];
            r += hex[c & 15];
        } else {
            r += static_cast<char>(c);
        }
    }
    if (texto.size() > largocita) r += "...";
    return r;
}

std::string cita(const ValorCampo& valor) { return cita(textovisible(valor)); }

}  // namespace rumbal
