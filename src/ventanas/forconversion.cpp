#include "ventanas/forconversion.hpp"

#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <cmath>
#include <map>

#include "archivos/registro_punto.hpp"
#include "geodesia/angulos.hpp"
#include "geodesia/geocentricas.hpp"
#include "geodesia/proyeccion.hpp"
#include "geodesia/transformacion.hpp"
#include "textos/lector_campos.hpp"
#include "textos/lectura_numero.hpp"
#include "textos/numero_texto.hpp"
#include "textos/redondeo.hpp"
#include "ventanas/barra_menus.hpp"
#include "ventanas/controles.hpp"
#include "ventanas/zona.hpp"
#include "ventanas/modos_proceso.hpp"
#include "ventanas/textos_parametros.hpp"
#include "ventanas/texto_qt.hpp"

namespace rumbal {

namespace {

const QString blanco = QStringLiteral(" ");
const QString tituloconversion = QStringLiteral("CONVERSION DE COORDENADAS");
const QString titulotransformacion = QStringLiteral("Transformación de Coordenadas entre Marcos de Referencia");

QString vista(double v) { return aqt(textovista(v)); }
double numerode(const QLineEdit* campo) { return leenumero(acp1252(campo->text())); }
std::string textode(const QLineEdit* campo) { return acp1252(campo->text()); }
bool tienenumero(const QLineEdit* campo) {
    const std::string t = sinblancosiniciales(textode(campo));
    return largonumero(t) > 0;
}

// The text up to and including position p of a pair, then the rest without
// its leading blanks; with no pair, the whole text without leading blanks.
QString junta(const QString& t, const QString& par) {
    const qsizetype p = t.indexOf(par);
    const qsizetype corte = p < 0 ? 0 : p + 1;
    QString resto = t.mid(corte);
    qsizetype i = 0;
    while (i < resto.size() && resto[i] == QLatin1Char(' ')) ++i;
    return t.left(corte) + resto.mid(i);
}

}  // namespace

Forconversion::Forconversion(EstadoPrograma& estado, Plataforma& plataforma, Catalogos catalogos,
                             std::function<void()> recarga, std::function<void(const PedidoVentana&)> abre)
    : estado_(estado),
      plataforma_(plataforma),
      catalogos_(std::move(catalogos)),
      recarga_(std::move(recarga)),
      abre_(std::move(abre)) {
    setObjectName(QStringLiteral("forconversion"));
    construye();
    construyemenu();
    Form_Load();
}

// ---- Layout -------------------------------------------------------------

namespace {

enum class Clase { marco, etiqueta, caja, lista, boton };

// One control of the main window: its documented name, its kind, its caption
// (a frame's title, a label's or a button's text), the frame it sits in (none:
// the window), its place and size in pixels, its place in the Tab order (0:
// none of its own), and for a caption, the field it names.
struct Control {
    const char* nombre;
    Clase clase;
    const char* texto;
    const char* grupo;
    int x, y, ancho, alto;
    int tab;
    const char* rotula;
};

// The table lives in forconversion.controles, beside this file, one control a
// line; the build turns it into these initialisers.
constexpr Control controlesprincipal[] = {
#include "forconversion_controles.inc"
};

QWidget* crea(const Control& c, QWidget* padre) {
    const QString texto = QString::fromUtf8(c.texto);
    QWidget* w = nullptr;
    switch (c.clase) {
        case Clase::marco: w = new QGroupBox(texto, padre); break;
        case Clase::etiqueta: w = new QLabel(texto, padre); break;
        case Clase::caja: w = new QLineEdit(padre); break;
        case Clase::lista: w = new QComboBox(padre); break;
        case Clase::boton: {
            auto* b = new QPushButton(texto, padre);
            controles::pulsaconenter(b);
            w = b;
            break;
        }
    }
    w->setObjectName(QString::fromUtf8(c.nombre));
    w->setGeometry(c.x, c.y, c.ancho, c.alto);
    return w;
}

}  // namespace

void Forconversion::construye() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    creacontroles(central);
    tomacontroles();
    preparalistamarcos();
    for (QLineEdit* cuenta : {Text7_, Text8_, Text9_}) cuenta->setReadOnly(true);
    nombraparalectores();
    for (QLineEdit* campo : {txtlat_, txtlon_, txtalt_, txtx_, txty_, txtz_, Txtxgk_, Txtygk_})
        campo->installEventFilter(this);
    conecta();
}

