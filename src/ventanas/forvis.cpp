#include "ventanas/forvis.hpp"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "archivos/indice_registros.hpp"
#include "archivos/registro_punto.hpp"
#include "ventanas/controles.hpp"
#include "ventanas/modelo_listado.hpp"
#include "ventanas/texto_qt.hpp"
#include "ventanas/ventana_archivos.hpp"

namespace rumbal {

Forvis::Forvis(EstadoPrograma& estado, Plataforma& plataforma, const ConjuntoVista& conjunto, QWidget* padre)
    : QWidget(padre), estado_(estado), plataforma_(plataforma), conjunto_(conjunto), ciclo_(ciclovista) {
    setObjectName(desdeutf8(conjunto_.nombre));
    setWindowTitle(desdeutf8(conjunto_.titulo));
    auto* principal = new QVBoxLayout(this);
    Label1_ = controles::etiqueta(this, "Label1", desdeutf8(conjunto_.indicacion));
    principal->addWidget(Label1_);

    Frame3_ = new QGroupBox(QStringLiteral("Archivo"), this);
    Frame3_->setObjectName(QStringLiteral("Frame3"));
    auto* rejilla = new QGridLayout(Frame3_);
    label7_ = controles::etiqueta(Frame3_, "label7", QStringLiteral("Archivo a visualizar"));
    Text1_ = controles::caja(Frame3_, "Text1");
    Text1_->setReadOnly(true);
    Text1_->setFocusPolicy(Qt::ClickFocus);  // shown, not typed: Tab passes it by
    Text1_->setMinimumWidth(420);
    controles::rotulado(rejilla, 0, label7_, Text1_);
    principal->addWidget(Frame3_);

    botabrir_ = controles::boton(this, "botabrir", QStringLiteral("Abrir"));
    botlistar_ = controles::boton(this, "botlistar", QStringLiteral("Listar"));
    botsalir_ = controles::boton(this, "botsalir", QStringLiteral("Salir"));
    controles::filabotones(principal, {botabrir_, botlistar_, botsalir_})->addStretch(1);

    QStringList cabeceras;
    for (std::string_view c : conjunto_.cabeceras) cabeceras << desdeutf8(c);
    modelo_ = new ModeloListado(cabeceras, {conjunto_.columnas.begin(), conjunto_.columnas.end()}, this);
    lvwarchivo_ = new QTableView(this);
    lvwarchivo_->setObjectName(QStringLiteral("lvwarchivo"));
    lvwarchivo_->setAccessibleName(QStringLiteral("Puntos del archivo"));
    lvwarchivo_->setModel(modelo_);
    lvwarchivo_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwarchivo_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Rows of one height: a million of them cost nothing to lay out.
    lvwarchivo_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lvwarchivo_->verticalHeader()->setDefaultSectionSize(lvwarchivo_->fontMetrics().height() + 6);
    lvwarchivo_->horizontalHeader()->setStretchLastSection(true);
    principal->addWidget(lvwarchivo_, 1);

    trabajo_ = std::make_unique<Trabajo>(this, principal, QStringLiteral("Avance de la lectura"));
    resize(900, 560);

    QObject::connect(botabrir_, &QPushButton::clicked, this, [this] { botabrir_Click(); });
    QObject::connect(botlistar_, &QPushButton::clicked, this, [this] { botlistar_Click(); });
    QObject::connect(botsalir_, &QPushButton::clicked, this, [this] { close(); });
}

Forvis::~Forvis() { trabajo_.reset(); }

bool Forvis::Form_Load() {
    aplicaciclo();
    botabrir_->setFocus();
    return true;
}

void Forvis::aplicaciclo() {
    botabrir_->setEnabled(ciclo_.abrir());
    botlistar_->setEnabled(ciclo_.correr());
}

std::string Forvis::clave() const { return objectName().toStdString() + "#1"; }

void Forvis::botabrir_Click() {
    estado_.cierratodo();
    const auto ruta = plataforma_.abrearchivo(this, desdeutf8(conjunto_.titulodialogo), VentanaArchivos::filtrodatos);
    if (!ruta) return;
    if (!estado_.archivos.abrelectura(clave(), ruta->toStdString())) {
        plataforma_.mensaje(this, QStringLiteral("Error desconocido"));
        return;
    }
    Text1_->setText(*ruta);
    ciclo_.pasa(Paso::abiertos);
    aplicaciclo();
    Frame3_->setEnabled(false);
    Label1_->setText(QStringLiteral("Para visualizar presione Listar"));
    botlistar_->setFocus();
}

void Forvis::botlistar_Click() {
    std::shared_ptr<std::ifstream> archivo = estado_.archivos.tomalectura(clave());
    if (!archivo) {
        // Another window closed it (every window that starts file work does).
        ciclo_.pasa(Paso::elegido);
        aplicaciclo();
        Frame3_->setEnabled(true);
        plataforma_.avisa(this, QStringLiteral("El archivo ya no está abierto: ábralo otra vez con el botón Abrir"));
        return;
    }
    const std::uintmax_t tamano = Trabajo::tamanode(*archivo);
    const std::filesystem::path ruta = Text1_->text().toStdString();
    auto indexado = std::make_shared<Indexado>();
    ciclo_.pasa(Paso::corriendo);
    aplicaciclo();
    trabajo_->inicia(
        [archivo, tamano, indexado](Trabajo::Progreso& progreso) {
            *indexado = indexa(*archivo, columnaspunto, progreso.avance(*archivo, tamano));
            archivo->close();
            return indexado->recuento;
        },
        [this, indexado, ruta](const Recuento& r) {
            modelo_->muestra(std::move(indexado->indice), ruta);
            anchocolumnas();
            ciclo_.pasa(Paso::hecho);
            aplicaciclo();
            Label1_->setEnabled(false);
            Text1_->setEnabled(false);
            if (r.estado == Estado::fallo)
                plataforma_.avisa(this, aqt(r.mensaje) + QStringLiteral("\n\nArchivo: ") + Text1_->text() +
                                            QStringLiteral("\nSe muestran los puntos anteriores."));
        });
}

// Columns as wide as the widest cell of the first and of the last screen:
// point names grow along a file.
void Forvis::anchocolumnas() {
    lvwarchivo_->scrollToBottom();
    lvwarchivo_->resizeColumnsToContents();
    std::vector<int> anchos;
    for (int c = 0; c < modelo_->columnCount(); ++c) anchos.push_back(lvwarchivo_->columnWidth(c));
    lvwarchivo_->scrollToTop();
    lvwarchivo_->resizeColumnsToContents();
    for (int c = 0; c < modelo_->columnCount(); ++c)
        lvwarchivo_->setColumnWidth(c, std::max(anchos[static_cast<std::size_t>(c)], lvwarchivo_->columnWidth(c)));
}

void Forvis::closeEvent(QCloseEvent* evento) {
    trabajo_->terminaya();
    QWidget::closeEvent(evento);
}

}  // namespace rumbal
