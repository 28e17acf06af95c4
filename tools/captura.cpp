// Takes the README's pictures of the windows, each with real data in it: the
// program's own windows, driven through their widgets as a user would, on the
// real display (run it under Xvfb). The file dialogs are answered with files
// made here, in a scratch folder beside the pictures' folder.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>
#include <deque>
#include <fstream>

#include "programa/programa.hpp"
#include "ventanas/forconversion.hpp"
#include "ventanas/forvis.hpp"
#include "ventanas/modos_proceso.hpp"
#include "ventanas/plataforma_qt.hpp"
#include "ventanas/ventana_archivos.hpp"

namespace {

// Answers the file dialogs in turn; says nothing and plays nothing.
class PlataformaGuionada : public rumbal::Plataforma {
public:
    void mensaje(QWidget*, const QString& texto) override { qWarning("mensaje: %s", qPrintable(texto)); }
    void pitido() override {}
    std::optional<QString> abrearchivo(QWidget*, const QString&, const QString&) override {
        if (respuestas.empty()) return std::nullopt;
        const QString r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    void suena() override {}
    void abredocumento(const QString&) override {}
    void terminaprograma() override {}
    std::deque<QString> respuestas;
};

// Points around Buenos Aires, as a surveyor's data file holds them
// (Windows-1252: "V\xE9rtice").
void escribedatos(const QString& ruta) {
    std::ofstream f(ruta.toStdString(), std::ios::binary);
    const char* atributos[] = {"V\xE9rtice", "Esquina", "Poste", "Mojon"};
    for (int i = 0; i < 24; ++i) {
        f << "\"P" << 101 + i << "\",\"" << atributos[i % 4] << "\",\"-34 " << 30 + i % 20 << " " << (i * 7) % 60
          << "." << i % 10 << "\",\"-58 " << 20 + i % 15 << " " << (i * 11) % 60 << ".5\"," << 10 + i * 1.25 << "\r\n";
    }
}

class Captura {
public:
    Captura(rumbal::Programa& programa, PlataformaGuionada& plataforma, QString carpeta)
        : programa_(programa), plataforma_(plataforma), carpeta_(std::move(carpeta)) {}