// Every control of the table, in its frame, with its caption's buddy, and
// the Tab order the table gives.
void Forconversion::creacontroles(QWidget* central) {
    std::map<std::string, QWidget*> hechos;
    std::map<int, QWidget*> orden;
    for (const Control& c : controlesprincipal) {
        QWidget* w = crea(c, c.grupo ? hechos.at(c.grupo) : central);
        hechos[c.nombre] = w;
        if (c.tab > 0) orden[c.tab] = w;
    }
    for (const Control& c : controlesprincipal)
        if (c.rotula) static_cast<QLabel*>(hechos.at(c.nombre))->setBuddy(hechos.at(c.rotula));
    for (auto i = orden.begin(), siguiente = std::next(i); siguiente != orden.end(); ++i, ++siguiente)
        setTabOrder(i->second, siguiente->second);
}

template <class T>
T* Forconversion::hijo(const char* nombre) const {
    return findChild<T*>(QString::fromUtf8(nombre));
}

void Forconversion::tomacontroles() {
    for (auto [campo, nombre] : {std::pair{&txtid_, "txtid"}, {&Text7_, "Text7"}, {&Text8_, "Text8"}, {&Text9_, "Text9"},
                                 {&Text1_, "Text1"}, {&txtlat_, "txtlat"}, {&txtlon_, "txtlon"}, {&txtalt_, "txtalt"},
                                 {&txtx_, "txtx"}, {&txty_, "txty"}, {&txtz_, "txtz"}, {&Txtxgk_, "Txtxgk"},
                                 {&Txtygk_, "Txtygk"}, {&Text2_, "Text2"}, {&Text3_, "Text3"}, {&Text4_, "Text4"},
                                 {&Text5_, "Text5"}, {&Text6_, "Text6"}})
        *campo = hijo<QLineEdit>(nombre);
    for (auto [lista, nombre] : {std::pair{&lst_atrib_, "lst_atrib"}, {&lst_Elipso_, "lst_Elipso"},
                                 {&lst_param_, "lst_param"}, {&lst_partra_, "lst_partra"}})
        *lista = hijo<QComboBox>(nombre);
    for (auto [boton, nombre] : {std::pair{&botgac_, "botgac(0)"}, {&botcag_, "botcag"}, {&botgagk_, "botgagk"},
                                 {&botgkag_, "botgkag"}, {&botguardar_, "botguardar"}, {&botcerrar_, "botcerrar"},
                                 {&bottransfiere_, "bottransfiere"}})
        *boton = hijo<QPushButton>(nombre);
    for (auto [etiqueta, nombre] : {std::pair{&Label8_, "Label8"}, {&Labelca_, "Labelca"}, {&Label7_, "Label7"},
                                    {&Label9_, "Label9"}, {&Label10_, "Label10"}, {&Label14_, "Label14"},
                                    {&Label15_, "Label15"}, {&Label16_, "Label16"}, {&Label17_, "Label17"},
                                    {&Label18_, "Label18"}})
        *etiqueta = hijo<QLabel>(nombre);
    for (std::size_t i = 1; i <= 5; ++i) Label3_[i] = hijo<QLabel>(("Label3(" + std::to_string(i) + ")").c_str());
    for (std::size_t i = 1; i <= 9; ++i) Label4_[i] = hijo<QLabel>(("Label4(" + std::to_string(i) + ")").c_str());
    Frame4_ = hijo<QGroupBox>("Frame4");
    Frame41_ = hijo<QGroupBox>("Frame41");
    Frame5_ = hijo<QGroupBox>("Frame5");
    panel_ = {Frame41_, Text3_, Label9_, Label10_, Label14_, Label15_, Label16_, Label17_, Label18_, Frame5_,
              bottransfiere_};
}

void Forconversion::preparalistamarcos() {
    // Its text can be set apart from its entries (one blank, the destination name).
    lst_partra_->setEditable(true);
    lst_partra_->setInsertPolicy(QComboBox::NoInsert);
    // Nothing is typed there: a click anywhere on it opens the list.
    lst_partra_->lineEdit()->setReadOnly(true);
    lst_partra_->lineEdit()->installEventFilter(this);
    lst_partra_->installEventFilter(this);
}

