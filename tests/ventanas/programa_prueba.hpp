#pragma once
// A running program for one test: a fresh program folder with the test
// catalogues, a platform that shows nothing and records what it was asked,
// and the program whose main window the test opens.

#include <QAction>
#include <memory>

#include "comun/carpeta_temporal.hpp"
#include "comun/catalogos_prueba.hpp"
#include "programa/programa.hpp"
#include "ventanas/forconversion.hpp"
#include "ventanas/plataforma_falsa.hpp"

namespace rumbal::prueba {

struct ProgramaDePrueba {
    CarpetaTemporal carpeta;
    PlataformaFalsa plataforma;
    std::unique_ptr<Programa> programa;

    ProgramaDePrueba() {
        copiacatalogos(carpeta.ruta());
        programa = std::make_unique<Programa>(carpeta.ruta(), plataforma);
    }
    ~ProgramaDePrueba() { programa.reset(); }  // the windows go before the platform and the folder

    // Chooses an item of the main window's menu; the window of kind v it opened, or nothing.
    QWidget* menu(const char* item, Ventana v) {
        programa->principal()->findChild<QAction*>(QString::fromUtf8(item))->trigger();
        return programa->ventana(v);
    }
};

}  // namespace rumbal::prueba
