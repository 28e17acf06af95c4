#pragma once
// The catalogue editors of the ellipsoids, the plane representations and the
// attributes: one window, three designs. The window mode the menu set decides,
// when the window loads, whether it adds one entry ("eliagr": the data frame
// open, "Agregar" once) or deletes entries by name ("elibor": the list open,
// "Borrar" as often as wanted). "Terminar" runs the reload protocol: the main
// window is replaced by a fresh one that reads every catalogue again.

#include <QWidget>
#include <vector>

#include "catalogos/entradas.hpp"
#include "estado/estado.hpp"
#include "ventanas/clases_qt.hpp"
#include "ventanas/disenos_editores.hpp"
#include "ventanas/pedido_ventana.hpp"
#include "ventanas/plataforma.hpp"
#include "ventanas/ventana_catalogo.hpp"

namespace rumbal {

class EditorCatalogo : public VentanaCatalogo {
public:
    EditorCatalogo(EstadoPrograma& estado, Plataforma& plataforma, EnlacesPrograma enlaces,
                   const DisenoEditor& diseno, QWidget* padre = nullptr);

    bool Form_Load();
    void lista_Click(int posicion);
    void BotAgr_Click();
    void BotBor_Click();
    void BotTer_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void ponmodo();
    void llenacajas(const std::vector<std::string>& textos);  // Windows-1252
    void blanquea();

    const DisenoEditor& diseno_;
    std::vector<Renglon> tabla_;  // as read when the window loaded, or after a delete
    std::size_t cuentaalcargar_ = 0;
    bool agregando_ = false;  // the window mode was "eliagr" when the window loaded
    QGroupBox *Frame1_, *Frame2_;
    std::vector<QLineEdit*> cajas_;
    QComboBox* lista_;
    QLabel *Label2_, *Label3_;
    QPushButton *agregar_, *borrar_, *terminar_;
};

}  // namespace rumbal