void Forconversion::conecta() {
    QObject::connect(lst_Elipso_, &QComboBox::activated, this, [this](int i) { lst_elipso_click(i); });
    QObject::connect(lst_param_, &QComboBox::activated, this, [this](int i) { lst_param_click(i); });
    QObject::connect(lst_partra_, &QComboBox::activated, this, [this](int i) { lst_partra_click(i); });
    const std::pair<QPushButton*, void (Forconversion::*)()> botones[] = {
        {botcag_, &Forconversion::botcag_Click},         {botgac_, &Forconversion::botgac_Click},
        {botgagk_, &Forconversion::botgagk_Click},       {botgkag_, &Forconversion::botgkag_Click},
        {botguardar_, &Forconversion::botguardar_Click}, {botcerrar_, &Forconversion::botcerrar_Click},
        {bottransfiere_, &Forconversion::bottransfiere_Click}};
    for (const auto& [boton, accion] : botones)
        QObject::connect(boton, &QPushButton::clicked, this, [this, accion] { (this->*accion)(); });
}

// Screen readers, voice control and automation tools name a field by the
// caption before it (its buddy); fields and buttons without a caption of
// their own get a name that says what they hold or do, and the labels that
// show a value are named by their caption and the value.
void Forconversion::nombraparalectores() {
    const std::pair<QWidget*, const char*> nombres[] = {
        {Text7_, "Cantidad de atributos"},
        {Text8_, "Cantidad de elipsoides"},
        {Text9_, "Cantidad de representaciones planas"},
        {lst_param_, "Representación plana"},
        {Text1_, "Archivo de resultados"},
        {lst_partra_, "Marco de referencia actual del punto"},
        {Text2_, "Marco de referencia de destino"},
        {Text3_, "Elipsoide del marco de destino"},
        {Text4_, "x transformada (metros)"},
        {Text5_, "y transformada (metros)"},
        {Text6_, "z transformada (metros)"},
        {botgac_, "Convertir de geodésicas a cartesianas"},
        {botcag_, "Convertir de cartesianas a geodésicas"},
        {botgagk_, "Convertir de geodésicas a planas"},
        {botgkag_, "Convertir de planas a geodésicas"},
        {bottransfiere_, "Transferir el punto transformado"},
    };
    for (const auto& [control, nombre] : nombres) control->setAccessibleName(QString::fromUtf8(nombre));
    controles::rotulavalor(Labelca_, Label8_);
    controles::rotulavalor(Label4_[6], Label4_[8]);
    controles::rotulavalor(Label4_[7], Label4_[9]);
}

namespace {

// A menu of the bar or a submenu: its action carries the menu's name too.
template <class Padre>
QMenu* menu(Padre* padre, const char* nombre, const QString& titulo) {
    QMenu* m = padre->addMenu(titulo);
    m->setObjectName(QString::fromUtf8(nombre));
    m->menuAction()->setObjectName(QString::fromUtf8(nombre));
    return m;
}

QAction* item(QMenu* padre, const char* nombre, const QString& titulo) {
    QAction* a = padre->addAction(titulo);
    a->setObjectName(QString::fromUtf8(nombre));
    return a;
}

}  // namespace

// Items that open a window ask the program for it.
void Forconversion::pide(QMenu* padre, const char* nombre, const QString& titulo, const PedidoVentana& pedido) {
    QObject::connect(item(padre, nombre, titulo), &QAction::triggered, this, [this, pedido] {
        if (abre_) abre_(pedido);
    });
}

void Forconversion::construyemenu() {
    auto* barra = new BarraMenus(this);
    setMenuBar(barra);
    menuarchivo(menu(barra, "mnuArchivo", QStringLiteral("&Archivo")));

    QMenu* vistas = menu(barra, "mnuvista", QStringLiteral("&Vista"));
    pide(vistas, "mnuvisgeo", QStringLiteral("Coordenadas geodésicas"), {Ventana::visgeo, {}, {}});
    pide(vistas, "mnuviscar", QStringLiteral("Coordenadas geocéntricas"), {Ventana::viscar, {}, {}});
    pide(vistas, "mnuvispla", QStringLiteral("coordenadas planas"), {Ventana::vispla, {}, {}});

    menumodificar(menu(barra, "mnuModificar", QStringLiteral("&Modificar")));

    QMenu* transformaciones = menu(barra, "mnutmr", QStringLiteral("&Transformaciones"));
    pide(transformaciones, "mnucmr", QStringLiteral("&Actualización de M.R."), {Ventana::marcos, {}, {}});
    mnutra_ = item(transformaciones, "mnutra", QStringLiteral("&Transformación p/punto"));
    QObject::connect(mnutra_, &QAction::triggered, this, [this] { mnutra_Click(); });
    pide(transformaciones, "mnutraar", QStringLiteral("&Transformación desde archivo"),
         {Ventana::transformacionarchivo, {}, {}});

    QMenu* ayuda = menu(barra, "mnuAyuda", QStringLiteral("&Ayuda"));
    pide(ayuda, "mnuacerca", QStringLiteral("Acerca de....."), {Ventana::acerca, {}, {}});
    ayuda->addSeparator()->setObjectName(QStringLiteral("separa"));
    pide(ayuda, "mnumanual", QStringLiteral("Guía del usuario"), {Ventana::manual, {}, {}});
}

