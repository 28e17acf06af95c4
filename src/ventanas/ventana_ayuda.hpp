#pragma once
// What the two help windows share: a caption, one frame that holds what they
// show, and "Salir", which closes the window and touches nothing else. Neither
// reads or writes a file or a shared value.

#include <QWidget>

#include "ventanas/clases_qt.hpp"

namespace rumbal {

class VentanaAyuda : public QWidget {
public:
    void botsalir_Click();

protected:
    VentanaAyuda(const QString& nombre, const QString& titulo, const QString& titulomarco, QWidget* padre);
    QGroupBox* Frame1_;
    QVBoxLayout* enmarco_;  // what the frame holds, top to bottom
    QPushButton* botsalir_;
};

}  // namespace rumbal
