#pragma once
// What the file windows share (processing, file transformation, column and
// attribute selection): below the window's own choices, the "Archivos" frame
// with the data file and the results file, the buttons "Abrir", the run
// ("Calcular" or "Generar") and "Terminar", the two count lines, and the run
// on its own thread with a progress bar and "Cancelar".
//
// "Abrir" shows two file dialogs, opens the first file for reading and the
// second for appending (created if it does not exist) and makes the second the
// program's results file path. A cancel in either dialog closes every open
// file and ends the step silently; any other failure says "Error desconocido".
// The run takes both files, closes them at its end, and the window shows how
// many points it handled and how many lines the results file holds now.

#include <QWidget>
#include <functional>
#include <istream>
#include <ostream>
#include <vector>

#include "archivos/recorrido.hpp"
#include "estado/estado.hpp"
#include "ventanas/ciclo_archivos.hpp"
#include "ventanas/clases_qt.hpp"
#include "ventanas/controles.hpp"
#include "ventanas/disenos_archivos.hpp"
#include "ventanas/plataforma.hpp"
#include "ventanas/trabajo.hpp"

namespace rumbal {

class VentanaArchivos : public QWidget {
public:
    struct Dialogo {
        QString titulo;
        QString filtro;   // pairs of a description and a pattern separated by "|"
        QString rotulo;   // the label's new text once the file is open; empty: unchanged
    };
    enum class Apertura { abiertos, cancelada, fallida };
    using Corrida = std::function<Recuento(std::istream& datos, std::ostream& resultados, const Avance& avance)>;

    static const QString filtrodatos;       // "Texto(*.txt)|*.txt|Todos los archivos(*.*)|*.*"
    static const QString filtroresultados;  // "Texto(*.txt)|*.txt"

    VentanaArchivos(EstadoPrograma& estado, Plataforma& plataforma, const DisenoArchivos& diseno,
                    QWidget* padre = nullptr);
    ~VentanaArchivos() override;

    bool encurso() const { return trabajo_->encurso(); }
    Trabajo& trabajo() { return *trabajo_; }

protected:
    // The window's own controls go here, above the files.
    QVBoxLayout* zonapropia() const { return zonapropia_; }
    // "Abrir" and the run button run the window's handlers; their enabled
    // state is the first step's.
    void conectabotones(std::function<void()> abrir, std::function<void()> correr);
    // A list to choose from a catalogue at load: the entries read into
    // entradas and their names shown; false (said) when it cannot be read.
    template <class Entrada>
    bool cargalista(Resultado<std::vector<Entrada>> leido, std::vector<Entrada>& entradas, QComboBox* lista) {
        if (!toma(std::move(leido), entradas, plataforma_, this)) return false;
        controles::llena(lista, entradas);
        return true;
    }
    // Shows both dialogs and opens both files.
    Apertura abrepar(const Dialogo& datos, const Dialogo& resultados);
    // The computing windows' "Abrir" (processing, file transformation): the
    // data file under titulodatos and the results file; the labels then say
    // which is which.
    Apertura abrecalculo(const QString& titulodatos);
    // The selections' "Abrir": the complete file and the file to generate;
    // once both are open, indicacion says how to go on.
    void abreseleccion(QLabel* indicacion);
    // Starts a run on the open files; false (with a message) when they are
    // no longer open. alterminar makes the window's own changes once the run
    // has ended and the counts are shown.
    bool corre(Corrida corrida, std::function<void()> alterminar);
    // Sets the enabled state of "Abrir" and the run button from the step.
    void aplicaciclo();
    void closeEvent(QCloseEvent* evento) override;

    EstadoPrograma& estado_;
    Plataforma& plataforma_;
    const DisenoArchivos& diseno_;
    CicloArchivos ciclo_;
    QGroupBox* Frame3_;
    QLabel *label7_, *Label8_, *Label9_, *Label10_;
    QLineEdit *Text1_, *Text2_;
    QPushButton *botabrir_, *botcorrida_, *botterminar_;

private:
    std::string clave(int archivo) const;
    Apertura cancela();
    void termina(const Recuento& recuento, const std::function<void()>& alterminar);

    // The results file of the last "Abrir": the one the run's count line
    // counts, even if another window's "Abrir" changed the program's results
    // file path while the run was going on.
    std::filesystem::path rutaresultados_;
    QVBoxLayout* zonapropia_;
    std::unique_ptr<Trabajo> trabajo_;
};

}  // namespace rumbal