    QWidget* menu(const char* item, rumbal::Ventana v) {
        programa_.principal()->findChild<QAction*>(QString::fromUtf8(item))->trigger();
        QWidget* w = programa_.ventana(v);
        if (!QTest::qWaitForWindowExposed(w)) qWarning("%s no se muestra", item);
        return w;
    }
    void elige(QWidget* w, const char* lista, const char* nombre) {
        auto* l = w->findChild<QComboBox*>(QString::fromUtf8(lista));
        const int i = l->findText(QString::fromUtf8(nombre));
        l->setCurrentIndex(i);
        emit l->activated(i);
    }
    void pulsa(QWidget* w, const char* boton) {
        QTest::mouseClick(w->findChild<QPushButton*>(QString::fromUtf8(boton)), Qt::LeftButton);
    }
    void corre(QWidget* w, const char* boton) {
        pulsa(w, boton);
        if (!QTest::qWaitFor([w] { return !static_cast<rumbal::VentanaArchivos*>(w)->encurso(); }, 10000))
            qWarning("%s no termina", boton);
    }
    bool guarda(QWidget* w, const char* nombre) {
        QTest::qWait(150);
        return w->grab().save(carpeta_ + QLatin1Char('/') + QString::fromUtf8(nombre));
    }
    void responde(std::initializer_list<QString> rutas) { plataforma_.respuestas.assign(rutas); }

private:
    rumbal::Programa& programa_;
    PlataformaGuionada& plataforma_;
    QString carpeta_;
};

bool principal(Captura& c, QWidget* w) {
    w->activateWindow();
    // Without a window manager the window may never become active; the
    // application is told it is, so that focus moves and leave actions run.
    QApplication::setActiveWindow(w);
    c.elige(w, "lst_Elipso", "WGS 84");
    c.elige(w, "lst_param", "Faja 5");
    c.elige(w, "lst_atrib", "Esquina");
    const auto escribe = [&](const char* campo, const char* texto) {
        auto* f = w->findChild<QLineEdit*>(QString::fromUtf8(campo));
        f->setFocus(Qt::TabFocusReason);
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Delete);
        QTest::keyClicks(f, QString::fromUtf8(texto));
        QTest::keyClick(f, Qt::Key_Tab);
    };
    escribe("txtid", "P1");
    escribe("txtlat", "-34 36 12.5");
    escribe("txtlon", "-58 22 54.3");
    escribe("txtalt", "25");
    c.pulsa(w, "botgac(0)");
    c.pulsa(w, "botgagk");
    bool bien = c.guarda(w, "ventana-principal.png");
    // The frame list after "&Transformación p/punto", inside the narrow window.
    w->findChild<QAction*>(QStringLiteral("mnutra"))->trigger();
    bien = c.guarda(w, "ventana-principal-marcos.png") && bien;
    // The point, on WGS 84, taken from POSGAR 94 to Campo Inchauspe.
    c.elige(w, "lst_partra", "POSGAR 94");
    bien = c.guarda(w, "ventana-principal-transformacion.png") && bien;
    c.pulsa(w, "bottransfiere");
    return bien;
}

// The editors in the states a user meets them in, nothing saved: the
// catalogues beside the program stay as they are.
bool editores(Captura& c) {
    using rumbal::Ventana;
    const auto escribe = [](QWidget* w, const char* caja, const char* texto) {
        w->findChild<QLineEdit*>(QString::fromUtf8(caja))->setText(QString::fromUtf8(texto));
    };
    bool bien = true;
    QWidget* d = c.menu("mnudeci", Ventana::decimales);
    bien = c.guarda(d, "decimales.png") && bien;
    d->close();

    QWidget* nuevo = c.menu("mnuListElipAgr", Ventana::elipsoide0);
    escribe(nuevo, "Text1(1)", "Hayford");
    escribe(nuevo, "Text1(2)", "6378388");
    escribe(nuevo, "Text1(3)", "297");
    bien = c.guarda(nuevo, "nuevo-elipsoide.png") && bien;
    c.pulsa(nuevo, "BotAceEli");
    QWidget* e = c.menu("mnuListElipAgr", Ventana::elipsoides);
    bien = c.guarda(e, "elipsoides.png") && bien;
    e->close();

    QWidget* p = c.menu("mnuListParBor", Ventana::parametros);
    c.elige(p, "lst_param", "Faja 5");
    bien = c.guarda(p, "parametros.png") && bien;
    p->close();

    QWidget* a = c.menu("mnuListAtrAgr", Ventana::atributos);
    escribe(a, "Text1", "Poste de luz");
    bien = c.guarda(a, "atributos.png") && bien;
    a->close();

    QWidget* acerca = c.menu("mnuacerca", Ventana::acerca);
    bien = c.guarda(acerca, "acerca.png") && bien;
    acerca->close();
    QWidget* guia = c.menu("mnumanual", Ventana::manual);
    bien = c.guarda(guia, "manual.png") && bien;
    guia->close();

    QWidget* m = c.menu("mnucmr", Ventana::marcos);
    m->findChild<QLineEdit*>(QStringLiteral("Text6"))->setFocus();
    QTest::qWait(100);
    bien = c.guarda(m, "marcos.png") && bien;
    m->close();
    return bien;
}

// The desktop's own file dialog of the processing window's "Abrir", Qt's
// texts in Spanish, as a user first meets it: in the documents folder, here a
// folder of data files made for the picture.
bool dialogo(const QString& carpeta, const QTemporaryDir& trabajo, const QStringList& archivos) {
    const QString documentos = trabajo.filePath(QStringLiteral("Documentos"));
    const QString configuracion = trabajo.filePath(QStringLiteral("configuracion"));
    QDir().mkpath(documentos);
    QDir().mkpath(configuracion);
    for (const QString& a : archivos) QFile::copy(a, documentos + QLatin1Char('/') + QFileInfo(a).fileName());
    QFile dirs(configuracion + QStringLiteral("/user-dirs.dirs"));
    if (!dirs.open(QIODevice::WriteOnly)) return false;
    dirs.write("XDG_DOCUMENTS_DIR=\"" + documentos.toUtf8() + "\"\n");
    dirs.close();
    qputenv("XDG_CONFIG_HOME", configuracion.toUtf8());
    rumbal::PlataformaQt plataforma(QCoreApplication::applicationDirPath().toStdString() + "/save.wav");
    bool bien = false;
    auto* espera = new QTimer;
    QObject::connect(espera, &QTimer::timeout, [&bien, espera, carpeta] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) return;
        espera->stop();
        espera->deleteLater();
        if (!QTest::qWaitForWindowExposed(d)) qWarning("el diálogo no se muestra");
        d->resize(760, 440);
        if (auto* lista = d->findChild<QTreeView*>(QStringLiteral("treeView")))
            lista->header()->resizeSections(QHeaderView::ResizeToContents);  // every column whole
        QTest::qWait(300);
        bien = d->grab().save(carpeta + QStringLiteral("/dialogo-archivo.png"));
        d->reject();
    });
    espera->start(50);
    plataforma.abrearchivo(nullptr, QString::fromUtf8(rumbal::titulodatos("progeo")),
                           rumbal::VentanaArchivos::filtrodatos);
    return bien;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rumbal"));
    rumbal::PlataformaQt::instalatraduccion();
    if (argc < 2) return 2;
    const QString carpeta = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir trabajo;
    const QString datos = trabajo.filePath(QStringLiteral("puntos.txt"));
    const QString resultados = trabajo.filePath(QStringLiteral("resultados.txt"));
    const QString cartesianas = trabajo.filePath(QStringLiteral("cartesianas.txt"));
    const QString transformadas = trabajo.filePath(QStringLiteral("transformadas.txt"));
    escribedatos(datos);

    PlataformaGuionada plataforma;
    rumbal::Programa programa(QCoreApplication::applicationDirPath().toStdString(), plataforma);
    if (!programa.abreprincipal()) return 1;
    QWidget* w = programa.principal();
    if (!QTest::qWaitForWindowExposed(w)) return 1;
    Captura c(programa, plataforma, carpeta);
    bool bien = principal(c, w);

    using rumbal::Ventana;
    QWidget* p = c.menu("mnuprocesandog", Ventana::procesar);
    c.elige(p, "lst_elipso", "WGS 84");
    c.elige(p, "lst_param", "Faja 5");
    c.responde({datos, resultados});
    c.pulsa(p, "botabrir");
    c.corre(p, "botcalcular");
    bien = c.guarda(p, "procesar.png") && bien;
    p->close();

    QWidget* g = c.menu("mnugenerar", Ventana::generar);
    auto* columnas = g->findChild<QListWidget*>(QStringLiteral("List1"));
    for (int i : {0, 1, 5, 6, 7}) columnas->item(i)->setCheckState(Qt::Checked);
    c.pulsa(g, "botfin");
    c.responde({resultados, cartesianas});
    c.pulsa(g, "botabrir");
    c.corre(g, "botgenerar");
    bien = c.guarda(g, "columnas.png") && bien;
    g->close();

    QWidget* t = c.menu("mnutraar", Ventana::transformacionarchivo);
    c.elige(t, "lst_partra", programa.principal()->findChild<QComboBox*>(QStringLiteral("lst_partra"))
                                     ->itemText(0).toUtf8().constData());
    c.responde({cartesianas, transformadas});
    c.pulsa(t, "botabrir");
    c.corre(t, "botcalcular");
    bien = c.guarda(t, "transformar.png") && bien;
    t->close();

    QWidget* a = c.menu("mnuatrib", Ventana::poratributos);
    c.elige(a, "lst_Atrib", "Esquina");
    c.responde({resultados, trabajo.filePath(QStringLiteral("esquinas.txt"))});
    c.pulsa(a, "botabrir");
    c.corre(a, "botgenerar");
    bien = c.guarda(a, "atributo.png") && bien;
    a->close();

    const std::pair<const char*, Ventana> vistas[] = {
        {"mnuvisgeo", Ventana::visgeo}, {"mnuviscar", Ventana::viscar}, {"mnuvispla", Ventana::vispla}};
    const char* nombres[] = {"vista-geodesicas.png", "vista-cartesianas.png", "vista-planas.png"};
    for (int i = 0; i < 3; ++i) {
        auto* v = static_cast<rumbal::Forvis*>(c.menu(vistas[i].first, vistas[i].second));
        c.responde({resultados});
        c.pulsa(v, "botabrir");
        c.pulsa(v, "botlistar");
        if (!QTest::qWaitFor([v] { return !v->encurso(); }, 10000)) qWarning("%s no termina", nombres[i]);
        bien = c.guarda(v, nombres[i]) && bien;
        v->close();
    }
    bien = editores(c) && bien;
    bien = dialogo(carpeta, trabajo, {datos, resultados, cartesianas, transformadas}) && bien;
    return bien ? 0 : 1;
}
