#pragma once
// The user guide window: what the program is for, and where the guide
// document is, which a click on the link below the text opens with the
// desktop's viewer.

#include "estado/estado.hpp"
#include "ventanas/clases_qt.hpp"
#include "ventanas/plataforma.hpp"
#include "ventanas/ventana_ayuda.hpp"

namespace rumbal {

class Formanual : public VentanaAyuda {
public:
    Formanual(const EstadoPrograma& estado, Plataforma& plataforma, QWidget* padre = nullptr);
    bool Form_Load();
    void lblguia_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    const EstadoPrograma& estado_;
    Plataforma& plataforma_;
    QLabel* Label1_;
    QLabel* lblguia_;
};

}  // namespace rumbal
