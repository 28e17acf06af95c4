#pragma once
// Column selection: from every record of a complete point file, the columns
// the user ticked, in the order they were ticked, appended as one line to the
// file to generate. The choice ends with "FIN Selección" and cannot change
// afterwards; a new derivation needs the window opened again.

#include "ventanas/clases_qt.hpp"
#include "ventanas/eleccion_columnas.hpp"
#include "ventanas/ventana_archivos.hpp"

namespace rumbal {

class Forgenerar : public VentanaArchivos {
public:
    Forgenerar(EstadoPrograma& estado, Plataforma& plataforma, QWidget* padre = nullptr);

    bool Form_Load();
    void List1_ItemCheck(int posicion, bool marcado);
    void botfin_Click();
    void botabrir_Click();
    void botgenerar_Click();

    const EleccionColumnas& eleccion() const { return eleccion_; }

private:
    EleccionColumnas eleccion_;
    QLabel *Label1_, *Label2_, *Label3_;
    QListWidget *List1_, *List2_;
    QPushButton* botfin_;
};

}  // namespace rumbal
