#include "catalogos/procedimientos.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "catalogos/carga.hpp"

namespace rumbal {

namespace {

ErrorCatalogo errorde(const std::filesystem::path& carpeta, const Catalogo& c, std::string motivo) {
    return {std::string(c.archivo), (carpeta / c.archivo).string(), 0, std::move(motivo)};
}

std::string descripcionerrno() { return std::strerror(errno); }

// Writes contenido to ruta (created or emptied) and flushes it to the disk.
bool escribecompleto(const std::filesystem::path& ruta, const std::string& contenido, Interrupcion interrupcion,
                     std::string& motivo) {
    const int fd = ::open(ruta.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        motivo = "no se puede crear " + ruta.filename().string() + ": " + descripcionerrno();
        return false;
    }
    std::size_t porescribir = contenido.size();
    if (interrupcion == Interrupcion::escrituraamedias) porescribir /= 2;
    std::size_t escrito = 0;
    while (escrito < porescribir) {
        const ssize_t n = ::write(fd, contenido.data() + escrito, porescribir - escrito);
        if (n < 0) {
            if (errno == EINTR) continue;
            motivo = "no se puede escribir " + ruta.filename().string() + ": " + descripcionerrno();
            ::close(fd);
            return false;
        }
        escrito += static_cast<std::size_t>(n);
    }
    if (interrupcion == Interrupcion::escrituraamedias) {
        ::close(fd);
        motivo = "escritura interrumpida";
        return false;
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        motivo = "no se puede escribir " + ruta.filename().string() + ": " + descripcionerrno();
        return false;
    }
    return true;
}

void sincronizacarpeta(const std::filesystem::path& carpeta) {
    const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool descartatransitorio(const std::filesystem::path& carpeta, std::string& motivo) {
    std::error_code ec;
    std::filesystem::remove(carpeta / archivotransitorio, ec);
    if (ec) {
        motivo = "no se puede borrar el archivo transitorio " + std::string(archivotransitorio) + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace

std::string_view mensajecatalogolleno() {
    return "El listado ya tiene el máximo de elementos admitidos (20), clickee O.K. y Terminar";
}

Resultado<Agregado> agregaentrada(const std::filesystem::path& carpeta, const Catalogo& c, const Renglon& entrada,
                                  std::size_t cuenta) {
    if (cuenta >= maximoentradas) return Agregado::lleno;
    const std::filesystem::path ruta = carpeta / c.archivo;
    std::string linea;
    {
        // A last line without its line end (a file edited by hand) must not be
        // joined to the new one.
        std::ifstream existente(ruta, std::ios::binary | std::ios::ate);
        if (existente && existente.tellg() > 0) {
            existente.seekg(-1, std::ios::end);
            const int ultimo = existente.get();
            if (ultimo != '\n' && ultimo != '\r') linea = "\r\n";
        }
    }
    grabalinea(linea, entrada);
    std::ofstream archivo(ruta, std::ios::binary | std::ios::app);
    if (!archivo) return errorde(carpeta, c, "no se puede abrir el archivo para agregar");
    archivo.write(linea.data(), static_cast<std::streamsize>(linea.size()));
    archivo.close();
    if (!archivo) return errorde(carpeta, c, "no se pudo escribir la entrada");
    return Agregado::agregado;
}

Resultado<bool> reemplazaarchivo(const std::filesystem::path& carpeta, const Catalogo& c,
                                 const std::vector<Renglon>& renglones, Interrupcion interrupcion) {
    std::string motivo;
    if (!descartatransitorio(carpeta, motivo)) return errorde(carpeta, c, motivo);
    std::string contenido;
    for (const Renglon& r : renglones) grabalinea(contenido, r);
    const std::filesystem::path transitorio = carpeta / archivotransitorio;
    if (!escribecompleto(transitorio, contenido, interrupcion, motivo)) {
        // A real failure takes the half-written scratch file away; an
        // interruption leaves it, as a crash would.
        if (interrupcion == Interrupcion::ninguna) descartatransitorio(carpeta, motivo);
        return errorde(carpeta, c, motivo);
    }
    if (interrupcion == Interrupcion::antesderenombrar) return errorde(carpeta, c, "reemplazo interrumpido");
    std::error_code ec;
    std::filesystem::rename(transitorio, carpeta / c.archivo, ec);
    if (ec) {
        descartatransitorio(carpeta, motivo);
        return errorde(carpeta, c, "no se puede reemplazar el archivo: " + ec.message());
    }
    sincronizacarpeta(carpeta);
    return true;
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