void Forconversion::menuarchivo(QMenu* archivo) {
    QMenu* procesando = menu(archivo, "mnuprocesando", QStringLiteral("&Procesar Archivo de  Coordenadas"));
    // In the order of the processing modes: geodetic, geocentric, plane data.
    const std::array<std::pair<const char*, QString>, 3> itemsproceso = {{
        {"mnuprocesandog", QStringLiteral("Datos: B,L,h")},
        {"mnuprocesandoc", QStringLiteral("Datos: x,y,z")},
        {"mnuprocesandop", QStringLiteral("Datos: X,Y")},
    }};
    for (std::size_t i = 0; i < itemsproceso.size(); ++i)
        pide(procesando, itemsproceso[i].first, itemsproceso[i].second,
             {Ventana::procesar, desdeutf8(modosproceso[i].modo), desdeutf8(modosproceso[i].titulo)});
    pide(archivo, "mnugenerar", QStringLiteral("&Seleccionar columnas"),
         {Ventana::generar, QStringLiteral("generar"), QString()});
    pide(archivo, "mnuatrib", QStringLiteral("Seleccionar por atributo"), {Ventana::poratributos, {}, {}});
    archivo->addSeparator()->setObjectName(QStringLiteral("separador(1)"));
    QAction* salir = item(archivo, "mnuSalir", QStringLiteral("&Salir"));
    QObject::connect(salir, &QAction::triggered, this, [this] { plataforma_.terminaprograma(); });
}

// The catalogue editors, each in its add and delete modes, and the decimals.
void Forconversion::menumodificar(QMenu* modificar) {
    QMenu* elipsoides = menu(modificar, "mnuListElip", QStringLiteral("&Listado de Elipsoides"));
    pide(elipsoides, "mnuListElipAgr", QStringLiteral("&Agregar"), {Ventana::elipsoide0, QStringLiteral("eliagr"), {}});
    pide(elipsoides, "mnuListElipBor", QStringLiteral("&Borrar"), {Ventana::elipsoides, QStringLiteral("elibor"), {}});
    QMenu* parametros = menu(modificar, "mnuListParam", QStringLiteral("&Listado de Represent. plana"));
    pide(parametros, "mnuListParAgr", QStringLiteral("&Agregar"), {Ventana::parametros, QStringLiteral("eliagr"), {}});
    pide(parametros, "mnuListParBor", QStringLiteral("&Borrar"), {Ventana::parametros, QStringLiteral("elibor"), {}});
    QMenu* atributos = menu(modificar, "mnuListAtr", QStringLiteral("&Listado de Atributos"));
    pide(atributos, "mnuListAtrAgr", QStringLiteral("&Agregar"), {Ventana::atributos, QStringLiteral("eliagr"), {}});
    pide(atributos, "mnuListAtrBor", QStringLiteral("&Borrar"), {Ventana::atributos, QStringLiteral("elibor"), {}});
    pide(modificar, "mnudeci", QStringLiteral("&Decimales"), {Ventana::decimales, {}, {}});
}

// ---- Start-up and clearing ---------------------------------------------

void Forconversion::Form_Load() {
    setWindowTitle(tituloconversion);
    ponancho(anchoangosto);
    estado_.cierratodo();
    const auto llena = [](QComboBox* lista, QLineEdit* cuenta, const auto& entradas, auto nombre) {
        lista->clear();
        for (const auto& e : entradas) lista->addItem(aqt(nombre(e)));
        lista->setCurrentIndex(-1);
        if (cuenta) cuenta->setText(QString::number(entradas.size()));
    };
    llena(lst_param_, Text9_, catalogos_.representaciones, [](const auto& e) { return e.nombre; });
    llena(lst_Elipso_, Text8_, catalogos_.elipsoides, [](const auto& e) { return e.nombre; });
    llena(lst_atrib_, Text7_, catalogos_.atributos, [](const std::string& a) { return a; });
    estado_.decimales = catalogos_.decimales;
    llena(lst_partra_, nullptr, catalogos_.marcos, [](const auto& e) { return e.nombre; });
    lst_partra_->setEditText(QString());

    for (QLineEdit* campo : {txtlat_, txtlon_, txtalt_, txtx_, txty_, txtz_, Txtxgk_, Txtygk_}) {
        campo->setEnabled(false);
        QPalette gris = campo->palette();
        gris.setColor(QPalette::Base, palette().color(QPalette::Disabled, QPalette::Text));
        campo->setPalette(gris);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{lst_param_, botgac_, botcag_, botgagk_, botgkag_}) w->setEnabled(false);
    Frame4_->setVisible(false);
}

