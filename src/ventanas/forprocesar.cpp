#include "ventanas/forprocesar.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "archivos/procesamiento.hpp"
#include "catalogos/carga.hpp"
#include "ventanas/controles.hpp"
#include "ventanas/modos_proceso.hpp"
#include "ventanas/texto_qt.hpp"
#include "ventanas/textos_parametros.hpp"

namespace rumbal {

Forprocesar::Forprocesar(EstadoPrograma& estado, Plataforma& plataforma, QWidget* padre)
    : VentanaArchivos(estado, plataforma, disenoprocesar, padre) {
    const auto grupo = [&](const char* nombre, const QString& titulo, QComboBox*& lista, const char* nombrelista,
                           std::array<QLabel*, 6>& etiquetas, const char* arreglo) {
        auto* g = new QGroupBox(titulo, this);
        g->setObjectName(QString::fromUtf8(nombre));
        auto* rejilla = new QGridLayout(g);
        lista = controles::lista(g, nombrelista);
        controles::rotulado(rejilla, 0, controles::etiqueta(g, std::string(nombre) == "Frame1" ? "Label1" : "Label2",
                                                             QStringLiteral("Nombre")),
                            lista);
        for (int i = 0; i < 6; ++i) {
            const std::string n = std::string(arreglo) + "(" + std::to_string(i) + ")";
            etiquetas[static_cast<std::size_t>(i)] = controles::etiqueta(g, n.c_str(), QString());
            rejilla->addWidget(etiquetas[static_cast<std::size_t>(i)], i == 0 ? 1 : i + 1, 0, 1, 2);
        }
        zonapropia()->addWidget(g);
    };
    grupo("Frame1", QStringLiteral("ELIPSOIDE"), lst_elipso_, "lst_elipso", Label3_, "Label3");
    grupo("Frame2", QStringLiteral("Representación plana"), lst_param_, "lst_param", Label4_, "Label4");
    // Both lists have the caption "Nombre": each is named by what it holds.
    lst_elipso_->setAccessibleName(QStringLiteral("Elipsoide de los datos"));
    lst_param_->setAccessibleName(QStringLiteral("Representación plana de los datos"));
    label7_->setText(QStringLiteral("Archivos de datos"));
    Label8_->setText(QStringLiteral("Archivos de resultados"));

    QObject::connect(lst_elipso_, &QComboBox::activated, this, [this](int i) { lst_elipso_Click(i); });
    QObject::connect(lst_param_, &QComboBox::activated, this, [this](int i) { lst_param_Click(i); });
    conectabotones([this] { botabrir_Click(); }, [this] { botcalcular_Click(); });
}

bool Forprocesar::Form_Load() {
    estado_.cierratodo();
    Label3_[0]->setText(QStringLiteral("Seleccione los parámetros correspondientes"));
    if (!cargalista(cargaelipsoides(estado_.carpeta), elipsoides_, lst_elipso_) ||
        !cargalista(cargarepresentaciones(estado_.carpeta), representaciones_, lst_param_))
        return false;
    lst_elipso_->setFocus();
    return true;
}

void Forprocesar::lst_elipso_Click(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= elipsoides_.size()) return;
    const Elipsoide& e = elipsoides_[static_cast<std::size_t>(i)].valores;
    estado_.elipsoide = e;
    const auto textos = textoselipsoide(e, true);
    for (std::size_t k = 0; k < textos.size(); ++k) Label3_[k + 1]->setText(aqt(textos[k]));
}

void Forprocesar::lst_param_Click(int j) {
    if (j < 0 || static_cast<std::size_t>(j) >= representaciones_.size()) return;
    const RepresentacionPlana& r = representaciones_[static_cast<std::size_t>(j)].valores;
    estado_.representacion = r;
    const auto textos = textosrepresentacion(r);
    for (std::size_t k = 0; k < textos.size(); ++k) Label4_[k + 1]->setText(aqt(textos[k]));
    ciclo_.elige();
    aplicaciclo();
    Label4_[0]->setText(QStringLiteral("Seleccione los archivos con el botón Abrir"));
    Label3_[0]->setEnabled(false);
}

void Forprocesar::botabrir_Click() {
    if (abrecalculo(QString::fromUtf8(titulodatos(estado_.modoventana))) != Apertura::abiertos) return;
    Text1_->setEnabled(true);
    Text2_->setEnabled(true);
    Label4_[0]->setEnabled(true);
    Label4_[0]->setText(QStringLiteral("Para procesar clikee Calcular"));
}

void Forprocesar::botcalcular_Click() {
    const ModoProceso* modo = buscamodo(estado_.modoventana);
    if (!modo) {
        plataforma_.avisa(this, QStringLiteral("Elija en el menú Archivo qué datos va a procesar: Datos: B,L,h, "
                                               "Datos: x,y,z o Datos: X,Y"));
        return;
    }
    const int e = lst_elipso_->currentIndex();
    const int r = lst_param_->currentIndex();
    if (e < 0) {
        plataforma_.avisa(this, QStringLiteral("Elija el elipsoide de los datos"));
        return;
    }
    // The entries chosen here are both what is computed with and the names
    // written in the last two columns, so the two always agree.
    Proceso p;
    p.modo = modo->datos;
    p.elipsoide = elipsoides_[static_cast<std::size_t>(e)].valores;
    p.nombreelipsoide = elipsoides_[static_cast<std::size_t>(e)].nombre;
    if (r >= 0) {
        p.representacion = representaciones_[static_cast<std::size_t>(r)].valores;
        p.nombrerepresentacion = representaciones_[static_cast<std::size_t>(r)].nombre;
    }
    p.decimales = estado_.decimales;
    if (const auto revision = revisa(p); !revision) {
        plataforma_.avisa(this, frase(revision.error().mensaje()));
        return;
    }
    corre([p](std::istream& datos, std::ostream& resultados,
              const Avance& avance) { return procesa(datos, resultados, p, avance); },
          [this] {
              Label4_[0]->setEnabled(false);
              Text1_->setEnabled(false);
              Text2_->setEnabled(false);
          });
}

}  // namespace rumbal
