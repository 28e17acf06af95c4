#include "ventanas/editor_catalogo.hpp"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogos/carga.hpp"
#include "catalogos/elipsoide_nuevo.hpp"
#include "catalogos/procedimientos.hpp"
#include "ventanas/controles.hpp"
#include "ventanas/texto_qt.hpp"

namespace rumbal {

namespace {
std::string nombre(std::string_view t) { return std::string(t); }
const QString blanco = QStringLiteral(" ");
}  // namespace

EditorCatalogo::EditorCatalogo(EstadoPrograma& estado, Plataforma& plataforma, EnlacesPrograma enlaces,
                               const DisenoEditor& diseno, QWidget* padre)
    : VentanaCatalogo(estado, plataforma, std::move(enlaces), desdeutf8(diseno.nombre), desdeutf8(diseno.titulo),
                      padre),
      diseno_(diseno) {
    auto* principal = new QVBoxLayout(this);

    Frame2_ = new QGroupBox(desdeutf8(diseno_.marcodatos), this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    auto* datos = new QGridLayout(Frame2_);
    int fila = 0;
    for (std::size_t i = 0; i < diseno_.cajas.size(); ++i) {
        QLineEdit* caja = controles::caja(Frame2_, nombrecaja(i, diseno_.cajas.size()).c_str());
        caja->setMinimumWidth(220);
        const auto rotulo = controles::etiqueta(Frame2_, nombrerotulo(i).c_str(), desdeutf8(diseno_.cajas[i].texto));
        controles::rotulado(datos, fila++, rotulo, caja);
        cajas_.push_back(caja);
    }
    principal->addWidget(Frame2_);

    Frame1_ = new QGroupBox(desdeutf8(diseno_.marcolista), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    auto* listado = new QGridLayout(Frame1_);
    lista_ = controles::lista(Frame1_, nombre(diseno_.lista).c_str());
    Label2_ = controles::etiqueta(Frame1_, "Label2", QStringLiteral("Nombre"));
    controles::rotulado(listado, 0, Label2_, lista_);
    principal->addWidget(Frame1_);

    Label3_ = controles::etiqueta(this, "Label3", QString());
    principal->addWidget(Label3_);
    agregar_ = controles::boton(this, nombre(diseno_.agregar).c_str(), QStringLiteral("Agregar"));
    borrar_ = controles::boton(this, nombre(diseno_.borrar).c_str(), QStringLiteral("Borrar"));
    terminar_ = controles::boton(this, nombre(diseno_.terminar).c_str(), QStringLiteral("Terminar"));
    controles::filabotones(principal, {agregar_, borrar_, terminar_});

    // At first only "Terminar" works; the mode opens the rest.
    for (QWidget* w : std::initializer_list<QWidget*>{Frame1_, Frame2_, agregar_, borrar_}) w->setEnabled(false);
    agregar_->installEventFilter(this);
    cajas_.front()->installEventFilter(this);
    QObject::connect(lista_, &QComboBox::activated, this, [this](int i) { lista_Click(i); });
    QObject::connect(agregar_, &QPushButton::clicked, this, [this] { BotAgr_Click(); });
    QObject::connect(borrar_, &QPushButton::clicked, this, [this] { BotBor_Click(); });
    QObject::connect(terminar_, &QPushButton::clicked, this, [this] { BotTer_Click(); });
}

bool EditorCatalogo::Form_Load() {
    estado_.cierratodo();
    ponmodo();
    if (!toma(leecatalogo(estado_.carpeta, *diseno_.catalogo), tabla_, plataforma_, this)) return false;
    cuentaalcargar_ = tabla_.size();
    lista_->clear();
    for (const Renglon& r : tabla_) lista_->addItem(aqt(textovisible(r[0])));
    lista_->setCurrentIndex(-1);
    return true;
}

void EditorCatalogo::ponmodo() {
    if (estado_.modoventana == "elibor") {
        Frame1_->setEnabled(true);
        borrar_->setEnabled(true);
        Label3_->setText(desdeutf8(diseno_.indicaborrar));
        setWindowTitle(desdeutf8(diseno_.tituloborrar));
        lista_->setFocus();
    } else if (estado_.modoventana == "eliagr") {
        agregando_ = true;
        Frame2_->setEnabled(true);
        agregar_->setEnabled(true);
        Label3_->setText(desdeutf8(diseno_.indicaagregar));
        setWindowTitle(desdeutf8(diseno_.tituloagregar));
        Label2_->setEnabled(false);
        lista_->setEnabled(false);
        cajas_.front()->setFocus();
        // A new ellipsoid comes from its entry window: its name, a and 1/f
        // as typed, and the four values they give.
        if (diseno_.catalogo == &catalogoelipsoides) {
            const auto& n = estado_.elipsoidenuevo;
            std::vector<std::string> textos = {n[0], n[1], "", "", "", ""};
            if (const auto d = derivaelipsoide(n[1], n[2])) {
                textos[2] = d->b;
                textos[3] = d->f;
                textos[4] = d->e2;
                textos[5] = d->ep2;
            }
            llenacajas(textos);
        }
    }
}

void EditorCatalogo::llenacajas(const std::vector<std::string>& textos) {
    for (std::size_t i = 0; i < cajas_.size() && i < textos.size(); ++i) cajas_[i]->setText(aqt(textos[i]));
}

void EditorCatalogo::blanquea() {
    for (QLineEdit* c : cajas_) c->setText(blanco);
}

void EditorCatalogo::lista_Click(int posicion) {
    if (diseno_.muestraelegido && posicion >= 0) {
        // By name: after a delete of a repeated name the list may hold one
        // entry more than the file until the window opens again.
        const std::string elegido = acp1252(lista_->itemText(posicion));
        for (const Renglon& r : tabla_)
            if (textovisible(r[0]) == elegido) {
                llenacajas(cajasderenglon(diseno_, r));
                break;
            }
    }
    Label3_->setText(QStringLiteral("Para confirmar clikee Borrar"));
    borrar_->setFocus();
}

void EditorCatalogo::BotAgr_Click() {
    std::vector<std::string> textos;
    for (const QLineEdit* c : cajas_) textos.push_back(acp1252(c->text()));
    const auto hecho =
        agregaentrada(estado_.carpeta, *diseno_.catalogo, renglondecajas(diseno_, textos), cuentaalcargar_);
    if (!hecho.bien()) return plataforma_.avisa(this, aqt(hecho.error().mensaje()));
    if (hecho.valor() == Agregado::lleno) {
        plataforma_.avisa(this, aqt(std::string(mensajecatalogolleno())));
        agregar_->setEnabled(false);
        return;
    }
    blanquea();
    Label3_->setText(desdeutf8(diseno_.agregado));
    agregar_->setEnabled(false);
    terminar_->setFocus();
}

void EditorCatalogo::BotBor_Click() {
    const int posicion = lista_->currentIndex();
    if (posicion < 0) return plataforma_.avisa(this, QStringLiteral("Elija en la lista el nombre que desea borrar"));
    const std::string elegido = acp1252(lista_->itemText(posicion));
    lista_->removeItem(posicion);
    lista_->setCurrentIndex(-1);
    auto quedan = borraentrada(estado_.carpeta, *diseno_.catalogo, elegido);
    if (!quedan.bien()) return plataforma_.avisa(this, aqt(quedan.error().mensaje()));
    tabla_ = std::move(quedan.valor());
    if (diseno_.limpiaalborrar) blanquea();
    Label3_->setText(desdeutf8(diseno_.borrado));
    terminar_->setFocus();
}

void EditorCatalogo::BotTer_Click() { termina(); }

bool EditorCatalogo::eventFilter(QObject* objeto, QEvent* evento) {
    const bool alentrar = diseno_.avisoagregar == AvisoAgregar::alentrarenagregar && objeto == agregar_ &&
                          evento->type() == QEvent::FocusIn;
    const bool alsalir = diseno_.avisoagregar == AvisoAgregar::alsalirdelacaja && objeto == cajas_.front() &&
                         evento->type() == QEvent::FocusOut;
    if ((alentrar || alsalir) && agregando_)
        Label3_->setText(QStringLiteral("Para confirmar clikee Agregar"));
    return QWidget::eventFilter(objeto, evento);
}

}  // namespace rumbal
