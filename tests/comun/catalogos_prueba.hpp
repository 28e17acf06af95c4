#pragma once
// The catalogues of a test's program folder: the shipped defaults, with the
// frame pair the tests compute with, DHDN (Bessel 1841) to ETRS89 (GRS 80),
// whose seven parameters (rotations and scale included) exercise every term
// of the transformation. The shipped pair has translations only.

#include <filesystem>

#include "catalogos/entradas.hpp"

namespace rumbal::prueba {

enum class Marcos { deprueba, predeterminados };

inline void copiacatalogos(const std::filesystem::path& carpeta, Marcos marcos = Marcos::deprueba) {
    for (const Catalogo* c : catalogosdelprograma) {
        const bool deprueba = c == &catalogomarcos && marcos == Marcos::deprueba;
        const std::filesystem::path origen(deprueba ? RUMBAL_DATOS_PRUEBA : RUMBAL_DATOS_FUENTE);
        std::filesystem::copy_file(origen / c->archivo, carpeta / c->archivo,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

}  // namespace rumbal::prueba
