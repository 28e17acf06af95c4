#pragma once
// The processing window: every point of a file of geodetic, geocentric or
// plane coordinates is converted into the other two kinds on the ellipsoid
// and plane representation chosen here, and appended to a results file as a
// complete point record. The kind of data is the window mode the menu set,
// read when "Abrir" and "Calcular" are pressed, so a menu choice made while
// the window is open changes what its buttons do.

#include <array>
#include <vector>

#include "catalogos/entradas.hpp"
#include "ventanas/clases_qt.hpp"
#include "ventanas/ventana_archivos.hpp"

namespace rumbal {

class Forprocesar : public VentanaArchivos {
public:
    Forprocesar(EstadoPrograma& estado, Plataforma& plataforma, QWidget* padre = nullptr);

    // Reads the ellipsoids and plane representations; false (said) when a
    // catalogue cannot be read.
    bool Form_Load();
    void lst_elipso_Click(int posicion);
    void lst_param_Click(int posicion);
    void botabrir_Click();
    void botcalcular_Click();

private:
    std::vector<EntradaElipsoide> elipsoides_;
    std::vector<EntradaRepresentacion> representaciones_;
    QComboBox *lst_elipso_, *lst_param_;
    std::array<QLabel*, 6> Label3_{}, Label4_{};
};

}  // namespace rumbal