void Forconversion::ponancho(int twips) {
    anchotwips_ = twips;
    const int alto = 712;
    setFixedSize(static_cast<int>(twips * pixelesportwip), alto);
    // Controls outside the window take no focus: the panel is hidden while narrow.
    for (QWidget* w : panel_) w->setVisible(twips == anchoancho);
}

void Forconversion::habilita(QLineEdit* campo) {
    campo->setEnabled(true);
    campo->setPalette(QPalette());
}

void Forconversion::borra() {
    for (QLineEdit* campo : {txtlat_, txtlon_, txtalt_, txtx_, txty_, txtz_, Txtxgk_, Txtygk_}) campo->setText(blanco);
    txtid_->setFocus();
    borraplana();
    Label8_->setText(blanco);
    poncoef(std::nullopt);
}

void Forconversion::borracar() {
    for (QLineEdit* campo : {txtx_, txty_, txtz_}) campo->setText(blanco);
}

void Forconversion::borrapla() {
    Txtxgk_->setText(blanco);
    Txtygk_->setText(blanco);
    borraplana();
}

void Forconversion::borrageo() {
    for (QLineEdit* campo : {txtlat_, txtlon_, txtalt_}) campo->setText(blanco);
    Label8_->setText(blanco);
    poncoef(std::nullopt);
}

// A computation that refuses the values on screen (they give no finite
// result): said, never shown as a wrong number.
void Forconversion::nocalculable() {
    plataforma_.avisa(this, QStringLiteral("No se puede calcular el punto con los valores ingresados"));
}

// ---- Choices and conversions -------------------------------------------

void Forconversion::lst_elipso_click(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= catalogos_.elipsoides.size()) return;
    const Elipsoide& e = catalogos_.elipsoides[static_cast<std::size_t>(i)].valores;
    estado_.elipsoide = e;
    const auto textos = textoselipsoide(e, false);
    for (std::size_t k = 0; k < textos.size(); ++k) Label3_[k + 1]->setText(aqt(textos[k]));
    for (QLineEdit* campo : {txtlat_, txtlon_, txtalt_, txtx_, txty_, txtz_}) habilita(campo);
    for (QWidget* w : std::initializer_list<QWidget*>{lst_param_, botgac_, botcag_}) w->setEnabled(true);
    borra();
}

void Forconversion::lst_param_click(int j) {
    if (j < 0 || static_cast<std::size_t>(j) >= catalogos_.representaciones.size()) return;
    const RepresentacionPlana& r = catalogos_.representaciones[static_cast<std::size_t>(j)].valores;
    estado_.representacion = r;
    const auto textos = textosrepresentacion(r);
    for (std::size_t k = 0; k < textos.size(); ++k) Label4_[k + 1]->setText(aqt(textos[k]));
    if (Txtxgk_->isEnabled()) borra();
    habilita(Txtxgk_);
    habilita(Txtygk_);
    botgagk_->setEnabled(true);
    botgkag_->setEnabled(true);
}

void Forconversion::botcag_Click() {
    const double x = numerode(txtx_), y = numerode(txty_), z = numerode(txtz_);
    if (x == 0 && y == 0 && z == 0) {
        plataforma_.avisa(this, QStringLiteral("Ingrese las coordenadas a convertir"));
        txtx_->setFocus();
        return;
    }
    const auto g = caracgeo(x, y, z, estado_.elipsoide, estado_.decimales);
    if (!g) return nocalculable();
    txtlat_->setText(aqt(reparacoma(g->latitud)));
    txtlon_->setText(aqt(reparacoma(g->longitud)));
    txtalt_->setText(vista(g->altura));
    Txtxgk_->setText(blanco);
    Txtygk_->setText(blanco);
    poncoefaltura();
}

