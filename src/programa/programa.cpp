#include "programa/programa.hpp"

#include "catalogos/carga.hpp"
#include "ventanas/forconversion.hpp"
#include "ventanas/texto_qt.hpp"

namespace rumbal {

Programa::Programa(std::filesystem::path carpeta, Plataforma& plataforma) : plataforma_(plataforma) {
    estado_.carpeta = std::move(carpeta);
}

Programa::~Programa() = default;

bool Programa::abreprincipal() {
    estado_.cierratodo();
    auto catalogos = cargacatalogos(estado_.carpeta);
    if (!catalogos.bien()) {
        plataforma_.mensaje(nullptr, aqt(catalogos.error().mensaje()));
        return false;
    }
    principal_ = std::make_unique<Forconversion>(estado_, plataforma_, std::move(catalogos.valor()),
                                                 [this] { recarga(); });
    principal_->show();
    return true;
}

void Programa::recarga() {
    principal_.reset();
    if (!abreprincipal()) plataforma_.terminaprograma();
}

}  // namespace rumbal
