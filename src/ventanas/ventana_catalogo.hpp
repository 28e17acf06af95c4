#pragma once
// What the windows that change the program's catalogues share (the catalogue
// editors, the reference frames, the decimal places): the program's values,
// the desktop, the links to the program, and "Terminar", which closes the
// window and runs the reload protocol, so that what was saved takes effect.

#include <QWidget>
#include <utility>

#include "estado/estado.hpp"
#include "ventanas/pedido_ventana.hpp"
#include "ventanas/plataforma.hpp"

namespace rumbal {

class VentanaCatalogo : public QWidget {
protected:
    VentanaCatalogo(EstadoPrograma& estado, Plataforma& plataforma, EnlacesPrograma enlaces, const QString& nombre,
                    const QString& titulo, QWidget* padre)
        : QWidget(padre), estado_(estado), plataforma_(plataforma), enlaces_(std::move(enlaces)) {
        setObjectName(nombre);
        setWindowTitle(titulo);
    }

    // "Terminar".
    void termina() {
        close();
        if (enlaces_.recarga) enlaces_.recarga();
    }

    EstadoPrograma& estado_;
    Plataforma& plataforma_;
    EnlacesPrograma enlaces_;
};

}  // namespace rumbal
