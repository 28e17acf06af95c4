#pragma once
// The new ellipsoid's entry window: its name, semi-major axis and inverse
// flattening, kept as typed for the ellipsoid editor, which derives the rest
// and adds the entry. "Aceptar" keeps the three texts; "Salir" keeps the last
// accepted ones; both go on to the editor.

#include <QWidget>
#include <array>

#include "estado/estado.hpp"
#include "ventanas/clases_qt.hpp"
#include "ventanas/pedido_ventana.hpp"

namespace rumbal {

class Forelipsoide0 : public QWidget {
public:
    Forelipsoide0(EstadoPrograma& estado, EnlacesPrograma enlaces, QWidget* padre = nullptr);

    bool Form_Load();
    void BotAceEli_Click();
    void BotSalEli_Click();

private:
    void aleditor();

    EstadoPrograma& estado_;
    EnlacesPrograma enlaces_;
    std::array<QLineEdit*, 3> Text1_{};
    QLabel* Label31_;
};

}  // namespace rumbal
