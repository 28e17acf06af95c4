#include "catalogos/procedimientos.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

#include "archivos/anexo.hpp"
#include "base/motivo_sistema.hpp"
#include "catalogos/carga.hpp"
#include "catalogos/reemplazo_interrumpido.hpp"

namespace rumbal {

using interno::Interrupcion;

namespace {

ErrorCatalogo errorde(const std::filesystem::path& carpeta, const Catalogo& c, std::string motivo) {
    return {std::string(c.archivo), (carpeta / c.archivo).string(), 0, std::move(motivo)};
}

std::string descripcionerrno() { return motivosistema(errno); }

// Writes contenido to ruta (created or emptied) and flushes it to the disk.
Resultado<void> escribecompleto(const std::filesystem::path& ruta, const std::string& contenido,
                                Interrupcion interrupcion) {
    const auto noseescribe = [&ruta] {
        return falla("no se puede escribir " + ruta.filename().string() + ": " + descripcionerrno());
    };
    const int fd = ::open(ruta.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return falla("no se puede crear " + ruta.filename().string() + ": " + descripcionerrno());
    std::size_t porescribir = contenido.size();
    if (interrupcion == Interrupcion::escrituraamedias) porescribir /= 2;
    for (std::size_t escrito = 0; escrito < porescribir;) {
        const ssize_t n = ::write(fd, contenido.data() + escrito, porescribir - escrito);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const Error error = noseescribe();
            ::close(fd);
            return error;
        }
        escrito += static_cast<std::size_t>(n);
    }
    if (interrupcion == Interrupcion::escrituraamedias) {
        ::close(fd);
        return falla("escritura interrumpida");
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) return noseescribe();
    return {};
}

void sincronizacarpeta(const std::filesystem::path& carpeta) {
    const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

Resultado<void> descartatransitorio(const std::filesystem::path& carpeta) {
    std::error_code ec;
    std::filesystem::remove(carpeta / archivotransitorio, ec);
    if (ec)
        return falla("no se puede borrar el archivo transitorio " + std::string(archivotransitorio) + ": " +
                     ec.message());
    return {};
}

}  // namespace

std::string_view mensajecatalogolleno() {
    return "El listado ya tiene el máximo de elementos admitidos (20), clickee O.K. y Terminar";
}

Resultado<Agregado> agregaentrada(const std::filesystem::path& carpeta, const Catalogo& c, const Renglon& entrada,
                                  std::size_t cuenta) {
    if (cuenta >= maximoentradas) return Agregado::lleno;
    // Appended as results are, so a last line without its line end (a file
    // edited by hand) is not joined to the new one.
    auto archivo = Anexo::abre(carpeta / c.archivo);
    if (!archivo) return errorde(carpeta, c, archivo.error().motivo);
    std::string linea;
    grabalinea(linea, entrada);
    **archivo << linea;
    if (auto cerrado = (*archivo)->cierra(); !cerrado)
        return errorde(carpeta, c, "no se pudo escribir la entrada: " + cerrado.error().motivo);
    return Agregado::agregado;
}

Resultado<void> interno::reemplazaarchivo(const std::filesystem::path& carpeta, const Catalogo& c,
                                          const std::vector<Renglon>& renglones, Interrupcion interrupcion) {
    if (auto r = descartatransitorio(carpeta); !r) return errorde(carpeta, c, r.error().motivo);
    std::string contenido;
    for (const Renglon& r : renglones) grabalinea(contenido, r);
    if (auto r = escribecompleto(carpeta / archivotransitorio, contenido, interrupcion); !r) {
        // A real failure takes the half-written scratch file away; an
        // interruption leaves it, as a crash would.
        if (interrupcion == Interrupcion::ninguna) descartatransitorio(carpeta);
        return errorde(carpeta, c, r.error().motivo);
    }
    if (interrupcion == Interrupcion::antesderenombrar) return errorde(carpeta, c, "reemplazo interrumpido");
    std::error_code ec;
    std::filesystem::rename(carpeta / archivotransitorio, carpeta / c.archivo, ec);
    if (ec) {
        descartatransitorio(carpeta);
        return errorde(carpeta, c, "no se puede reemplazar el archivo: " + ec.message());
    }
    sincronizacarpeta(carpeta);
    return {};
}

Resultado<void> reemplazaarchivo(const std::filesystem::path& carpeta, const Catalogo& c,
                                 const std::vector<Renglon>& renglones) {
    return interno::reemplazaarchivo(carpeta, c, renglones, Interrupcion::ninguna);
}

Resultado<std::vector<Renglon>> borraentrada(const std::filesystem::path& carpeta, const Catalogo& c,
                                             const std::string& nombre) {
    auto leidos = leecatalogo(carpeta, c);
    if (!leidos.bien()) return leidos.error();
    std::vector<Renglon> quedan;
    for (Renglon& r : leidos.valor())
        if (r[0].texto() != nombre) quedan.push_back(std::move(r));
    auto reemplazo = reemplazaarchivo(carpeta, c, quedan);
    if (!reemplazo.bien()) return reemplazo.error();
    return quedan;
}

}  // namespace rumbal
