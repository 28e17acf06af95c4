#pragma once
// Selection by attribute: the whole records of a complete point file whose
// attribute is exactly the one chosen (letter case included) are appended,
// unchanged and in file order, to the file to generate.

#include <string>
#include <vector>

#include "ventanas/clases_qt.hpp"
#include "ventanas/ventana_archivos.hpp"

namespace rumbal {

class Forporatributos : public VentanaArchivos {
public:
    Forporatributos(EstadoPrograma& estado, Plataforma& plataforma, QWidget* padre = nullptr);

    bool Form_Load();
    void lst_Atrib_Click(int posicion);
    void botabrir_Click();
    void botgenerar_Click();

private:
    std::vector<std::string> atributos_;
    std::string elegido_;  // Windows-1252
    QLabel *Label1_, *Label3_;
    QGroupBox* Frame1_;
    QComboBox* lst_Atrib_;
};

}  // namespace rumbal
