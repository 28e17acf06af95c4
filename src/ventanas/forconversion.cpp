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
double numerode(const QLabel* etiqueta) { return leenumero(acp1252(etiqueta->text())); }
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

void Forconversion::construye() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    const auto marco = [&](const char* nombre, const QString& titulo, int x, int y, int w, int h) {
        auto* g = new QGroupBox(titulo, central);
        g->setObjectName(QString::fromUtf8(nombre));
        g->setGeometry(x, y, w, h);
        return g;
    };
    const auto etiqueta = [](QWidget* padre, const char* nombre, const QString& texto, int x, int y, int w) {
        auto* l = new QLabel(texto, padre);
        l->setObjectName(QString::fromUtf8(nombre));
        l->setGeometry(x, y, w, 20);
        return l;
    };
    const auto caja = [](QWidget* padre, const char* nombre, int x, int y, int w) {
        auto* t = new QLineEdit(padre);
        t->setObjectName(QString::fromUtf8(nombre));
        t->setGeometry(x, y, w, 24);
        return t;
    };
    const auto lista = [](QWidget* padre, const char* nombre, int x, int y, int w) {
        auto* c = new QComboBox(padre);
        c->setObjectName(QString::fromUtf8(nombre));
        c->setGeometry(x, y, w, 24);
        return c;
    };
    const auto boton = [](QWidget* padre, const char* nombre, const QString& texto, int x, int y, int w) {
        auto* b = new QPushButton(texto, padre);
        b->setObjectName(QString::fromUtf8(nombre));
        b->setGeometry(x, y, w, 28);
        controles::pulsaconenter(b);
        return b;
    };

    QGroupBox* f1 = marco("Frame1", QStringLiteral("PUNTO"), 8, 8, 370, 84);
    QLabel* Label5 = etiqueta(f1, "Label5", QStringLiteral("Identificación"), 10, 24, 112);
    txtid_ = caja(f1, "txtid", 125, 22, 175);
    QLabel* Label6 = etiqueta(f1, "Label6", QStringLiteral("Atrib."), 10, 54, 112);
    lst_atrib_ = lista(f1, "lst_atrib", 125, 52, 175);
    Text7_ = caja(f1, "Text7", 310, 52, 50);

    QGroupBox* f2 = marco("Frame2", QStringLiteral("ELIPSOIDE"), 390, 8, 370, 172);
    QLabel* elipsoide1 = etiqueta(f2, "elipsoide(1)", QStringLiteral(" Nombre"), 10, 24, 72);
    lst_Elipso_ = lista(f2, "lst_Elipso", 84, 22, 206);
    Text8_ = caja(f2, "Text8", 300, 22, 50);
    for (int i = 1; i <= 5; ++i) {
        const std::string nombre = "Label3(" + std::to_string(i) + ")";
        Label3_[static_cast<std::size_t>(i)] = etiqueta(f2, nombre.c_str(), QString(), 10, 30 + 24 * i, 350);
    }

    QGroupBox* geo = marco("FraGeodésicas(0)", QStringLiteral("GEODESICAS"), 8, 100, 330, 150);
    QLabel* lbllat0 = etiqueta(geo, "lbllat(0)", QStringLiteral("Latitud (g m s)"), 10, 24, 140);
    txtlat_ = caja(geo, "txtlat", 155, 22, 160);
    QLabel* Lbllon = etiqueta(geo, "Lbllon", QStringLiteral("Longitud (g  m s)"), 10, 54, 140);
    txtlon_ = caja(geo, "txtlon", 155, 52, 160);
    QLabel* lblalt0 = etiqueta(geo, "lblalt(0)", QStringLiteral(" Altura (metros)"), 10, 84, 140);
    txtalt_ = caja(geo, "txtalt", 155, 82, 160);
    Label8_ = etiqueta(geo, "Label8", QString(), 10, 116, 140);
    Labelca_ = etiqueta(geo, "Labelca", QString(), 155, 116, 165);

    botgac_ = boton(central, "botgac(0)", QStringLiteral(">>>"), 342, 190, 44);
    botcag_ = boton(central, "botcag", QStringLiteral("<<<"), 342, 226, 44);

    QGroupBox* car = marco("FraCartesianas(1)", QStringLiteral("CARTES. GEOCENTRICAS"), 390, 184, 370, 114);
    QLabel* Lblx = etiqueta(car, "Lblx", QStringLiteral("x (metros)"), 10, 22, 90);
    txtx_ = caja(car, "txtx", 110, 20, 240);
    QLabel* Lbly = etiqueta(car, "Lbly", QStringLiteral("y (metros)"), 10, 52, 90);
    txty_ = caja(car, "txty", 110, 50, 240);
    QLabel* Lblz = etiqueta(car, "Lblz", QStringLiteral("z (metros)"), 10, 82, 90);
    txtz_ = caja(car, "txtz", 110, 80, 240);

    lst_param_ = lista(central, "lst_param", 8, 304, 220);
    botgagk_ = boton(central, "botgagk", QStringLiteral(">>>"), 236, 302, 50);
    botgkag_ = boton(central, "botgkag", QStringLiteral("<<<"), 292, 302, 50);

    QGroupBox* gk = marco("FraGK(1)", QStringLiteral("MERCATOR TRANSVERSAL "), 8, 336, 752, 184);
    etiqueta(gk, "Label2", QStringLiteral("Nombre"), 10, 24, 90);
    Text9_ = caja(gk, "Text9", 110, 22, 50);
    QLabel* lbllat1 = etiqueta(gk, "lbllat(1)", QStringLiteral("X (metros)"), 10, 56, 90);
    Txtxgk_ = caja(gk, "Txtxgk", 110, 54, 200);
    QLabel* Label1 = etiqueta(gk, "Label1", QStringLiteral("Y (metros)"), 10, 88, 90);
    Txtygk_ = caja(gk, "Txtygk", 110, 86, 200);
    for (int i = 1; i <= 5; ++i) {
        const std::string nombre = "Label4(" + std::to_string(i) + ")";
        Label4_[static_cast<std::size_t>(i)] = etiqueta(gk, nombre.c_str(), QString(), 390, 22 + 24 * (i - 1), 350);
    }
    // Captions wide enough for their text at 125% text scaling, and a gap
    // before the values.
    Label4_[8] = etiqueta(gk, "Label4(8)", QString(), 10, 122, 140);
    Label4_[6] = etiqueta(gk, "Label4(6)", QString(), 160, 122, 210);
    Label4_[9] = etiqueta(gk, "Label4(9)", QString(), 10, 148, 140);
    Label4_[7] = etiqueta(gk, "Label4(7)", QString(), 160, 148, 210);

    QGroupBox* f3 = marco("Frame3", QStringLiteral("ARCHIVO"), 8, 526, 600, 76);
    Text1_ = caja(f3, "Text1", 10, 22, 580);
    Label7_ = etiqueta(f3, "Label7", QString(), 10, 50, 580);
    botguardar_ = boton(central, "botguardar", QStringLiteral("Guardar"), 620, 532, 140);
    botcerrar_ = boton(central, "botcerrar", QStringLiteral("Cerrar"), 620, 568, 140);

    // The frame list, inside the narrow width: the user chooses the frame of
    // the point there before the window widens.
    Frame4_ = marco("Frame4", QStringLiteral("M.de Refer. Actual"), 8, 608, 370, 58);
    lst_partra_ = lista(Frame4_, "lst_partra", 10, 24, 220);
    // Its text can be set apart from its entries (one blank, the destination name).
    lst_partra_->setEditable(true);
    lst_partra_->setInsertPolicy(QComboBox::NoInsert);
    // Nothing is typed there: a click anywhere on it opens the list.
    lst_partra_->lineEdit()->setReadOnly(true);
    lst_partra_->lineEdit()->installEventFilter(this);
    lst_partra_->installEventFilter(this);
    // The rest of the panel, right of the narrow width, shown only when wide.
    Frame41_ = marco("Frame41", QStringLiteral("M.de Refer. Destino"), 775, 8, 240, 60);
    Text2_ = caja(Frame41_, "Text2", 10, 24, 220);
    Text3_ = caja(central, "Text3", 785, 74, 220);
    Label9_ = etiqueta(central, "Label9", QString(), 785, 106, 230);
    Label10_ = etiqueta(central, "Label10", QString(), 785, 128, 230);
    Label14_ = etiqueta(central, "Label14", QString(), 785, 150, 230);
    Label15_ = etiqueta(central, "Label15", QString(), 785, 172, 230);
    Label16_ = etiqueta(central, "Label16", QString(), 785, 194, 230);
    Label17_ = etiqueta(central, "Label17", QString(), 785, 216, 230);
    Label18_ = etiqueta(central, "Label18", QString(), 785, 238, 230);
    Frame5_ = marco("Frame5", QStringLiteral("Transformadas"), 775, 266, 240, 120);
    etiqueta(Frame5_, "Label19", QStringLiteral("x (m)"), 10, 24, 52);
    Text4_ = caja(Frame5_, "Text4", 64, 22, 166);
    etiqueta(Frame5_, "Label20", QStringLiteral("y (m)"), 10, 54, 52);
    Text5_ = caja(Frame5_, "Text5", 64, 52, 166);
    etiqueta(Frame5_, "Label21", QStringLiteral("z (m)"), 10, 84, 52);
    Text6_ = caja(Frame5_, "Text6", 64, 82, 166);
    bottransfiere_ = boton(central, "bottransfiere", QStringLiteral("<---Transfiere"), 775, 396, 240);
    panel_ = {Frame41_, Text3_, Label9_, Label10_, Label14_, Label15_, Label16_, Label17_, Label18_, Frame5_,
              bottransfiere_};

    for (QLineEdit* cuenta : {Text7_, Text8_, Text9_}) cuenta->setReadOnly(true);
    nombraparalectores({{Label5, txtid_}, {Label6, lst_atrib_}, {elipsoide1, lst_Elipso_}, {lbllat0, txtlat_},
                        {Lbllon, txtlon_}, {lblalt0, txtalt_}, {Lblx, txtx_}, {Lbly, txty_}, {Lblz, txtz_},
                        {lbllat1, Txtxgk_}, {Label1, Txtygk_}});

    const std::vector<QWidget*> orden = {
        txtid_, txtlat_, txtlon_, txtalt_, botgac_, txtx_, txty_, txtz_, botcag_, lst_param_, botgagk_,
        Txtxgk_, Txtygk_, botgkag_, lst_Elipso_, lst_atrib_, botguardar_, botcerrar_, Text1_, lst_partra_,
        Text2_, Text3_, Text4_, Text5_, Text6_, bottransfiere_, Text7_, Text8_, Text9_};
    for (std::size_t i = 0; i + 1 < orden.size(); ++i) setTabOrder(orden[i], orden[i + 1]);

    for (QLineEdit* campo : {txtlat_, txtlon_, txtalt_, txtx_, txty_, txtz_, Txtxgk_, Txtygk_})
        campo->installEventFilter(this);

    QObject::connect(lst_Elipso_, &QComboBox::activated, this, [this](int i) { lst_elipso_click(i); });
    QObject::connect(lst_param_, &QComboBox::activated, this, [this](int i) { lst_param_click(i); });
    QObject::connect(lst_partra_, &QComboBox::activated, this, [this](int i) { lst_partra_click(i); });
    QObject::connect(botcag_, &QPushButton::clicked, this, [this] { botcag_Click(); });
    QObject::connect(botgac_, &QPushButton::clicked, this, [this] { botgac_Click(); });
    QObject::connect(botgagk_, &QPushButton::clicked, this, [this] { botgagk_Click(); });
    QObject::connect(botgkag_, &QPushButton::clicked, this, [this] { botgkag_Click(); });
    QObject::connect(botguardar_, &QPushButton::clicked, this, [this] { botguardar_Click(); });
    QObject::connect(botcerrar_, &QPushButton::clicked, this, [this] { botcerrar_Click(); });
    QObject::connect(bottransfiere_, &QPushButton::clicked, this, [this] { bottransfiere_Click(); });
}

