#pragma once
// The seam where a catalogue rewrite can be stopped as a crash or a full disk
// would stop it: what the tests of "never without a catalogue" drive. Not part
// of the catalogue interface.

#include "catalogos/procedimientos.hpp"

namespace rumbal::interno {

enum class Interrupcion { ninguna, escrituraamedias, antesderenombrar };

Resultado<void> reemplazaarchivo(const std::filesystem::path& carpeta, const Catalogo& c,
                                 const std::vector<Renglon>& renglones, Interrupcion interrupcion);

}  // namespace rumbal::interno