void Forconversion::botgac_Click() {
    if (txtalt_->text() == blanco) txtalt_->setText(QStringLiteral("0"));
    const auto c = geoacar(textode(txtlat_), textode(txtlon_), numerode(txtalt_), estado_.elipsoide, estado_.decimales);
    if (!c) return nocalculable();
    txtx_->setText(vista(c->x));
    txty_->setText(vista(c->y));
    txtz_->setText(vista(c->z));
    botcag_->setEnabled(true);
}

void Forconversion::botgagk_Click() {
    const auto p = geoapla(textode(txtlat_), textode(txtlon_), estado_.elipsoide, estado_.representacion,
                           estado_.decimales);
    if (!p) return nocalculable();
    Txtxgk_->setText(vista(p->x));
    Txtygk_->setText(vista(p->y));
    ponplana(*p, QStringLiteral("mod. deform.="));
}

void Forconversion::botgkag_Click() { convierteplanas(); }

bool Forconversion::convierteplanas() {
    const auto g = plaageo(numerode(Txtxgk_), numerode(Txtygk_), estado_.elipsoide, estado_.representacion,
                           estado_.decimales);
    // A plane point far outside its zone inverts to nonsense (latitudes past
    // the pole, scale factors of 1E+207): said, never shown.
    if (!g || !dentrodelazona(gmsagra(g->latitud), gmsagra(g->longitud), gmsagra(estado_.representacion.longitudorigen))) {
        nocalculable();
        return false;
    }
    txtlat_->setText(aqt(reparacoma(g->latitud)));
    txtlon_->setText(aqt(reparacoma(g->longitud)));
    borracar();
    txtalt_->setText(QStringLiteral("0"));
    const auto p = geoapla(textode(txtlat_), textode(txtlon_), estado_.elipsoide, estado_.representacion,
                           estado_.decimales);
    if (!p) {
        nocalculable();
        return false;
    }
    ponplana(*p, QStringLiteral("mod.de deform.="));
    // Height zero: the height coefficient is one.
    Label8_->setText(QStringLiteral("coef. de altura="));
    poncoef(1);
    return true;
}

void Forconversion::Txtygk_LostFocus() {
    // Tabbing through blank plane fields is not a point to convert: said, and
    // the geodetic fields keep what the user typed there.
    if (!tienenumero(Txtxgk_) || !tienenumero(Txtygk_)) {
        plataforma_.avisa(this, QStringLiteral("Ingrese las coordenadas a convertir"));
        return;
    }
    if (convierteplanas()) borrageo();
}

// ---- Typing and leaving fields -----------------------------------------

bool Forconversion::controlcoma(const QString& tecla) {
    if (tecla != QStringLiteral(",")) return false;
    plataforma_.avisa(this, QStringLiteral("Utilice el punto (.) como separador decimal"));
    return true;
}

void Forconversion::teclaen(QLineEdit* campo) {
    if (campo == txtlat_ || campo == txtlon_ || campo == txtalt_) {
        borracar();
        borrapla();
        if (campo == txtlon_) txtalt_->setText(QStringLiteral("0"));
        poncoef(std::nullopt, QString());
        Label8_->setText(QString());
    } else if (campo == txtx_ || campo == txty_ || campo == txtz_) {
        borrapla();
        borrageo();
    } else {
        borracar();
        borrageo();
    }
}

