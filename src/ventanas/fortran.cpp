#include "ventanas/fortran.hpp"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogos/carga.hpp"
#include "catalogos/procedimientos.hpp"
#include "textos/lectura_numero.hpp"
#include "textos/numero_texto.hpp"
#include "ventanas/controles.hpp"
#include "ventanas/texto_qt.hpp"

namespace rumbal {

namespace {

QGroupBox* marco(QWidget* padre, const char* nombre, const QString& titulo) {
    auto* g = new QGroupBox(titulo, padre);
    g->setObjectName(QString::fromUtf8(nombre));
    return g;
}

// A frame: its name and the ellipsoid box, which is filled from the list only.
QGroupBox* marcodereferencia(QWidget* padre, const char* nombre, const QString& titulo, const char* rotulonombre,
                             QLineEdit*& cajanombre, const char* nombrecaja, const char* rotuloelipsoide,
                             QLineEdit*& cajaelipsoide, const char* nombreelipsoide) {
    QGroupBox* g = marco(padre, nombre, titulo);
    auto* rejilla = new QGridLayout(g);
    cajanombre = controles::caja(g, nombrecaja);
    cajaelipsoide = controles::caja(g, nombreelipsoide);
    cajaelipsoide->setReadOnly(true);
    controles::rotulado(rejilla, 0, controles::etiqueta(g, rotulonombre, QStringLiteral("Nombre")), cajanombre);
    controles::rotulado(rejilla, 1, controles::etiqueta(g, rotuloelipsoide, QStringLiteral("Elipsoide")),
                        cajaelipsoide);
    return g;
}

}  // namespace

Fortran::Fortran(EstadoPrograma& estado, Plataforma& plataforma, EnlacesPrograma enlaces, QWidget* padre)
    : VentanaCatalogo(estado, plataforma, std::move(enlaces), QStringLiteral("fortran"),
                      QStringLiteral("Actualización de Marcos de Referencia"), padre) {
    auto* fila = new QHBoxLayout(this);
    auto* izquierda = new QVBoxLayout;
    fila->addLayout(izquierda);

    auto* marcos = new QHBoxLayout;
    marcos->addWidget(marcodereferencia(this, "Frame2", QStringLiteral("Marco de Referencia  A"), "Label2", Text2_,
                                        "Text2", "Label3", Text5_, "Text5"));
    marcos->addWidget(marcodereferencia(this, "Frame3", QStringLiteral("Marco de Referencia  B"), "Label5", Text4_,
                                        "Text4", "Label6", Text6_, "Text6"));
    izquierda->addLayout(marcos);

    izquierda->addWidget(construyeparametros());

    botguamr_ = controles::boton(this, "botguamr", QStringLiteral("Guardar"));
    botermr_ = controles::boton(this, "botermr", QStringLiteral("Terminar"));
    controles::filabotones(izquierda, {botguamr_, botermr_});
    Label10_ = controles::etiqueta(this, "Label10", QString());
    izquierda->addWidget(Label10_);

    fila->addWidget(construyelista());

    Text5_->installEventFilter(this);
    Text6_->installEventFilter(this);
    controles::abreconteclas(lst_elipso_);  // a choice hides the list at once
    botguamr_->installEventFilter(this);
    QObject::connect(lst_elipso_, &QComboBox::activated, this, [this](int i) { lst_elipso_Click(i); });
    QObject::connect(botguamr_, &QPushButton::clicked, this, [this] { botguamr_Click(); });
    QObject::connect(botermr_, &QPushButton::clicked, this, [this] { botermr_Click(); });
}

// The seven parameters from A to B, their captions above their boxes.
QGroupBox* Fortran::construyeparametros() {
    QGroupBox* Frame1 = marco(this, "Frame1", QStringLiteral("PARAMETROS DE TRANSFORMACION"));
    auto* parametros = new QGridLayout(Frame1);
    parametros->addWidget(controles::etiqueta(Frame1, "Label7", QStringLiteral("De Marco A a Marco B")), 0, 0, 1, 6);
    // Rotation captions end in the seconds sign; Rz's caption is Label1(3).
    const std::array<std::pair<const char*, QString>, 6> rotulos = {{
        {"Label1(0)", QStringLiteral("Dx (m.)")}, {"Label1(1)", QStringLiteral("Dy (m.)")},
        {"Label1(2)", QStringLiteral("Dz (m.)")}, {"Label1(4)", QStringLiteral("Rx (\")")},
        {"Label1(5)", QStringLiteral("Ry (\")")}, {"Label1(3)", QStringLiteral("Rz (\")")}}};
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string caja = "Text1(" + std::to_string(i) + ")";
        Text1_[i] = controles::caja(Frame1, caja.c_str());
        QLabel* rotulo = controles::etiqueta(Frame1, rotulos[i].first, rotulos[i].second);
        rotulo->setBuddy(Text1_[i]);
        const int r = 1 + static_cast<int>(i / 3) * 2, c = static_cast<int>(i % 3) * 2;
        parametros->addWidget(rotulo, r, c);
        parametros->addWidget(Text1_[i], r + 1, c, 1, 2);
    }
    Text3_ = controles::caja(Frame1, "Text3");
    QLabel* Label4 = controles::etiqueta(Frame1, "Label4", QStringLiteral("k (ppm)"));
    Label4->setBuddy(Text3_);
    parametros->addWidget(Label4, 5, 0);
    parametros->addWidget(Text3_, 6, 0, 1, 2);
    return Frame1;
}

