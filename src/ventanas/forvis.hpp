#pragma once
// The viewers of a complete point file: one window, three sets of columns
// (geodetic, geocentric, plane). "Abrir" chooses the file and "Listar" reads
// it, record by record (fifteen fields wherever they stand), into a table that
// shows a file of any size at once: the records' places are found on a
// thread of their own, with progress and "Cancelar", and each row is read
// only when it is shown.

#include <QWidget>
#include <memory>

#include "estado/estado.hpp"
#include "ventanas/ciclo_archivos.hpp"
#include "ventanas/clases_qt.hpp"
#include "ventanas/plataforma.hpp"
#include "ventanas/trabajo.hpp"
#include "ventanas/vistas.hpp"

namespace rumbal {

class ModeloListado;

class Forvis : public QWidget {
public:
    Forvis(EstadoPrograma& estado, Plataforma& plataforma, const ConjuntoVista& conjunto, QWidget* padre = nullptr);
    ~Forvis() override;

    bool Form_Load();
    void botabrir_Click();
    void botlistar_Click();

    bool encurso() const { return trabajo_->encurso(); }
    Trabajo& trabajo() { return *trabajo_; }
    const ModeloListado& modelo() const { return *modelo_; }

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void aplicaciclo();
    std::string clave() const;  // of its open file
    void anchocolumnas();

    EstadoPrograma& estado_;
    Plataforma& plataforma_;
    const ConjuntoVista& conjunto_;
    CicloArchivos ciclo_;
    QLabel *Label1_, *label7_;
    QGroupBox* Frame3_;
    QLineEdit* Text1_;
    QPushButton *botabrir_, *botlistar_, *botsalir_;
    QTableView* lvwarchivo_;
    ModeloListado* modelo_;
    std::unique_ptr<Trabajo> trabajo_;
};

}  // namespace rumbal
