#include "programa/estado.hpp"

namespace rumbal {

bool ArchivoResultados::abre(const std::filesystem::path& ruta) {
    auto archivo = std::make_unique<std::ofstream>(ruta, std::ios::binary | std::ios::app);
    if (!*archivo) return false;
    archivo_ = std::move(archivo);
    return true;
}

bool ArchivoResultados::agrega(const std::string& bytes) {
    if (!archivo_) return false;
    archivo_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    archivo_->flush();
    return static_cast<bool>(*archivo_);
}

}  // namespace rumbal
