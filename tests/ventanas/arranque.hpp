#pragma once
// A test's program: a fresh folder with the catalogues, a platform that shows
// nothing and answers the file dialogs, and the program with its main window.

#include <QAction>
#include <QTest>
#include <memory>

#include "comun/carpeta_temporal.hpp"
#include "comun/catalogos_prueba.hpp"
#include "programa/programa.hpp"
#include "ventanas/forconversion.hpp"
#include "ventanas/plataforma_falsa.hpp"

namespace rumbal::prueba {

class Arranque {
public:
    explicit Arranque(Marcos marcos = Marcos::deprueba) {
        copiacatalogos(carpeta.ruta(), marcos);
        programa = std::make_unique<Programa>(carpeta.ruta(), plataforma);
    }
    bool abre() { return programa->abreprincipal(); }

    // A menu item of the main window, chosen as a user does, and the window
    // of that kind that is open afterwards.
    QWidget* menu(const char* item, Ventana ventana) {
        auto* accion = programa->principal()->findChild<QAction*>(QString::fromUtf8(item));
        if (!accion || !accion->isEnabled()) qFatal("el menú %s no se puede elegir", item);
        accion->trigger();
        return programa->ventana(ventana);
    }

    CarpetaTemporal carpeta;
    PlataformaFalsa plataforma;
    std::unique_ptr<Programa> programa;  // last, so it goes first
};

// A QtTest class whose every test starts its own program on the tests'
// catalogues; a class whose tests start otherwise (changing the catalogues
// first: prepara(), then abre()) has an init() of its own.
class PruebaConPrograma : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(arranca()); }
    void cleanup() { termina(); }

protected:
    void prepara(Marcos marcos = Marcos::deprueba) {
        arranque = std::make_unique<Arranque>(marcos);
        carpeta = &arranque->carpeta;
        plataforma = &arranque->plataforma;
        programa = arranque->programa.get();
    }
    bool abre() { return arranque->abre(); }
    bool arranca(Marcos marcos = Marcos::deprueba) {
        prepara(marcos);
        return abre();
    }
    void termina() { arranque.reset(); }
    QWidget* menu(const char* item, Ventana ventana) { return arranque->menu(item, ventana); }
    std::string ruta(const char* nombre) const { return (*carpeta / nombre).string(); }
    QString qruta(const char* nombre) const { return QString::fromStdString(ruta(nombre)); }

    std::unique_ptr<Arranque> arranque;
    CarpetaTemporal* carpeta = nullptr;
    PlataformaFalsa* plataforma = nullptr;
    Programa* programa = nullptr;
};

}  // namespace rumbal::prueba
