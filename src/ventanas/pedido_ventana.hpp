#pragma once
// What a menu item asks of the program: a window to open (or to bring to the
// front when it is open), the window mode to set first, and the caption to
// give the window after it is shown. The main window asks; the program opens.

#include <QString>
#include <functional>

namespace rumbal {

enum class Ventana {
    procesar,
    generar,
    poratributos,
    visgeo,
    viscar,
    vispla,
    transformacionarchivo,
    elipsoide0,   // the new ellipsoid's entry window
    elipsoides,   // the ellipsoid catalogue editor
    parametros,   // the plane representation catalogue editor
    atributos,    // the attribute list editor
    decimales,    // the decimal places window
    marcos,       // the reference frame catalogue editor
    acerca,       // about Rumbal
    manual,       // the user guide window
};

struct PedidoVentana {
    Ventana ventana;
    QString modo;    // the window mode to set first; empty: left as it is
    QString titulo;  // the caption to set after showing; empty: the window's own
};

// What a window may ask of the program: the reload protocol of the catalogue
// editors (the main window replaced by a fresh one that reads every catalogue
// again; the asking window closes itself) and opening another window.
struct EnlacesPrograma {
    std::function<void()> recarga;
    std::function<void(const PedidoVentana&)> abre;
};

}  // namespace rumbal
