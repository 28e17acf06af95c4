#pragma once
// The running program: its folder, the values every window shares, and its
// windows. This is the one place that creates, shows, brings to the front
// and replaces windows: the main window's menu asks for a window and the
// program opens it, or raises it when it is open already.

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <map>

#include "estado/estado.hpp"
#include "ventanas/pedido_ventana.hpp"
#include "ventanas/plataforma.hpp"

namespace rumbal {

class Forconversion;

class Programa {
public:
    Programa(std::filesystem::path carpeta, Plataforma& plataforma);
    ~Programa();
    Programa(const Programa&) = delete;
    Programa& operator=(const Programa&) = delete;

    // Start-up: reads the five catalogues of the program folder and shows the
    // main window. A catalogue that is missing or cannot be read is reported
    // (file and line) and the answer is false: the program cannot go on.
    bool abreprincipal();

    // The reload protocol of the catalogue editors: the main window is
    // unloaded and a fresh one loaded, whose start-up reads every file again.
    // What was typed in the old one is lost. If the files can no longer be
    // read, the program ends after saying why. The old window is deleted
    // once the event that asked for the reload is over.
    void recarga();

    // Sets the window mode the request names, opens its window without
    // blocking (or brings it to the front when it is open), then sets the
    // caption the request names. Nothing when the window cannot load its
    // catalogues (it said why).
    QWidget* abre(const PedidoVentana& pedido);

    // The open window of a kind, or nothing.
    QWidget* ventana(Ventana v) const;
    Forconversion* principal() const;
    EstadoPrograma& estado() { return estado_; }

private:
    QWidget* crea(Ventana v);
    // What the windows that run the reload protocol or open another window get.
    EnlacesPrograma enlaces();

    EstadoPrograma estado_;
    Plataforma& plataforma_;
    QPointer<QWidget> principal_;  // a Forconversion
    std::map<Ventana, QPointer<QWidget>> ventanas_;
};

}  // namespace rumbal
