#pragma once
// The steps of a file window and the buttons each step leaves enabled.
//
// Every file window goes the same way: a choice (ellipsoid and representation,
// frame, columns, attribute), "Abrir" (the files), the run ("Calcular",
// "Generar", "Listar"), and then either back to "Abrir" for another pair of
// files (processing, file transformation) or nothing more but closing the
// window (the selections, the viewers). What differs is held in a table.

#include <array>

namespace rumbal {

enum class Paso {
    eligiendo,  // nothing chosen yet
    elegido,    // the choice the window needs is made (or a cancelled "Abrir" came back here)
    abiertos,   // the files are open
    corriendo,  // a run is going on
    hecho,      // the run has ended
};

struct Habilitados {
    bool abrir = false;
    bool correr = false;
};

// What each step enables, in the order of Paso.
using TablaCiclo = std::array<Habilitados, 5>;

// Processing: "Abrir" once a representation is chosen, and again after a run.
inline constexpr TablaCiclo cicloprocesar = {{{false, false}, {true, false}, {true, true}, {false, false}, {true, false}}};
// File transformation: "Abrir" from the start (the transformation may come from the main window).
inline constexpr TablaCiclo ciclotransformar = {{{true, false}, {true, false}, {true, true}, {false, false}, {true, false}}};
// Selections: one choice, one pair of files, one run.
inline constexpr TablaCiclo cicloseleccion = {{{false, false}, {true, false}, {false, true}, {false, false}, {false, false}}};
// Viewers: "Abrir" from the start, "Listar" once a file is open.
inline constexpr TablaCiclo ciclovista = {{{true, false}, {true, false}, {false, true}, {false, false}, {false, false}}};

class CicloArchivos {
public:
    explicit CicloArchivos(const TablaCiclo& tabla) : tabla_(tabla) {}
    Paso paso() const { return paso_; }
    void pasa(Paso p) { paso_ = p; }
    // A choice moves only the first step on: a choice made later changes
    // what the next run uses, not what is enabled.
    void elige() {
        if (paso_ == Paso::eligiendo) paso_ = Paso::elegido;
    }
    bool abrir() const { return tabla_[static_cast<int>(paso_)].abrir; }
    bool correr() const { return tabla_[static_cast<int>(paso_)].correr; }

private:
    const TablaCiclo& tabla_;
    Paso paso_ = Paso::eligiendo;
};

}  // namespace rumbal
