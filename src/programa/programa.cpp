#include "programa/programa.hpp"

#include "catalogos/carga.hpp"
#include "ventanas/forconversion.hpp"
#include "ventanas/forgenerar.hpp"
#include "ventanas/forporatributos.hpp"
#include "ventanas/forprocesar.hpp"
#include "ventanas/fortranar.hpp"
#include "ventanas/forvis.hpp"
#include "ventanas/texto_qt.hpp"

namespace rumbal {

namespace {

// A window whose load could not read what it needs is not shown.
template <class W>
QWidget* cargada(W* ventana) {
    if (ventana->Form_Load()) return ventana;
    delete ventana;
    return nullptr;
}

}  // namespace

Programa::Programa(std::filesystem::path carpeta, Plataforma& plataforma) : plataforma_(plataforma) {
    estado_.carpeta = std::move(carpeta);
}

Programa::~Programa() {
    for (auto& [tipo, ventana] : ventanas_) delete ventana.data();
    delete principal_.data();
}

bool Programa::abreprincipal() {
    estado_.cierratodo();
    auto catalogos = cargacatalogos(estado_.carpeta);
    if (!catalogos.bien()) {
        plataforma_.mensaje(nullptr, aqt(catalogos.error().mensaje()));
        return false;
    }
    auto* principal = new Forconversion(
        estado_, plataforma_, std::move(catalogos.valor()), [this] { recarga(); },
        [this](const PedidoVentana& pedido) { abre(pedido); });
    principal_ = principal;
    principal->show();
    return true;
}

void Programa::recarga() {
    if (principal_) {
        principal_->hide();
        principal_->deleteLater();
        principal_ = nullptr;
    }
    if (!abreprincipal()) plataforma_.terminaprograma();
}

QWidget* Programa::crea(Ventana v) {
    switch (v) {
        case Ventana::procesar: return cargada(new Forprocesar(estado_, plataforma_));
        case Ventana::generar: return cargada(new Forgenerar(estado_, plataforma_));
        case Ventana::poratributos: return cargada(new Forporatributos(estado_, plataforma_));
        case Ventana::transformacionarchivo: return cargada(new Fortranar(estado_, plataforma_));
        case Ventana::visgeo: return cargada(new Forvis(estado_, plataforma_, vistageodesica));
        case Ventana::viscar: return cargada(new Forvis(estado_, plataforma_, vistacartesiana));
        case Ventana::vispla: return cargada(new Forvis(estado_, plataforma_, vistaplana));
    }
    return nullptr;
}

QWidget* Programa::abre(const PedidoVentana& pedido) {
    if (!pedido.modo.isEmpty()) estado_.modoventana = acp1252(pedido.modo);
    QPointer<QWidget>& ventana = ventanas_[pedido.ventana];
    if (!ventana) {
        ventana = crea(pedido.ventana);
        if (!ventana) return nullptr;
        // "Terminar", "Salir" and the title bar close it; it is deleted once
        // the event that closed it is over.
        ventana->setAttribute(Qt::WA_DeleteOnClose);
    }
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
    if (!pedido.titulo.isEmpty()) ventana->setWindowTitle(pedido.titulo);
    return ventana;
}

Forconversion* Programa::principal() const { return static_cast<Forconversion*>(principal_.data()); }

QWidget* Programa::ventana(Ventana v) const {
    const auto i = ventanas_.find(v);
    return i == ventanas_.end() ? nullptr : i->second.data();
}

}  // namespace rumbal
