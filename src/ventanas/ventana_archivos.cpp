#include "ventanas/ventana_archivos.hpp"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogos/entradas.hpp"
#include "textos/lector_campos.hpp"
#include "ventanas/controles.hpp"
#include "ventanas/texto_qt.hpp"
#include "ventanas/textos_cuenta.hpp"

namespace rumbal {

namespace {

std::filesystem::path rutade(const QString& ruta) { return std::filesystem::path(ruta.toStdString()); }

bool mismoarchivo(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

}  // namespace

const QString VentanaArchivos::filtrodatos = QStringLiteral("Texto(*.txt)|*.txt|Todos los archivos(*.*)|*.*");
const QString VentanaArchivos::filtroresultados = QStringLiteral("Texto(*.txt)|*.txt");

VentanaArchivos::VentanaArchivos(EstadoPrograma& estado, Plataforma& plataforma, const DisenoArchivos& diseno,
                                 QWidget* padre)
    : QWidget(padre), estado_(estado), plataforma_(plataforma), diseno_(diseno), ciclo_(*diseno_.ciclo) {
    setObjectName(desdeutf8(diseno_.nombre));
    setWindowTitle(desdeutf8(diseno_.titulo));

    auto* principal = new QVBoxLayout(this);
    zonapropia_ = new QVBoxLayout;
    principal->addLayout(zonapropia_);

    Frame3_ = new QGroupBox(QStringLiteral("Archivos"), this);
    Frame3_->setObjectName(QStringLiteral("Frame3"));
    auto* rejilla = new QGridLayout(Frame3_);
    const auto fila = [&](int i, const char* rotulo, const char* caja) {
        auto* l = new QLabel(Frame3_);
        l->setObjectName(QString::fromUtf8(rotulo));
        auto* t = new QLineEdit(Frame3_);
        t->setObjectName(QString::fromUtf8(caja));
        t->setReadOnly(true);
        t->setFocusPolicy(Qt::ClickFocus);  // shown, not typed: Tab passes it by
        t->setMinimumWidth(420);
        l->setBuddy(t);
        rejilla->addWidget(l, i, 0);
        rejilla->addWidget(t, i, 1);
        return std::pair{l, t};
    };
    std::tie(label7_, Text1_) = fila(0, "label7", "Text1");
    std::tie(Label8_, Text2_) = fila(1, "Label8", "Text2");
    principal->addWidget(Frame3_);

    botabrir_ = controles::boton(this, "botabrir", QStringLiteral("Abrir"));
    botcorrida_ =
        controles::boton(this, std::string(diseno_.corrida->nombre).c_str(), desdeutf8(diseno_.corrida->texto));
    botterminar_ = controles::boton(this, "botterminar", QStringLiteral("Terminar"));
    controles::filabotones(principal, {botabrir_, botcorrida_, botterminar_});

    Label9_ = new QLabel(this);
    Label9_->setObjectName(QStringLiteral("Label9"));
    Label10_ = new QLabel(this);
    Label10_->setObjectName(QStringLiteral("Label10"));
    principal->addWidget(Label9_);
    principal->addWidget(Label10_);

    trabajo_ = std::make_unique<Trabajo>(this, principal, QStringLiteral("Avance de la corrida"));
    principal->addStretch(1);

    QObject::connect(botterminar_, &QPushButton::clicked, this, [this] { close(); });
}

VentanaArchivos::~VentanaArchivos() { trabajo_.reset(); }

std::string VentanaArchivos::clave(int archivo) const {
    return std::string(diseno_.nombre) + "#" + std::to_string(archivo);
}

void VentanaArchivos::conectabotones(std::function<void()> abrir, std::function<void()> correr) {
    QObject::connect(botabrir_, &QPushButton::clicked, this, std::move(abrir));
    QObject::connect(botcorrida_, &QPushButton::clicked, this, std::move(correr));
    aplicaciclo();
}

void VentanaArchivos::aplicaciclo() {
    botabrir_->setEnabled(ciclo_.abrir());
    botcorrida_->setEnabled(ciclo_.correr());
}

VentanaArchivos::Apertura VentanaArchivos::abrepar(const Dialogo& datos, const Dialogo& resultados) {
    const QString desconocido = QStringLiteral("Error desconocido");
    // A second "Abrir" while the files of the first are still open.
    if (estado_.archivos.abierto(clave(1)) || estado_.archivos.abierto(clave(2))) {
        plataforma_.mensaje(this, desconocido);
        return Apertura::fallida;
    }
    const auto rutadatos = plataforma_.abrearchivo(this, datos.titulo, datos.filtro);
    if (!rutadatos) return cancela();
    if (!estado_.archivos.abrelectura(clave(1), rutade(*rutadatos))) {
        plataforma_.mensaje(this, desconocido);
        return Apertura::fallida;
    }
    Text1_->setText(*rutadatos);
    if (!datos.rotulo.isEmpty()) label7_->setText(datos.rotulo);

    const auto rutaresultados = plataforma_.abrearchivo(this, resultados.titulo, resultados.filtro);
    if (!rutaresultados) return cancela();
    const std::filesystem::path destino = rutade(*rutaresultados);
    if (escatalogo(destino, estado_.carpeta) || mismoarchivo(destino, rutade(*rutadatos))) {
        estado_.archivos.cierra(clave(1));
        plataforma_.avisa(
            this, escatalogo(destino, estado_.carpeta)
                      ? QStringLiteral("No se pueden grabar resultados en un catálogo del programa: elija otro archivo")
                      : QStringLiteral("El archivo de resultados no puede ser el mismo archivo de datos: elija otro "
                                       "archivo"));
        return Apertura::fallida;
    }
    if (!estado_.archivos.abreagregado(clave(2), destino)) {
        // Only what this step opened is closed, so that "Abrir" can be tried again.
        estado_.archivos.cierra(clave(1));
        plataforma_.mensaje(this, desconocido);
        return Apertura::fallida;
    }
    estado_.rutaresultados = destino;
    rutaresultados_ = destino;
    Text2_->setText(*rutaresultados);
    if (!resultados.rotulo.isEmpty()) Label8_->setText(resultados.rotulo);
    ciclo_.pasa(Paso::abiertos);
    aplicaciclo();
    botcorrida_->setFocus();
    return Apertura::abiertos;
}

VentanaArchivos::Apertura VentanaArchivos::abrecalculo(const QString& titulodatos) {
    return abrepar({titulodatos, filtrodatos, QStringLiteral("Archivo de Datos")},
                   {QStringLiteral("abrir el archivo donde se grabarán los resultados"), filtroresultados,
                    QStringLiteral("Archivo de Resultados")});
}

void VentanaArchivos::abreseleccion(QLabel* indicacion) {
    const Apertura a = abrepar({QStringLiteral("abrir el archivo Completo "), filtrodatos, QString()},
                               {QStringLiteral("abrir el archivo a Generar"), filtroresultados, QString()});
    if (a == Apertura::abiertos) indicacion->setText(QStringLiteral("Para procesar clikee Generar"));
}

// A cancelled dialog closes every open file, silently; with no files the run
// button goes back to disabled.
VentanaArchivos::Apertura VentanaArchivos::cancela() {
    estado_.cierratodo();
    ciclo_.pasa(Paso::elegido);
    aplicaciclo();
    return Apertura::cancelada;
}

bool VentanaArchivos::corre(Corrida corrida, std::function<void()> alterminar) {
    std::shared_ptr<std::ifstream> datos = estado_.archivos.tomalectura(clave(1));
    std::shared_ptr<Anexo> resultados = estado_.archivos.tomaagregado(clave(2));
    if (!datos || !resultados) {
        // Another window closed them (every window that starts file work does).
        estado_.archivos.cierra(clave(1));
        estado_.archivos.cierra(clave(2));
        ciclo_.pasa(Paso::elegido);
        aplicaciclo();
        plataforma_.avisa(this,
                          QStringLiteral("Los archivos ya no están abiertos: ábralos otra vez con el botón Abrir"));
        return false;
    }
    const std::uintmax_t tamano = Trabajo::tamanode(*datos);
    ciclo_.pasa(Paso::corriendo);
    aplicaciclo();
    // The counts of an earlier run would read as this one's.
    Label9_->clear();
    Label10_->clear();
    trabajo_->inicia(
        [datos, resultados, corrida = std::move(corrida), tamano](Trabajo::Progreso& progreso) {
            Recuento r = corrida(*datos, *resultados, progreso.avance(*datos, tamano));
            datos->close();
            cierraresultados(*resultados, r);
            return r;
        },
        [this, alterminar = std::move(alterminar)](const Recuento& r) { termina(r, alterminar); });
    return true;
}

void VentanaArchivos::termina(const Recuento& r, const std::function<void()>& alterminar) {
    const QString rutadatos = Text1_->text();
    Label9_->setText(QString::fromUtf8(textocuenta(r.registros, diseno_.corrida->puntos)));
    if (r.lineasarchivo) Label10_->setText(QString::fromUtf8(textocuenta(*r.lineasarchivo, diseno_.enelarchivo)));
    ciclo_.pasa(Paso::hecho);
    aplicaciclo();
    if (alterminar) alterminar();
    if (r.estado == Estado::fallo)
        plataforma_.avisa(this, aqt(r.mensaje) + QStringLiteral("\n\nArchivo de datos: ") + rutadatos +
                                    QStringLiteral("\nLos puntos grabados antes quedan en el archivo de resultados."));
}

void VentanaArchivos::closeEvent(QCloseEvent* evento) {
    // Closing during a run stops it at a record boundary; the files are
    // closed with whole lines before the window goes.
    trabajo_->terminaya();
    QWidget::closeEvent(evento);
}

}  // namespace rumbal
