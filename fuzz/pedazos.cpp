// Reading a file in pieces on two threads against one reader, on any bytes.
//
// The first byte's low four bits are the fields of a record less one (1 to
// 16); its high four bits choose the fields copied: all of them for 0, else
// field k where bit k % 4 is set (a few of many, neighbours among them, as a
// column selection names them, which plain lines find by another way). The second
// byte is the length of a piece less one (1 to 256 bytes), so that cuts fall
// everywhere. The rest is the file. The fields chosen of each record are
// copied in reverse order, as the copying commands copy them. Both runs must
// write the same bytes and end with the same count, state, message and
// warnings.

#include "archivos/pedazos.hpp"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "comun.hpp"

using namespace rumbal;

namespace {

struct Corrida {
    std::string salida;
    Recuento r;
};

// By one reader when pieza is 0.
Corrida corre(const std::string& bytes, std::size_t n, std::size_t pieza, const std::vector<std::size_t>& usados) {
    const CadaCrudo copia = [&usados](std::span<const CampoCrudo> c, std::string& destino) -> Resultado<void> {
        for (std::size_t i = 0; i < usados.size(); ++i)
            grabacampo(destino, c[usados[usados.size() - 1 - i]], i + 1 == usados.size());
        return {};
    };
    std::istringstream entrada(bytes);
    std::ostringstream salida;
    Corrida c;
    {
        Salida s(salida);
        c.r = pieza == 0 ? recorre(entrada, &s, n, {}, copia, false, usados)
                         : interno::recorre(entrada, s, n, {}, copia, pieza, usados);
    }
    c.salida = salida.str();
    return c;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    if (tamano < 2) return 0;
    const std::size_t n = 1 + (datos[0] & 0x0F);
    const std::size_t pieza = 1 + datos[1];
    const unsigned eleccion = datos[0] >> 4;
    std::vector<std::size_t> usados;
    for (std::size_t k = 0; k < n; ++k)
        if (eleccion == 0 || (eleccion >> (k % 4) & 1) != 0) usados.push_back(k);
    if (usados.empty()) usados.push_back(0);
    const std::string bytes(reinterpret_cast<const char*>(datos) + 2, tamano - 2);
    const Corrida uno = corre(bytes, n, 0, usados), apedazos = corre(bytes, n, pieza, usados);
    VERIFICA(apedazos.salida == uno.salida);
    VERIFICA(apedazos.r.registros == uno.r.registros);
    VERIFICA(apedazos.r.estado == uno.r.estado);
    VERIFICA(apedazos.r.mensaje == uno.r.mensaje);
    VERIFICA(apedazos.r.marcautf8 == uno.r.marcautf8);
    VERIFICA(apedazos.r.desfase == uno.r.desfase);
    VERIFICA(apedazos.r.lineadesfase == uno.r.lineadesfase);
    return 0;
}
