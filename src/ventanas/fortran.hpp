#pragma once
// The reference frame editor: the pair of marref.txt, frame A and frame B with
// the ellipsoid each is referred to, and the seven parameters from A to B
// (shifts in metres, rotations in seconds of arc, scale in ppm). "Guardar"
// rewrites the file: line 1 as typed, line 2 with every parameter negated, so
// either frame can be the source. The ellipsoid of a frame is chosen from the
// catalogue's list, shown beside the window only while choosing.

#include <QWidget>
#include <array>

#include "estado/estado.hpp"
#include "ventanas/clases_qt.hpp"
#include "ventanas/pedido_ventana.hpp"
#include "ventanas/plataforma.hpp"
#include "ventanas/ventana_catalogo.hpp"

namespace rumbal {

class Fortran : public VentanaCatalogo {
public:
    Fortran(EstadoPrograma& estado, Plataforma& plataforma, EnlacesPrograma enlaces, QWidget* padre = nullptr);

    bool Form_Load();
    void Text5_GotFocus();
    void Text6_GotFocus();
    void lst_elipso_Click(int posicion);
    void botguamr_Click();
    void botermr_Click();

    // Light green: the ellipsoid box being chosen for.
    static constexpr int rojoeleccion = 192, verdeeleccion = 255, azuleleccion = 192;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QGroupBox* construyeparametros();
    QGroupBox* construyelista();
    void eligepara(int marco);
    void muestralista(bool visible);

    int eleccion_ = 0;  // 1: frame A's ellipsoid, 2: frame B's, 0: none yet
    QLineEdit *Text2_, *Text4_, *Text5_, *Text6_, *Text3_;
    std::array<QLineEdit*, 6> Text1_{};
    QGroupBox* Frame4_;
    QComboBox* lst_elipso_;
    QLabel *Label9_, *Label10_;
    QPushButton *botguamr_, *botermr_;
};

}  // namespace rumbal
