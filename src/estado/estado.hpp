#pragma once
// The values shared by every window for the whole run: the current ellipsoid,
// plane representation and transformation that the computation uses, the
// decimals, the window mode, the results file path and the values of a new
// ellipsoid; and every file a window holds open between two events (the main
// window's results file between saves, a file window's pair of files between
// "Abrir" and its run), which any window that starts file work closes first.
//
// Texts are Windows-1252, as the core's.

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "archivos/anexo.hpp"
#include "geodesia/constantes.hpp"

namespace rumbal {

// The results file kept open for appending between saves (appended to as
// every results file is: see Anexo).
class ArchivoResultados {
public:
    bool abierto() const { return archivo_ != nullptr; }
    // Opens (creating it if needed) for appending.
    Resultado<void> abre(const std::filesystem::path& ruta);
    // Appends bytes and flushes them.
    Resultado<void> agrega(const std::string& bytes);
    void cierra() { archivo_.reset(); }

private:
    std::unique_ptr<Anexo> archivo_;
};

// Files opened by the file windows' "Abrir", each under a key of its own (the
// window's name and the file's role), until the window's run takes them or a
// window that starts file work closes them all. A key holds one file at a
// time: opening a key that is in use fails, as a second "Abrir" must.
class ArchivosAbiertos {
public:
    bool abierto(const std::string& clave) const { return lectura_.count(clave) || agregado_.count(clave); }
    // For reading; an error when the key is in use or the file cannot be read.
    Resultado<void> abrelectura(const std::string& clave, const std::filesystem::path& ruta);
    // For appending, created if it does not exist; an error when the key is in
    // use, the path is not a regular file or the file cannot be written.
    Resultado<void> abreagregado(const std::string& clave, const std::filesystem::path& ruta);
    // Hands an open file over to whoever closes it next (a run); empty when
    // the key holds no file of that kind.
    std::unique_ptr<std::ifstream> tomalectura(const std::string& clave);
    std::unique_ptr<Anexo> tomaagregado(const std::string& clave);
    void cierra(const std::string& clave);
    void cierratodo();

private:
    std::map<std::string, std::unique_ptr<std::ifstream>> lectura_;
    std::map<std::string, std::unique_ptr<Anexo>> agregado_;
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
    ArchivosAbiertos archivos;

    // Every file the program holds open between events.
    void cierratodo() {
        resultados.cierra();
        archivos.cierratodo();
    }
};

}  // namespace rumbal