// Screen readers, voice control and automation tools name a field by the
// caption before it (its buddy); fields and buttons without a caption of
// their own get a name that says what they hold or do, and the labels that
// show a value are named by their caption and the value.
void Forconversion::nombraparalectores(std::initializer_list<std::pair<QLabel*, QWidget*>> rotulados) {
    for (const auto& [rotulo, campo] : rotulados) rotulo->setBuddy(campo);
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

void Forconversion::construyemenu() {
    auto* barra = new BarraMenus(this);
    setMenuBar(barra);
    const auto menu = [](QMenuBar* b, const char* nombre, const QString& titulo) {
        QMenu* m = b->addMenu(titulo);
        m->setObjectName(QString::fromUtf8(nombre));
        m->menuAction()->setObjectName(QString::fromUtf8(nombre));
        return m;
    };
    const auto submenu = [](QMenu* padre, const char* nombre, const QString& titulo) {
        QMenu* m = padre->addMenu(titulo);
        m->setObjectName(QString::fromUtf8(nombre));
        m->menuAction()->setObjectName(QString::fromUtf8(nombre));
        return m;
    };
    // Items whose windows are not part of this version exist, disabled.
    const auto item = [](QMenu* padre, const char* nombre, const QString& titulo, bool activo) {
        QAction* a = padre->addAction(titulo);
        a->setObjectName(QString::fromUtf8(nombre));
        a->setEnabled(activo);
        return a;
    };
    QMenu* archivo = menu(barra, "mnuArchivo", QStringLiteral("&Archivo"));
    // Items that open a window ask the program for it.
    const auto pide = [&](QMenu* padre, const char* nombre, const QString& titulo, PedidoVentana pedido) {
        QAction* a = item(padre, nombre, titulo, true);
        QObject::connect(a, &QAction::triggered, this, [this, pedido] {
            if (abre_) abre_(pedido);
        });
    };
    QMenu* procesando = submenu(archivo, "mnuprocesando", QStringLiteral("&Procesar Archivo de  Coordenadas"));
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
    QAction* salir = item(archivo, "mnuSalir", QStringLiteral("&Salir"), true);
    QObject::connect(salir, &QAction::triggered, this, [this] { plataforma_.terminaprograma(); });

    QMenu* vistas = menu(barra, "mnuvista", QStringLiteral("&Vista"));
    pide(vistas, "mnuvisgeo", QStringLiteral("Coordenadas geodésicas"), {Ventana::visgeo, {}, {}});
    pide(vistas, "mnuviscar", QStringLiteral("Coordenadas geocéntricas"), {Ventana::viscar, {}, {}});
    pide(vistas, "mnuvispla", QStringLiteral("coordenadas planas"), {Ventana::vispla, {}, {}});

    QMenu* modificar = menu(barra, "mnuModificar", QStringLiteral("&Modificar"));
    QMenu* elipsoides = submenu(modificar, "mnuListElip", QStringLiteral("&Listado de Elipsoides"));
    pide(elipsoides, "mnuListElipAgr", QStringLiteral("&Agregar"), {Ventana::elipsoide0, QStringLiteral("eliagr"), {}});
    pide(elipsoides, "mnuListElipBor", QStringLiteral("&Borrar"), {Ventana::elipsoides, QStringLiteral("elibor"), {}});
    QMenu* parametros = submenu(modificar, "mnuListParam", QStringLiteral("&Listado de Represent. plana"));
    pide(parametros, "mnuListParAgr", QStringLiteral("&Agregar"), {Ventana::parametros, QStringLiteral("eliagr"), {}});
    pide(parametros, "mnuListParBor", QStringLiteral("&Borrar"), {Ventana::parametros, QStringLiteral("elibor"), {}});
    QMenu* atributos = submenu(modificar, "mnuListAtr", QStringLiteral("&Listado de Atributos"));
    pide(atributos, "mnuListAtrAgr", QStringLiteral("&Agregar"), {Ventana::atributos, QStringLiteral("eliagr"), {}});
    pide(atributos, "mnuListAtrBor", QStringLiteral("&Borrar"), {Ventana::atributos, QStringLiteral("elibor"), {}});
    pide(modificar, "mnudeci", QStringLiteral("&Decimales"), {Ventana::decimales, {}, {}});

    QMenu* transformaciones = menu(barra, "mnutmr", QStringLiteral("&Transformaciones"));
    pide(transformaciones, "mnucmr", QStringLiteral("&Actualización de M.R."), {Ventana::marcos, {}, {}});
    mnutra_ = item(transformaciones, "mnutra", QStringLiteral("&Transformación p/punto"), true);
    QObject::connect(mnutra_, &QAction::triggered, this, [this] { mnutra_Click(); });
    pide(transformaciones, "mnutraar", QStringLiteral("&Transformación desde archivo"),
         {Ventana::transformacionarchivo, {}, {}});

    QMenu* ayuda = menu(barra, "mnuAyuda", QStringLiteral("&Ayuda"));
    pide(ayuda, "mnuacerca", QStringLiteral("Acerca de....."), {Ventana::acerca, {}, {}});
    ayuda->addSeparator()->setObjectName(QStringLiteral("separa"));
    pide(ayuda, "mnumanual", QStringLiteral("Guía del usuario"), {Ventana::manual, {}, {}});
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
    for (QLabel* l : {Label4_[6], Label4_[7], Label4_[8], Label4_[9], Label8_, Labelca_}) l->setText(blanco);
}

void Forconversion::borracar() {
    for (QLineEdit* campo : {txtx_, txty_, txtz_}) campo->setText(blanco);
}

void Forconversion::borrapla() {
    Txtxgk_->setText(blanco);
    Txtygk_->setText(blanco);
    for (QLabel* l : {Label4_[6], Label4_[7], Label4_[8], Label4_[9]}) l->setText(blanco);
}

void Forconversion::borrageo() {
    for (QLineEdit* campo : {txtlat_, txtlon_, txtalt_}) campo->setText(blanco);
    Label8_->setText(blanco);
    Labelca_->setText(blanco);
}

void Forconversion::avisa(const QString& texto) {
    plataforma_.mensaje(this, texto);
    plataforma_.pitido();
}

// A computation that refuses the values on screen (they give no finite
// result): said, never shown as a wrong number.
void Forconversion::nocalculable() {
    avisa(QStringLiteral("No se puede calcular el punto con los valores ingresados"));
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
        avisa(QStringLiteral("Ingrese las coordenadas a convertir"));
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
    const auto c = coefalt(textode(txtlat_), numerode(txtalt_), estado_.elipsoide);
    Label8_->setText(QStringLiteral("coef. de altura="));
    Labelca_->setText(c ? vista(redondea(*c, 8)) : blanco);
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
    Label4_[6]->setText(vista(redondea(p->factorescala, 8)));
    Label4_[7]->setText(aqt(reparacoma(p->convergencia)));
    Label4_[8]->setText(QStringLiteral("mod. deform.="));
    Label4_[9]->setText(QStringLiteral("conv.de merid.="));
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
    Label4_[6]->setText(vista(redondea(p->factorescala, 8)));
    Label4_[7]->setText(aqt(reparacoma(p->convergencia)));
    Label4_[8]->setText(QStringLiteral("mod.de deform.="));
    Label4_[9]->setText(QStringLiteral("conv.de merid.="));
    Label8_->setText(QStringLiteral("coef. de altura="));
    Labelca_->setText(QStringLiteral("1"));
    return true;
}

void Forconversion::Txtygk_LostFocus() {
    // Tabbing through blank plane fields is not a point to convert: said, and
    // the geodetic fields keep what the user typed there.
    if (!tienenumero(Txtxgk_) || !tienenumero(Txtygk_)) {
        avisa(QStringLiteral("Ingrese las coordenadas a convertir"));
        return;
    }
    if (convierteplanas()) borrageo();
}

// ---- Typing and leaving fields -----------------------------------------

bool Forconversion::controlcoma(const QString& tecla) {
    if (tecla != QStringLiteral(",")) return false;
    avisa(QStringLiteral("Utilice el punto (.) como separador decimal"));
    return true;
}

void Forconversion::teclaen(QLineEdit* campo) {
    if (campo == txtlat_ || campo == txtlon_ || campo == txtalt_) {
        borracar();
        borrapla();
        if (campo == txtlon_) txtalt_->setText(QStringLiteral("0"));
        Labelca_->setText(QString());
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
    Label8_->setText(QStringLiteral("coef. de altura="));
    const auto c = coefalt(textode(txtlat_), numerode(txtalt_), estado_.elipsoide);
    Labelca_->setText(c ? vista(redondea(*c, 8)) : blanco);
}

// ---- Saving ------------------------------------------------------------

void Forconversion::botguardar_Click() {
    if (!estado_.resultados.abierto()) {
        avisa(QStringLiteral("Para Guardar primero debe abrir un archivo"));
        const auto ruta = plataforma_.abrearchivo(this, QStringLiteral("Elija el archivo que desea abrir"),
                                                  QStringLiteral("Texto(*.txt)|*.txt"));
        if (!ruta) return;
        const std::filesystem::path camino = ruta->toStdString();
        if (escatalogo(camino, estado_.carpeta))
            return avisa(QStringLiteral("No se pueden grabar resultados en un catálogo del programa: elija otro archivo"));
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
        numerode(Txtxgk_), numerode(Txtygk_), numerode(Label4_[6]),
        sinblancosiniciales(acp1252(Label4_[7]->text())), numerode(Labelca_),
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
        avisa(QStringLiteral("Faltan las coordenadas cartesianas dato: Ingrese o calcule sus valores"));
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
        avisa(QStringLiteral("El elipsoide asociado al Marco de Referencia asignado no corresponde SOLUCIONE EL "
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
