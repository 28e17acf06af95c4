#include "archivos/registro_punto.hpp"

namespace rumbal {

void grabapunto(std::string& destino, const RegistroPunto& registro) { grabalinea(destino, registro); }

Lectura leepunto(LectorCampos& lector, RegistroPunto& registro) {
    return lector.leecampos(std::span<ValorCampo>(registro));
}

}  // namespace rumbal