// The catalogue's ellipsoids, shown beside the window only while choosing.
QGroupBox* Fortran::construyelista() {
    Frame4_ = marco(this, "Frame4", QStringLiteral("Listado de elipsoides "));
    auto* lista = new QGridLayout(Frame4_);
    lst_elipso_ = controles::lista(Frame4_, "lst_elipso");
    controles::rotulado(lista, 0, controles::etiqueta(Frame4_, "Label8", QStringLiteral("Nombre")), lst_elipso_);
    Label9_ = controles::etiqueta(Frame4_, "Label9", QString());
    lista->addWidget(Label9_, 1, 0, 1, 2);
    lista->setRowStretch(2, 1);
    return Frame4_;
}

bool Fortran::Form_Load() {
    estado_.cierratodo();
    std::vector<EntradaElipsoide> elipsoides;
    std::vector<EntradaMarco> marcos;
    if (!toma(cargaelipsoides(estado_.carpeta), elipsoides, plataforma_, this) ||
        !toma(cargamarcos(estado_.carpeta), marcos, plataforma_, this))
        return false;
    controles::llena(lst_elipso_, elipsoides);
    // Line 1 whole; of line 2 only its names: its values are line 1's negated.
    const EntradaMarco& a = marcos[0];
    const EntradaMarco& b = marcos[1];
    Text2_->setText(aqt(a.nombre));
    Text5_->setText(aqt(a.elipsoide));
    const ParametrosMarco& p = a.parametros;
    const double valores[6] = {p.dx, p.dy, p.dz, p.rx, p.ry, p.rz};
    for (std::size_t i = 0; i < 6; ++i) Text1_[i]->setText(aqt(textovista(valores[i])));
    Text3_->setText(aqt(textovista(p.k)));
    Text4_->setText(aqt(b.nombre));
    Text6_->setText(aqt(b.elipsoide));
    muestralista(false);
    Text2_->setFocus();
    return true;
}

void Fortran::muestralista(bool visible) {
    Frame4_->setVisible(visible);
    adjustSize();
}

void Fortran::eligepara(int marco) {
    eleccion_ = marco;
    muestralista(true);
    QLineEdit* caja = marco == 1 ? Text5_ : Text6_;
    QPalette verde = caja->palette();
    verde.setColor(QPalette::Base, QColor(rojoeleccion, verdeeleccion, azuleleccion));
    caja->setPalette(verde);
    lst_elipso_->setFocus();
    Label9_->setText(marco == 1 ? QStringLiteral("Elija el elipsoide del Marco A")
                                : QStringLiteral("Elija el elipsoide del Marco B"));
}

void Fortran::Text5_GotFocus() { eligepara(1); }
void Fortran::Text6_GotFocus() { eligepara(2); }

void Fortran::lst_elipso_Click(int posicion) {
    if (posicion < 0) return;
    QLineEdit* caja = eleccion_ == 1 ? Text5_ : Text6_;
    caja->setText(lst_elipso_->itemText(posicion));
    caja->setPalette(QPalette());
    (eleccion_ == 1 ? static_cast<QWidget*>(Text4_) : Text1_[0])->setFocus();
    muestralista(false);
    Label9_->setText(QString());
}

void Fortran::botguamr_Click() {
    const auto numero = [](const QLineEdit* caja) { return leenumero(acp1252(caja->text())); };
    ParametrosMarco p{numero(Text1_[0]), numero(Text1_[1]), numero(Text1_[2]), numero(Text1_[3]),
                      numero(Text1_[4]), numero(Text1_[5]), numero(Text3_)};
    // Negated zeros are written 0 by the number text form.
    const ParametrosMarco n{-p.dx, -p.dy, -p.dz, -p.rx, -p.ry, -p.rz, -p.k};
    const EntradaMarco a{acp1252(Text2_->text()), acp1252(Text5_->text()), p};
    const EntradaMarco b{acp1252(Text4_->text()), acp1252(Text6_->text()), n};
    const auto hecho = reemplazaarchivo(estado_.carpeta, catalogomarcos, {renglonde(a), renglonde(b)});
    if (!hecho.bien()) return plataforma_.avisa(this, aqt(hecho.error().mensaje()));
    Label10_->setText(QStringLiteral("Marcos de Referencia actualizados"));
}

void Fortran::botermr_Click() { termina(); }

bool Fortran::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::FocusIn && objeto == Text5_) Text5_GotFocus();
    if (evento->type() == QEvent::FocusIn && objeto == Text6_) Text6_GotFocus();
    if (evento->type() == QEvent::FocusOut && objeto == botguamr_) Label10_->clear();
    return QWidget::eventFilter(objeto, evento);
}

}  // namespace rumbal
