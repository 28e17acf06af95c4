#pragma once
// About Rumbal: the program's name and version, and what it does.

#include "ventanas/clases_qt.hpp"
#include "ventanas/ventana_ayuda.hpp"

namespace rumbal {

class Foracerca : public VentanaAyuda {
public:
    explicit Foracerca(QWidget* padre = nullptr);
    bool Form_Load();

private:
    QPlainTextEdit* Text1_;
};

}  // namespace rumbal
