#include "ventanas/fortranar.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "archivos/transformacion_archivo.hpp"
#include "catalogos/carga.hpp"
#include "geodesia/dominio.hpp"
#include "geodesia/transformacion.hpp"
#include "ventanas/controles.hpp"
#include "ventanas/texto_qt.hpp"
#include "ventanas/textos_parametros.hpp"

namespace rumbal {

Fortranar::Fortranar(EstadoPrograma& estado, Plataforma& plataforma, QWidget* padre)
    : VentanaArchivos(estado, plataforma, disenotransformar, padre) {
    Label1_ = controles::etiqueta(this, "Label1", QStringLiteral("Elija el marco de referencia de los datos"));
    zonapropia()->addWidget(Label1_);

    auto* marcos = new QHBoxLayout;
    auto* Frame1 = new QGroupBox(QStringLiteral("M.de Refer. Datos"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    lst_partra_ = controles::lista(Frame1, "lst_partra");
    (new QVBoxLayout(Frame1))->addWidget(lst_partra_);
    lst_partra_->setAccessibleName(QStringLiteral("Marco de referencia de los datos"));
    Frame41_ = new QGroupBox(QStringLiteral("M.de Refer. Destino"), this);
    Frame41_->setObjectName(QStringLiteral("Frame41"));
    Text3_ = controles::caja(Frame41_, "Text3");
    Text3_->setReadOnly(true);
    Text3_->setAccessibleName(QStringLiteral("Marco de referencia de destino"));
    (new QVBoxLayout(Frame41_))->addWidget(Text3_);
    Frame41_->setVisible(false);
    marcos->addWidget(Frame1);
    marcos->addWidget(Frame41_);
    zonapropia()->addLayout(marcos);

    auto* parametros = new QGridLayout;
    const auto parametro = [&](const char* nombre, int fila, int columna) {
        QLabel* l = controles::etiqueta(this, nombre, QString());
        parametros->addWidget(l, fila, columna);
        return l;
    };
    Label3_ = parametro("Label3", 0, 0);
    Label2_ = parametro("Label2", 1, 0);
    Label14_ = parametro("Label14", 2, 0);
    Label15_ = parametro("Label15", 0, 1);
    Label16_ = parametro("Label16", 1, 1);
    Label17_ = parametro("Label17", 2, 1);
    Label18_ = parametro("Label18", 3, 0);
    zonapropia()->addLayout(parametros);
    Label40_ = controles::etiqueta(this, "Label4(0)", QString());
    zonapropia()->addWidget(Label40_);

    label7_->setText(QStringLiteral("Archivos de datos"));
    Label8_->setText(QStringLiteral("Archivos de resultados"));
    QObject::connect(lst_partra_, &QComboBox::activated, this, [this](int i) { lst_partra_Click(i); });
    conectabotones([this] { botabrir_Click(); }, [this] { botcalcular_Click(); });
}

bool Fortranar::Form_Load() {
    estado_.cierratodo();
    if (!cargalista(cargamarcos(estado_.carpeta), marcos_, lst_partra_)) return false;
    lst_partra_->setFocus();
    return true;
}

void Fortranar::lst_partra_Click(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= marcos_.size()) return;
    Frame41_->setVisible(true);
    // The other frame of the pair.
    Text3_->setText(lst_partra_->itemText(i == 0 ? 1 : 0));
    estado_.transformacion = cargatransf(marcos_[static_cast<std::size_t>(i)].parametros);
    const auto textos = textostransformacion(estado_.transformacion);
    const std::array<QLabel*, 7> etiquetas = {Label3_, Label2_, Label14_, Label15_, Label16_, Label17_, Label18_};
    for (std::size_t k = 0; k < textos.size(); ++k) etiquetas[k]->setText(aqt(textos[k]));
    Label40_->setText(QStringLiteral("Clikee el botón Abrir"));
    Label1_->setEnabled(false);
    ciclo_.elige();
    aplicaciclo();
}

void Fortranar::botabrir_Click() {
    if (abrecalculo(QStringLiteral("abrir el archivo de coordenadas cartesianas")) == Apertura::abiertos)
        Label40_->setText(QStringLiteral("Clikee el botón Calcular"));
}

void Fortranar::botcalcular_Click() {
    // The current transformation when the run starts: chosen here, in the
    // main window's panel, or all zeros when none was ever chosen.
    const Transformacion t = estado_.transformacion;
    const Decimales d = estado_.decimales;
    if (const auto revision = dominio::revisa(t); !revision) {
        plataforma_.avisa(this, QStringLiteral("No se puede calcular con la transformación elegida: ") +
                                    aqt(revision.error().mensaje()));
        return;
    }
    corre([t, d](std::istream& datos, std::ostream& resultados,
                 const Avance& avance) { return transformaarchivo(datos, resultados, t, d, avance); },
          [this] {
              Text1_->setText(QStringLiteral(" "));
              Text2_->setText(QStringLiteral(" "));
              Label40_->setText(QString());
          });
}

}  // namespace rumbal
