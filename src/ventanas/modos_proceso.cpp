#include "ventanas/modos_proceso.hpp"

namespace rumbal {

const ModoProceso* buscamodo(std::string_view modoventana) {
    for (const ModoProceso& m : modosproceso)
        if (m.modo == modoventana) return &m;
    return nullptr;
}

std::string titulodatos(std::string_view modoventana) {
    std::string titulo = "abrir el archivo de coordenadas ";
    if (const ModoProceso* m = buscamodo(modoventana)) titulo += m->palabra;
    return titulo;
}

}  // namespace rumbal
