#include "ventanas/forgenerar.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "archivos/registro_punto.hpp"
#include "archivos/seleccion.hpp"
#include "ventanas/controles.hpp"
#include "ventanas/textos_cuenta.hpp"

namespace rumbal {

Forgenerar::Forgenerar(EstadoPrograma& estado, Plataforma& plataforma, QWidget* padre)
    : VentanaArchivos(estado, plataforma, disenocolumnas, padre) {
    auto* rejilla = new QGridLayout;
    Label1_ = controles::etiqueta(this, "Label1", QString());
    List1_ = new QListWidget(this);
    List1_->setObjectName(QStringLiteral("List1"));
    List1_->setAccessibleName(QStringLiteral("Columnas del archivo completo"));
    List2_ = new QListWidget(this);
    List2_->setObjectName(QStringLiteral("List2"));
    List2_->setAccessibleName(QStringLiteral("Columnas seleccionadas, en orden"));
    List2_->setFocusPolicy(Qt::NoFocus);
    List2_->setSelectionMode(QAbstractItemView::NoSelection);
    botfin_ = controles::boton(this, "botfin", QStringLiteral("FIN Selección"));
    Label3_ = controles::etiqueta(this, "Label3", QString());
    Label2_ = controles::etiqueta(this, "Label2", QString());
    rejilla->addWidget(Label1_, 0, 0, 1, 2);
    rejilla->addWidget(List1_, 1, 0);
    rejilla->addWidget(List2_, 1, 1);
    rejilla->addWidget(botfin_, 2, 0);
    rejilla->addWidget(Label3_, 2, 1);
    rejilla->addWidget(Label2_, 3, 0, 1, 2);
    zonapropia()->addLayout(rejilla);

    QObject::connect(List1_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        List1_ItemCheck(List1_->row(item), item->checkState() == Qt::Checked);
    });
    QObject::connect(botfin_, &QPushButton::clicked, this, [this] { botfin_Click(); });
    conectabotones([this] { botabrir_Click(); }, [this] { botgenerar_Click(); });
}

bool Forgenerar::Form_Load() {
    Label1_->setText(QStringLiteral("Seleccione las columnas que desee incluir"));
    label7_->setText(QStringLiteral("Archivo Completo"));
    Label8_->setText(QStringLiteral("Archivo a Generar"));
    const QSignalBlocker callado(List1_);
    for (std::string_view nombre : nombrescolumnas) {
        auto* item = new QListWidgetItem(QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size())),
                                         List1_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    // All fifteen names in sight, without scrolling.
    List1_->setSpacing(1);  // tick boxes that do not touch each other
    List1_->setMinimumHeight((List1_->sizeHintForRow(0) + 2 * List1_->spacing()) * List1_->count() +
                             2 * List1_->frameWidth());
    Label2_->setVisible(false);
    List1_->setFocus();
    return true;
}

void Forgenerar::List1_ItemCheck(int k, bool marcado) {
    if (k < 0 || static_cast<std::size_t>(k) >= columnaspunto) return;
    const auto columna = static_cast<std::size_t>(k);
    if (marcado) {
        if (eleccion_.posicion(columna) >= 0) return;
        eleccion_.marca(columna);
        List2_->addItem(List1_->item(k)->text());
    } else if (const int i = eleccion_.posicion(columna); i >= 0) {
        eleccion_.desmarca(columna);
        delete List2_->takeItem(i);
    }
}

void Forgenerar::botfin_Click() {
    if (eleccion_.columnas().empty()) {
        plataforma_.avisa(this, QStringLiteral("Marque al menos una columna antes de terminar la selección"));
        return;
    }
    ciclo_.elige();
    aplicaciclo();
    Label1_->setEnabled(false);
    List1_->setEnabled(false);
    botfin_->setEnabled(false);  // the choice is final
    Label2_->setVisible(true);
    Label3_->setText(QString::fromUtf8(textocolumnaselegidas(eleccion_.columnas().size())));
    Label2_->setText(QStringLiteral("Seleccione los Archivos con el botón Abrir"));
}

void Forgenerar::botabrir_Click() {
    estado_.cierratodo();
    Label1_->setEnabled(false);
    abreseleccion(Label2_);
}

void Forgenerar::botgenerar_Click() {
    const std::vector<std::size_t> columnas = eleccion_.columnas();
    corre([columnas](std::istream& completo, std::ostream& generado,
                     const Avance& avance) { return seleccionacolumnas(completo, generado, columnas, avance); },
          [this] {
              Label2_->setText(QStringLiteral(" "));
              botterminar_->setFocus();
          });
}

}  // namespace rumbal
