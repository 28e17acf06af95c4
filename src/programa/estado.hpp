#pragma once
// The values shared by every window for the whole run: the current ellipsoid,
// plane representation and transformation that the computation uses, the
// decimals, the window mode, the results file path and the values of a new
// ellipsoid; and the main window's results file, which stays open between
// saves and which any window that starts file work closes first.
//
// Texts are Windows-1252, as the core's.

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "geodesia/constantes.hpp"

namespace rumbal {

// The results file kept open for appending between saves.
class ArchivoResultados {
public:
    bool abierto() const { return archivo_ != nullptr; }
    // Opens (creating it if needed) for appending; false when it cannot.
    bool abre(const std::filesystem::path& ruta);
    // Appends bytes and flushes them; false when they could not be written.
    bool agrega(const std::string& bytes);
    void cierra() { archivo_.reset(); }

private:
    std::unique_ptr<std::ofstream> archivo_;
};

struct EstadoPrograma {
    std::filesystem::path carpeta;  // the program folder, where the catalogues are
    Elipsoide elipsoide;
    RepresentacionPlana representacion;
    Transformacion transformacion;  // zeros until a frame is chosen
    Decimales decimales;
    std::string modoventana;  // "eliagr", "elibor", "progeo", "procar", "propla", "generar"
    std::filesystem::path rutaresultados;
    std::array<std::string, 3> elipsoidenuevo;  // name, semi-major axis, inverse flattening, as typed
    ArchivoResultados resultados;

    // Every file the program holds open between events: the results file.
    void cierratodo() { resultados.cierra(); }
};

}  // namespace rumbal
