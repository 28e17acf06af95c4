#pragma once
// The running program: its folder, the values every window shares, and the
// main window, which start-up loads and the reload protocol replaces.

#include <filesystem>
#include <memory>

#include "programa/estado.hpp"
#include "ventanas/plataforma.hpp"

namespace rumbal {

class Forconversion;

class Programa {
public:
    Programa(std::filesystem::path carpeta, Plataforma& plataforma);
    ~Programa();

    // Start-up: reads the five catalogues of the program folder and shows the
    // main window. A catalogue that is missing or cannot be read is reported
    // (file and line) and the answer is false: the program cannot go on.
    bool abreprincipal();

    // The reload protocol of the catalogue editors: the main window is
    // unloaded and a fresh one loaded, whose start-up reads every file again.
    // What was typed in the old one is lost. If the files can no longer be
    // read, the program ends after saying why.
    void recarga();

    Forconversion* principal() { return principal_.get(); }
    EstadoPrograma& estado() { return estado_; }

private:
    EstadoPrograma estado_;
    Plataforma& plataforma_;
    std::unique_ptr<Forconversion> principal_;
};

}  // namespace rumbal
