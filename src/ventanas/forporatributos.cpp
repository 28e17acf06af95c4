#include "ventanas/forporatributos.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archivos/seleccion.hpp"
#include "catalogos/carga.hpp"
#include "ventanas/controles.hpp"

namespace rumbal {

Forporatributos::Forporatributos(EstadoPrograma& estado, Plataforma& plataforma, QWidget* padre)
    : VentanaArchivos(estado, plataforma, disenoatributos, padre) {
    Label1_ = controles::etiqueta(this, "Label1", QString());
    zonapropia()->addWidget(Label1_);
    Frame1_ = new QGroupBox(QStringLiteral("Listado de atributos"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    auto* rejilla = new QGridLayout(Frame1_);
    lst_Atrib_ = controles::lista(Frame1_, "lst_Atrib");
    controles::rotulado(rejilla, 0, controles::etiqueta(Frame1_, "Label2", QStringLiteral("Nombre")), lst_Atrib_);
    lst_Atrib_->setAccessibleName(QStringLiteral("Atributo"));
    controles::abreconteclas(lst_Atrib_);  // the choice is final
    zonapropia()->addWidget(Frame1_);
    Label3_ = controles::etiqueta(this, "Label3", QString());
    zonapropia()->addWidget(Label3_);

    QObject::connect(lst_Atrib_, &QComboBox::activated, this, [this](int i) { lst_Atrib_Click(i); });
    conectabotones([this] { botabrir_Click(); }, [this] { botgenerar_Click(); });
}

bool Forporatributos::Form_Load() {
    estado_.cierratodo();
    if (!cargalista(cargaatributos(estado_.carpeta), atributos_, lst_Atrib_)) return false;
    Label1_->setText(QStringLiteral("Seleccione un atributo"));
    label7_->setText(QStringLiteral("Archivo Completo"));
    Label8_->setText(QStringLiteral("Archivo a Generar"));
    lst_Atrib_->setFocus();
    return true;
}

void Forporatributos::lst_Atrib_Click(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= atributos_.size()) return;
    Label1_->setEnabled(false);
    elegido_ = atributos_[static_cast<std::size_t>(i)];
    Label1_->setText(QStringLiteral("atributo seleccionado"));
    Label3_->setText(QStringLiteral("Seleccione los Archivos con el botón Abrir"));
    // "Abrir" first, so that the focus leaving the list goes there.
    ciclo_.elige();
    aplicaciclo();
    lst_Atrib_->setEnabled(false);
}

void Forporatributos::botabrir_Click() {
    Label1_->setEnabled(false);
    Frame1_->setEnabled(false);
    abreseleccion(Label3_);
}

void Forporatributos::botgenerar_Click() {
    const std::string atributo = elegido_;
    corre([atributo](std::istream& completo, std::ostream& generado,
                     const Avance& avance) { return seleccionaatributo(completo, generado, atributo, avance); },
          [this] {
              Label3_->setEnabled(false);
              botterminar_->setFocus();
              Text1_->setEnabled(false);
              Text2_->setEnabled(false);
          });
}

}  // namespace rumbal
