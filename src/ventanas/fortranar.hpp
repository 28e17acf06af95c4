#pragma once
// File transformation between the two frames of marref.txt: every point of a
// file of geocentric x, y, z is carried by the seven parameters of the frame
// of the data to the other frame and appended to a results file. The frame
// chosen here becomes the program's current transformation, the one the main
// window's panel uses too; without a choice here, the current one is used.

#include <vector>

#include "catalogos/entradas.hpp"
#include "ventanas/clases_qt.hpp"
#include "ventanas/ventana_archivos.hpp"

namespace rumbal {

class Fortranar : public VentanaArchivos {
public:
    Fortranar(EstadoPrograma& estado, Plataforma& plataforma, QWidget* padre = nullptr);

    bool Form_Load();
    void lst_partra_Click(int posicion);
    void botabrir_Click();
    void botcalcular_Click();

private:
    std::vector<EntradaMarco> marcos_;
    QComboBox* lst_partra_;
    QLabel *Label1_, *Label40_;
    QGroupBox* Frame41_;
    QLineEdit* Text3_;
    QLabel *Label3_, *Label2_, *Label14_, *Label15_, *Label16_, *Label17_, *Label18_;
};

}  // namespace rumbal
