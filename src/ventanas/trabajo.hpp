#pragma once
// A file run on a thread of its own, so the window repaints, moves and answers
// while a large file is worked: a progress bar and a "Cancelar" button, shown
// only when the run lasts long enough to be seen (a small file finishes
// without a flash of them). Cancelling stops the run at the next progress
// report, a record boundary; what was written stays, in whole lines.
//
// The run must touch nothing of the window: it gets its files and values when
// it starts and hands back its counts, which the window receives on its own
// thread once the run has ended.

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <thread>

#include "archivos/recorrido.hpp"
#include "ventanas/clases_qt.hpp"

namespace rumbal {

class Trabajo {
public:
    // What a run reports as it goes, read by the window's thread.
    struct Progreso {
        std::atomic<std::int64_t> registros{0};
        std::atomic<int> permil{0};  // share of the input read, 0 to 1000
        std::atomic<bool> cancelado{false};
        std::function<void(std::int64_t, const std::atomic<bool>&)> observador;

        // The algorithms' progress function for an input of tamano bytes: it
        // records the count and the position and says whether to go on.
        Avance avance(std::istream& entrada, std::uintmax_t tamano);
    };
    using Corrida = std::function<Recuento(Progreso&)>;
    using Fin = std::function<void(const Recuento&)>;

    static constexpr int milisegundosantesdemostrar = 300;

    // Bytes of an input just opened (its progress is its position in them);
    // it is left at its start.
    static std::uintmax_t tamanode(std::istream& entrada);

    // Adds the run's row to donde: the progress bar ("barra", named que for
    // screen readers) and "Cancelar" ("botcancelar"), children of ventana.
    Trabajo(QWidget* ventana, QBoxLayout* donde, const QString& que);
    ~Trabajo();
    Trabajo(const Trabajo&) = delete;
    Trabajo& operator=(const Trabajo&) = delete;

    // Starts corrida; fin receives its counts on the window's thread.
    void inicia(Corrida corrida, Fin fin);
    bool encurso() const { return hilo_.joinable(); }
    void cancela();
    // Cancels a run, waits for it and delivers its end at once (the window
    // is closing).
    void terminaya();

    // Called on a thread of the run (one call at a time, in order) after each
    // progress report, with the count and the cancel flag, before the run goes
    // on: the tests hold a run there to cancel it at a known point.
    using Observador = std::function<void(std::int64_t, const std::atomic<bool>&)>;
    void ponobservador(Observador observador) { observador_ = std::move(observador); }

private:
    void revisa();
    void entrega();

    QProgressBar* barra_;
    QPushButton* cancelar_;
    QTimer reloj_;
    QElapsedTimer cronometro_;
    std::thread hilo_;
    std::unique_ptr<Progreso> progreso_;
    std::atomic<bool> listo_{false};
    Recuento recuento_;
    Fin fin_;
    Observador observador_;
};

}  // namespace rumbal
