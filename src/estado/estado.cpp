#include "estado/estado.hpp"

namespace rumbal {

bool ArchivoResultados::abre(const std::filesystem::path& ruta) {
    auto archivo = Anexo::abre(ruta);
    if (!archivo) return false;
    archivo_ = std::move(*archivo);
    return true;
}

bool ArchivoResultados::agrega(const std::string& bytes) {
    if (!archivo_) return false;
    archivo_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    archivo_->flush();
    return static_cast<bool>(*archivo_);
}

bool ArchivosAbiertos::abrelectura(const std::string& clave, const std::filesystem::path& ruta) {
    std::error_code ec;
    if (abierto(clave) || std::filesystem::is_directory(ruta, ec)) return false;
    auto archivo = std::make_unique<std::ifstream>(ruta, std::ios::binary);
    if (!*archivo) return false;
    lectura_[clave] = std::move(archivo);
    return true;
}

bool ArchivosAbiertos::abreagregado(const std::string& clave, const std::filesystem::path& ruta) {
    if (abierto(clave)) return false;
    auto archivo = Anexo::abre(ruta);
    if (!archivo) return false;
    agregado_[clave] = std::move(*archivo);
    return true;
}

std::unique_ptr<std::ifstream> ArchivosAbiertos::tomalectura(const std::string& clave) {
    auto n = lectura_.extract(clave);
    return n.empty() ? nullptr : std::move(n.mapped());
}

std::unique_ptr<Anexo> ArchivosAbiertos::tomaagregado(const std::string& clave) {
    auto n = agregado_.extract(clave);
    return n.empty() ? nullptr : std::move(n.mapped());
}

void ArchivosAbiertos::cierra(const std::string& clave) {
    lectura_.erase(clave);
    agregado_.erase(clave);
}

void ArchivosAbiertos::cierratodo() {
    lectura_.clear();
    agregado_.clear();
}

}  // namespace rumbal
