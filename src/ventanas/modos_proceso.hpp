#pragma once
// The three modes of the processing window: the window mode the menu sets,
// the caption it gives the window, the word that names the kind of data in
// the dialog title, and the records the processing reads. Texts are UTF-8.

#include <array>
#include <string>
#include <string_view>

#include "archivos/procesamiento.hpp"

namespace rumbal {

struct ModoProceso {
    std::string_view modo;     // "progeo", "procar", "propla"
    std::string_view titulo;   // the window's caption
    std::string_view palabra;  // "geodésicas", ...
    ModoDatos datos;
};

inline constexpr std::array<ModoProceso, 3> modosproceso = {{
    {"progeo", "Procesar Archivo de Coordenadas Geodésicas", "geodésicas", ModoDatos::geodesicas},
    {"procar", "Procesar Archivo de Coordenadas Cartesianas Geocéntricas", "cartesianas geocéntricas",
     ModoDatos::cartesianas},
    {"propla", "Procesar Archivo de Coordenadas Planas", "planas", ModoDatos::planas},
}};

// The mode of a window mode text; nothing for any other text ("generar",
// "eliagr", ...), which the processing window does not know.
const ModoProceso* buscamodo(std::string_view modoventana);

// Title of the data file dialog: "abrir el archivo de coordenadas " and the
// kind word of the mode (none for a mode the window does not know).
std::string titulodatos(std::string_view modoventana);

}  // namespace rumbal
