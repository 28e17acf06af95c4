#include "programa/carpeta_programa.hpp"

#include <unistd.h>

#include "catalogos/entradas.hpp"
#include "ventanas/textos_ayuda.hpp"

namespace rumbal {

namespace fs = std::filesystem;

namespace {

// A reason shown on its own, as a sentence: its first letter in capitals.
std::string frase(std::string motivo) {
    if (!motivo.empty() && motivo.front() >= 'a' && motivo.front() <= 'z')
        motivo.front() = static_cast<char>(motivo.front() - 'a' + 'A');
    return motivo;
}

}  // namespace

const std::vector<std::string>& archivospredeterminados() {
    static const std::vector<std::string> nombres = {
        std::string(catalogoelipsoides.archivo), std::string(catalogorepresentaciones.archivo),
        std::string(catalogoatributos.archivo),  std::string(catalogodecimales.archivo),
        std::string(catalogomarcos.archivo),     "save.wav",
        std::string(nombreguia)};
    return nombres;
}

fs::path carpetausuario(const char* xdgdatahome, const char* home) {
    if (xdgdatahome && *xdgdatahome) return fs::path(xdgdatahome) / "Rumbal";
    const fs::path casa = home && *home ? fs::path(home) : fs::path("/");
    return (casa / ".local/share/Rumbal").lexically_normal();
}

EleccionCarpeta eligecarpeta(const fs::path& ejecutable, const fs::path& usuario, std::string_view relativa,
                             bool instalado, bool escribible) {
    if (instalado) return {usuario, (ejecutable / relativa).lexically_normal()};
    if (escribible) return {ejecutable, {}};
    return {usuario, ejecutable};
}

Resultado<void> completacarpeta(const fs::path& carpeta, const fs::path& predeterminados) {
    std::error_code ec;
    if (fs::exists(fs::status(carpeta, ec)) && !fs::is_directory(carpeta, ec))
        return falla("no se puede crear la carpeta del programa " + carpeta.string() +
                     ": ya existe y no es una carpeta");
    fs::create_directories(carpeta, ec);
    if (ec) return falla("no se puede crear la carpeta del programa " + carpeta.string() + ": " + ec.message());
    for (const std::string& nombre : archivospredeterminados()) {
        const fs::path destino = carpeta / nombre;
        // A link that points nowhere is the user's too: it is not replaced.
        if (fs::exists(fs::symlink_status(destino, ec))) continue;
        const fs::path origen = predeterminados / nombre;
        if (!fs::is_regular_file(origen, ec)) continue;
        // A scratch name of this process's own: two first starts at once never
        // write into the same file.
        const fs::path copia = carpeta / ("." + nombre + "." + std::to_string(::getpid()));
        if (!fs::copy_file(origen, copia, fs::copy_options::overwrite_existing, ec))
            return falla("no se puede copiar " + origen.string() + " a " + destino.string() + ": " + ec.message());
        // The installed files are read-only; the user's copies are the user's to change.
        fs::permissions(copia, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
        if (fs::exists(fs::symlink_status(destino, ec))) {
            fs::remove(copia, ec);
            continue;
        }
        fs::rename(copia, destino, ec);
        if (ec) {
            std::error_code otro;
            fs::remove(copia, otro);
            return falla("no se puede copiar " + origen.string() + " a " + destino.string() + ": " + ec.message());
        }
    }
    return {};
}

std::string_view relativainstalada() { return RUMBAL_PREDETERMINADOS; }

CarpetaPrograma preparacarpeta(const fs::path& ejecutable, const fs::path& usuario, std::string_view relativa) {
    std::error_code ec;
    const bool instalado = fs::is_directory(ejecutable / relativa, ec);
    // Creating a file in a folder takes writing and searching it.
    const bool escribible = ::access(ejecutable.c_str(), W_OK | X_OK) == 0;
    // A relative XDG_DATA_HOME is taken from the current folder, as Qt takes
    // it; the windows name the folder whole.
    const fs::path absoluta = fs::absolute(usuario, ec).lexically_normal();
    const EleccionCarpeta eleccion =
        eligecarpeta(ejecutable, ec ? usuario : absoluta, relativa, instalado, escribible);
    CarpetaPrograma resultado{eleccion.carpeta, {}};
    if (!eleccion.predeterminados.empty())
        if (auto completa = completacarpeta(eleccion.carpeta, eleccion.predeterminados); !completa)
            resultado.aviso = frase(completa.error().motivo);
    return resultado;
}

}  // namespace rumbal
