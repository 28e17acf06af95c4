#include "programa/programa.hpp"

#include <QScreen>
#include <algorithm>

#include "catalogos/carga.hpp"
#include "ventanas/foracerca.hpp"
#include "ventanas/forconversion.hpp"
#include "ventanas/editor_catalogo.hpp"
#include "ventanas/fordecimales.hpp"
#include "ventanas/forelipsoide0.hpp"
#include "ventanas/fortran.hpp"
#include "ventanas/forgenerar.hpp"
#include "ventanas/formanual.hpp"
#include "ventanas/forporatributos.hpp"
#include "ventanas/forprocesar.hpp"
#include "ventanas/fortranar.hpp"
#include "ventanas/forvis.hpp"
#include "ventanas/texto_qt.hpp"
#include "ventanas/ventana_archivos.hpp"

namespace rumbal {

namespace {

// A new window opens over the main window, whole on the screen: the window
// manager alone may put its lower edge below the screen's.
void colocajuntoa(QWidget* ventana, const QWidget* principal) {
    ventana->adjustSize();
    const QScreen* pantalla = principal ? principal->screen() : ventana->screen();
    if (!pantalla) return;
    const QRect libre = pantalla->availableGeometry();
    QRect marco(QPoint(0, 0), ventana->frameGeometry().size().expandedTo(ventana->size()));
    marco.moveCenter(principal ? principal->frameGeometry().center() : libre.center());
    marco.moveLeft(std::clamp(marco.left(), libre.left(), std::max(libre.left(), libre.right() - marco.width())));
    marco.moveTop(std::clamp(marco.top(), libre.top(), std::max(libre.top(), libre.bottom() - marco.height() - 30)));
    ventana->move(marco.topLeft());
}

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

EnlacesPrograma Programa::enlaces() {
    return {[this] { recarga(); }, [this](const PedidoVentana& pedido) { abre(pedido); }};
}

bool Programa::abreprincipal() {
    estado_.cierratodo();
    Catalogos catalogos;
    if (!toma(cargacatalogos(estado_.carpeta), catalogos, plataforma_, nullptr)) return false;
    auto* principal = new Forconversion(
        estado_, plataforma_, std::move(catalogos), [this] { recarga(); },
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
        case Ventana::decimales: return cargada(new Fordecimales(estado_, plataforma_, enlaces()));
        case Ventana::elipsoide0: return cargada(new Forelipsoide0(estado_, enlaces()));
        case Ventana::marcos: return cargada(new Fortran(estado_, plataforma_, enlaces()));
        case Ventana::elipsoides: return cargada(new EditorCatalogo(estado_, plataforma_, enlaces(), editorelipsoides));
        case Ventana::parametros:
            return cargada(new EditorCatalogo(estado_, plataforma_, enlaces(), editorrepresentaciones));
        case Ventana::atributos: return cargada(new EditorCatalogo(estado_, plataforma_, enlaces(), editoratributos));
        case Ventana::acerca: return cargada(new Foracerca);
        case Ventana::manual: return cargada(new Formanual(estado_, plataforma_));
    }
    return nullptr;
}

QWidget* Programa::abre(const PedidoVentana& pedido) {
    QPointer<QWidget>& ventana = ventanas_[pedido.ventana];
    // A window in the middle of a run keeps the mode and caption it runs
    // with: the request only brings it to the front.
    if (const auto* archivos = dynamic_cast<const VentanaArchivos*>(ventana.data()); archivos && archivos->encurso()) {
        ventana->raise();
        ventana->activateWindow();
        return ventana;
    }
    if (!pedido.modo.isEmpty()) estado_.modoventana = acp1252(pedido.modo);
    if (!ventana) {
        ventana = crea(pedido.ventana);
        if (!ventana) return nullptr;
        // "Terminar", "Salir" and the title bar close it; it is deleted once
        // the event that closed it is over.
        ventana->setAttribute(Qt::WA_DeleteOnClose);
        colocajuntoa(ventana, principal_);
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
