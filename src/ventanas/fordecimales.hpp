#pragma once
// The decimal places window: the three numbers of decimals the results are
// rounded to (seconds of angles, seconds of latitudes and longitudes,
// metres), shown from varios.txt and saved back to it as one line.
// "Guardar" changes the file only; the new numbers take effect when
// "Terminar" replaces the main window by a fresh one, which reads them.

#include <QWidget>
#include <array>

#include "estado/estado.hpp"
#include "ventanas/clases_qt.hpp"
#include "ventanas/pedido_ventana.hpp"
#include "ventanas/plataforma.hpp"
#include "ventanas/ventana_catalogo.hpp"

namespace rumbal {

class Fordecimales : public VentanaCatalogo {
public:
    Fordecimales(EstadoPrograma& estado, Plataforma& plataforma, EnlacesPrograma enlaces, QWidget* padre = nullptr);

    bool Form_Load();
    void BotDecGuar_Click();
    void BotDecTer_Click();

private:
    std::array<QLineEdit*, 3> Text1_{};
    QLabel* Label2_;
    QPushButton *BotDecGuar_, *BotDecTer_;
};

}  // namespace rumbal
