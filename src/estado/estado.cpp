#include "estado/estado.hpp"

namespace rumbal {

namespace {

Error claveenuso(const std::string& clave) { return falla("ya hay un archivo abierto para " + clave); }

}  // namespace

Resultado<void> ArchivoResultados::abre(const std::filesystem::path& ruta) {
    auto archivo = Anexo::abre(ruta);
    if (!archivo) return archivo.error();
    archivo_ = std::move(*archivo);
    return {};
}

Resultado<void> ArchivoResultados::agrega(const std::string& bytes) {
    if (!archivo_) return falla("no hay un archivo de resultados abierto");
    archivo_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    archivo_->flush();
    if (!*archivo_) return falla(archivo_->motivofalla());
    return {};
}

Resultado<void> ArchivosAbiertos::abrelectura(const std::string& clave, const std::filesystem::path& ruta) {
    if (abierto(clave)) return claveenuso(clave);
    std::error_code ec;
    if (std::filesystem::is_directory(ruta, ec)) return falla("es una carpeta");
    auto archivo = std::make_unique<std::ifstream>(ruta, std::ios::binary);
    if (!*archivo) return falla("no se puede leer");
    lectura_[clave] = std::move(archivo);
    return {};
}

Resultado<void> ArchivosAbiertos::abreagregado(const std::string& clave, const std::filesystem::path& ruta) {
    if (abierto(clave)) return claveenuso(clave);
    auto archivo = Anexo::abre(ruta);
    if (!archivo) return archivo.error();
    agregado_[clave] = std::move(*archivo);
    return {};
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