bool Forconversion::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == lst_partra_ || objeto == lst_partra_->lineEdit()) {
        if (evento->type() != QEvent::MouseButtonPress) return QMainWindow::eventFilter(objeto, evento);
        lst_partra_->showPopup();
        return true;
    }
    auto* campo = qobject_cast<QLineEdit*>(objeto);
    if (!campo) return QMainWindow::eventFilter(objeto, evento);
    if (evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const bool escaracter = !tecla->text().isEmpty() || tecla->key() == Qt::Key_Backspace ||
                                tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
        if (!escaracter || tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab)
            return QMainWindow::eventFilter(objeto, evento);
        // The comma never reaches the field: filtered here rather than taken
        // out by a Backspace afterwards, with the same message and beep.
        const bool coma = controlcoma(tecla->text());
        teclaen(campo);
        if (coma) return true;
    } else if (evento->type() == QEvent::FocusOut && !enaccion_) {
        const auto razon = static_cast<QFocusEvent*>(evento)->reason();
        // Another application or a message box taking the focus is not a leave.
        if (razon == Qt::ActiveWindowFocusReason || razon == Qt::PopupFocusReason)
            return QMainWindow::eventFilter(objeto, evento);
        enaccion_ = true;
        if (campo == txtlat_) txtlat_LostFocus();
        else if (campo == txtlon_) txtlon_LostFocus();
        else if (campo == txtalt_) txtalt_LostFocus();
        else if (campo == Txtygk_) Txtygk_LostFocus();
        enaccion_ = false;
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void Forconversion::dejalatitudolongitud(QLineEdit* campo, double limite, const QString& mensaje) {
    QString t = campo->text();
    for (int i = 0; i < 5; ++i) campo->setText(t = junta(t, QStringLiteral("  ")));
    for (int i = 0; i < 3; ++i) campo->setText(t = junta(t, QStringLiteral("- ")));
    const double v = gmsagra(acp1252(t));
    if (v > limite || v < -limite) {
        plataforma_.mensaje(this, mensaje);
        campo->setFocus();
    }
    campo->setText(aqt(reparacoma(gratexgeo(gmsagra(acp1252(t)), estado_.decimales))));
}

void Forconversion::txtlat_LostFocus() {
    dejalatitudolongitud(txtlat_, 90,
                         QStringLiteral("          LATITUD FUERA DE RANGO\r\n[Debe ingresar un ángulo mayor o igual "
                                        "que\r\n  -90 grados y menor o igual que 90 grados]"));
}

void Forconversion::txtlon_LostFocus() {
    dejalatitudolongitud(txtlon_, 180,
                         QStringLiteral("          LONGITUD FUERA DE RANGO\r\n[Debe ingresar un ángulo mayor o igual "
                                        "que\r\n-180 grados y menor o igual que 180 grados]"));
}

void Forconversion::txtalt_LostFocus() {
    if (txtalt_->text() == blanco) txtalt_->setText(QStringLiteral("0"));
    poncoefaltura();
}

// The height coefficient of the point on screen, shown and kept.
void Forconversion::poncoefaltura() {
    Label8_->setText(QStringLiteral("coef. de altura="));
    const auto c = coefalt(textode(txtlat_), numerode(txtalt_), estado_.elipsoide);
    poncoef(c ? std::optional<double>(redondea(*c, 8)) : std::nullopt);
}

// The values only labels show are kept as computed, for saving: a label
// holds the text of the value or, without one, sinvalor.
void Forconversion::poncoef(std::optional<double> coef, const QString& sinvalor) {
    calculados_.coefaltura = coef && std::isfinite(*coef) ? *coef : 0;
    Labelca_->setText(coef ? vista(*coef) : sinvalor);
}

void Forconversion::ponplana(const Planas& p, const QString& rotulofactor) {
    const double factor = redondea(p.factorescala, 8);
    calculados_.factorescala = std::isfinite(factor) ? factor : 0;
    calculados_.convergencia = reparacoma(p.convergencia);
    Label4_[6]->setText(vista(factor));
    Label4_[7]->setText(aqt(calculados_.convergencia));
    Label4_[8]->setText(rotulofactor);
    Label4_[9]->setText(QStringLiteral("conv.de merid.="));
}

void Forconversion::borraplana() {
    calculados_.factorescala = 0;
    calculados_.convergencia.clear();
    for (QLabel* l : {Label4_[6], Label4_[7], Label4_[8], Label4_[9]}) l->setText(blanco);
}

// ---- Saving ------------------------------------------------------------

void Forconversion::botguardar_Click() {
    if (!estado_.resultados.abierto()) {
        plataforma_.avisa(this, QStringLiteral("Para Guardar primero debe abrir un archivo"));
        const auto ruta = plataforma_.abrearchivo(this, QStringLiteral("Elija el archivo que desea abrir"),
                                                  QStringLiteral("Texto(*.txt)|*.txt"));
        if (!ruta) return;
        const std::filesystem::path camino = ruta->toStdString();
        if (escatalogo(camino, estado_.carpeta))
            return plataforma_.avisa(
                this, QStringLiteral("No se pueden grabar resultados en un catálogo del programa: elija otro archivo"));
        if (!estado_.resultados.abre(camino)) {
            plataforma_.mensaje(this, QStringLiteral("Error desconocido"));
            return;
        }
        Text1_->setText(*ruta);
        estado_.rutaresultados = camino;
    }
    const auto elegido = [](const QComboBox* lista) {
        return lista->currentIndex() >= 0 ? acp1252(lista->currentText()) : std::string();
    };
    const RegistroPunto registro = {
        textode(txtid_), elegido(lst_atrib_),
        sinblancosiniciales(textode(txtlat_)), sinblancosiniciales(textode(txtlon_)),
        numerode(txtalt_), numerode(txtx_), numerode(txty_), numerode(txtz_),
        numerode(Txtxgk_), numerode(Txtygk_), calculados_.factorescala,
        sinblancosiniciales(calculados_.convergencia), calculados_.coefaltura,
        elegido(lst_Elipso_), elegido(lst_param_)};
    std::string linea;
    grabapunto(linea, registro);
    if (!estado_.resultados.agrega(linea)) {
        estado_.resultados.cierra();
        plataforma_.mensaje(this, QStringLiteral("Error desconocido"));
        return;
    }
    lst_partra_->setCurrentIndex(-1);
    lst_partra_->setEditText(blanco);
    Frame4_->setVisible(false);
    plataforma_.suena();
    estado_.resultados.cierra();
    const auto lineas = cuentalineas(estado_.rutaresultados.string());
    if (!lineas || !estado_.resultados.abre(estado_.rutaresultados)) {
        plataforma_.mensaje(this, QStringLiteral("Error desconocido"));
        return;
    }
    Label7_->setText(QStringLiteral("cantidad de puntos en el archivo: ") +
                     aqt(textoconsigno(static_cast<double>(*lineas))));
}

void Forconversion::botcerrar_Click() {
    estado_.resultados.cierra();
    Label7_->setText(blanco);
    Text1_->setText(blanco);
}

// ---- Point transformation ----------------------------------------------

void Forconversion::mnutra_Click() {
    if (numerode(txtx_) == 0 && numerode(txty_) == 0 && numerode(txtz_) == 0) {
        plataforma_.avisa(this,
                          QStringLiteral("Faltan las coordenadas cartesianas dato: Ingrese o calcule sus valores"));
        return;
    }
    lst_partra_->setCurrentIndex(-1);
    lst_partra_->setEditText(blanco);
    Frame4_->setVisible(true);
}

void Forconversion::lst_partra_click(int posicion) {
    if (posicion < 0 || static_cast<std::size_t>(posicion) >= catalogos_.marcos.size()) return;
    const EntradaMarco& marco = catalogos_.marcos[static_cast<std::size_t>(posicion)];
    const std::string elipsoide = lst_Elipso_->currentIndex() >= 0 ? acp1252(lst_Elipso_->currentText()) : std::string();
    if (marco.elipsoide != elipsoide) {
        plataforma_.avisa(
            this, QStringLiteral("El elipsoide asociado al Marco de Referencia asignado no corresponde SOLUCIONE EL "
                                 "PROBLEMA"));
        lst_partra_->setCurrentIndex(-1);
        lst_partra_click(-1);
        Frame4_->setVisible(false);
        return;
    }
    estado_.transformacion = cargatransf(marco.parametros);
    ponancho(anchoancho);
    const EntradaMarco& destino = catalogos_.marcos[posicion == 0 ? 1 : 0];
    Text2_->setText(aqt(destino.nombre));
    Text3_->setText(aqt(destino.elipsoide));
    const Transformacion& t = estado_.transformacion;
    const auto textos = textostransformacion(t);
    const std::array<QLabel*, 7> etiquetas = {Label9_, Label10_, Label14_, Label15_, Label16_, Label17_, Label18_};
    for (std::size_t k = 0; k < textos.size(); ++k) etiquetas[k]->setText(aqt(textos[k]));
    const auto c = transforma(numerode(txtx_), numerode(txty_), numerode(txtz_), t, estado_.decimales);
    if (!c) return nocalculable();
    Text4_->setText(vista(c->x));
    Text5_->setText(vista(c->y));
    Text6_->setText(vista(c->z));
    setWindowTitle(titulotransformacion);
}

void Forconversion::bottransfiere_Click() {
    ponancho(anchoangosto);
    borra();
    lst_partra_->setEditText(Text2_->text());
    int elegido = -1;
    for (int i = 0; i < lst_Elipso_->count(); ++i)
        if (lst_Elipso_->itemText(i) == Text3_->text()) elegido = i;
    if (elegido < 0) elegido = 0;
    lst_Elipso_->setCurrentIndex(elegido);
    lst_elipso_click(elegido);
    txtx_->setText(Text4_->text());
    txty_->setText(Text5_->text());
    txtz_->setText(Text6_->text());
    setWindowTitle(tituloconversion);
}

}  // namespace rumbal
