#pragma once
// What a menu item asks of the program: a window to open (or to bring to the
// front when it is open), the window mode to set first, and the caption to
// give the window after it is shown. The main window asks; the program opens.

#include <QString>

namespace rumbal {

enum class Ventana {
    procesar,
    generar,
    poratributos,
    visgeo,
    viscar,
    vispla,
    transformacionarchivo,
};

struct PedidoVentana {
    Ventana ventana;
    QString modo;    // the window mode to set first; empty: left as it is
    QString titulo;  // the caption to set after showing; empty: the window's own
};

}  // namespace rumbal
