// The main window, driven through its real widgets by their names, offscreen.

#include "ventanas/forconversion.hpp"

#include <QAction>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "comun/carpeta_temporal.hpp"
#include "comun/catalogos_prueba.hpp"
#include "programa/programa.hpp"
#include "ventanas/plataforma_falsa.hpp"

using namespace rumbal;

class PruebaForconversion : public QObject {
    Q_OBJECT

    std::unique_ptr<prueba::CarpetaTemporal> carpeta;
    std::unique_ptr<prueba::PlataformaFalsa> plataforma;
    std::unique_ptr<Programa> programa;
    Forconversion* w = nullptr;

    template <class T = QLineEdit>
    T* c(const char* nombre) {
        T* widget = w->findChild<T*>(QString::fromUtf8(nombre));
        if (!widget) qFatal("no hay un control %s", nombre);
        return widget;
    }
    QString texto(const char* nombre) {
        if (auto* l = w->findChild<QLabel*>(QString::fromUtf8(nombre))) return l->text();
        return c(nombre)->text();
    }
    void copiadatos() { prueba::copiacatalogos(carpeta->ruta()); }
    // A length in metres with at most three decimals, moved by a whole number
    // of metres, in decimal arithmetic (thousandths), written as the display
    // form writes it: no trailing zeros, no point for whole values.
    static QString desplaza(const QString& metros, long long entero) {
        const bool negativo = metros.startsWith(QLatin1Char('-'));
        const QStringList partes = metros.mid(negativo ? 1 : 0).split(QLatin1Char('.'));
        long long milesimas = partes[0].toLongLong() * 1000 + (partes.size() > 1 ? partes[1].leftJustified(3, QLatin1Char('0')).toLongLong() : 0);
        milesimas = (negativo ? -milesimas : milesimas) + entero * 1000;
        const long long absoluto = milesimas < 0 ? -milesimas : milesimas;
        QString t = QString::number(absoluto / 1000);
        QString fraccion = QStringLiteral("%1").arg(absoluto % 1000, 3, 10, QLatin1Char('0'));
        while (fraccion.endsWith(QLatin1Char('0'))) fraccion.chop(1);
        if (!fraccion.isEmpty()) t += QLatin1Char('.') + fraccion;
        return milesimas < 0 ? QLatin1Char('-') + t : t;
    }
    bool arranca() {
        programa = std::make_unique<Programa>(carpeta->ruta(), *plataforma);
        if (!programa->abreprincipal()) return false;
        w = programa->principal();
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowActive(w);
    }
    void elige(const char* lista, const QString& nombre) {
        auto* l = c<QComboBox>(lista);
        const int i = l->findText(nombre);
        QVERIFY2(i >= 0, qPrintable(nombre));
        l->setCurrentIndex(i);
        emit l->activated(i);
    }
    // Types into a field as a user does: focus, keys, then Tab to leave it.
    void escribe(const char* campo, const QString& teclas, bool tab = true) {
        QLineEdit* f = c(campo);
        f->setFocus(Qt::TabFocusReason);
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Delete);
        QTest::keyClicks(f, teclas);
        if (tab) QTest::keyClick(f, Qt::Key_Tab);
    }
    void pulsa(const char* boton) { QTest::mouseClick(c<QPushButton>(boton), Qt::LeftButton); }
    void preparapunto() {
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        elige("lst_param", QStringLiteral("Faja 5"));
        escribe("txtlat", QStringLiteral("-34 36 12.5"));
        escribe("txtlon", QStringLiteral("-58 22 54.3"));
        escribe("txtalt", QStringLiteral("25"));
    }

private slots:
    void init() {
        carpeta = std::make_unique<prueba::CarpetaTemporal>();
        plataforma = std::make_unique<prueba::PlataformaFalsa>();
        copiadatos();
    }
    void cleanup() {
        programa.reset();
        w = nullptr;
    }

    void arranqueConLosCatalogosPorDefecto() {
        QVERIFY(arranca());
        QCOMPARE(w->windowTitle(), QStringLiteral("CONVERSION DE COORDENADAS"));
        QCOMPARE(w->anchotwips(), 7685);
        QCOMPARE(w->width(), 768);
        QCOMPARE(texto("Text7"), QStringLiteral("8"));
        QCOMPARE(texto("Text8"), QStringLiteral("6"));
        QCOMPARE(texto("Text9"), QStringLiteral("10"));
        auto* elipsoides = c<QComboBox>("lst_Elipso");
        QCOMPARE(elipsoides->count(), 6);
        QCOMPARE(elipsoides->itemText(0), QStringLiteral("WGS 84"));
        QCOMPARE(c<QComboBox>("lst_atrib")->itemText(0), QStringLiteral("Vértice"));
        QCOMPARE(c<QComboBox>("lst_param")->itemText(4), QStringLiteral("Faja 5"));
        QCOMPARE(c<QComboBox>("lst_partra")->itemText(1), QStringLiteral("ETRS89"));
        for (const char* lista : {"lst_Elipso", "lst_atrib", "lst_param", "lst_partra"})
            QCOMPARE(c<QComboBox>(lista)->currentIndex(), -1);
        for (const char* campo : {"txtlat", "txtlon", "txtalt", "txtx", "txty", "txtz", "Txtxgk", "Txtygk"}) {
            QVERIFY(!c(campo)->isEnabled());
            QCOMPARE(c(campo)->text(), QString());
        }
        for (const char* boton : {"botgac(0)", "botcag", "botgagk", "botgkag"}) QVERIFY(!c<QPushButton>(boton)->isEnabled());
        QVERIFY(!c<QComboBox>("lst_param")->isEnabled());
        QVERIFY(c<QComboBox>("lst_Elipso")->isEnabled());
        QVERIFY(c<QPushButton>("botguardar")->isEnabled());
        QVERIFY(!c<QGroupBox>("Frame4")->isVisible());
        QVERIFY(w->findChild<QGroupBox*>(QStringLiteral("FraGeodésicas(0)")));
        QCOMPARE(c<QGroupBox>("FraGK(1)")->title(), QStringLiteral("MERCATOR TRANSVERSAL "));
        QCOMPARE(texto("Lbllon"), QStringLiteral("Longitud (g  m s)"));
        QCOMPARE(texto("elipsoide(1)"), QStringLiteral(" Nombre"));
        QCOMPARE(texto("Label7"), QString());
        QVERIFY(plataforma->mensajes.isEmpty());
    }

    void menusConSusTitulos() {
        QVERIFY(arranca());
        const auto accion = [&](const char* n) { return w->findChild<QAction*>(QString::fromUtf8(n)); };
        QCOMPARE(accion("mnuArchivo")->text(), QStringLiteral("&Archivo"));
        QCOMPARE(accion("mnuprocesando")->text(), QStringLiteral("&Procesar Archivo de  Coordenadas"));
        QCOMPARE(accion("mnuprocesandoc")->text(), QStringLiteral("Datos: x,y,z"));
        QCOMPARE(accion("mnuvispla")->text(), QStringLiteral("coordenadas planas"));
        QCOMPARE(accion("mnuListParam")->text(), QStringLiteral("&Listado de Represent. plana"));
        QCOMPARE(accion("mnucmr")->text(), QStringLiteral("&Actualización de M.R."));
        QCOMPARE(accion("mnumanual")->text(), QStringLiteral("Guía del usuario"));
        QVERIFY(accion("separador(1)")->isSeparator());
        for (const char* n : {"mnuprocesandog", "mnuprocesandoc", "mnuprocesandop", "mnugenerar", "mnuatrib",
                              "mnuvisgeo", "mnuviscar", "mnuvispla", "mnutraar", "mnudeci", "mnuListElipAgr",
                              "mnuListElipBor", "mnuListParAgr", "mnuListParBor", "mnuListAtrAgr", "mnuListAtrBor", "mnucmr",
                              "mnuacerca", "mnumanual"})
            QVERIFY2(accion(n)->isEnabled(), n);
        QVERIFY(accion("mnutra")->isEnabled());
        accion("mnuSalir")->trigger();
        QVERIFY(plataforma->terminado);
    }

    // "&Archivo" and "&Ayuda" share Alt+A: it opens "&Archivo" every time,
    // not each of them in turn.
    void altAAbreSiempreArchivo() {
        QVERIFY(arranca());
        auto* archivo = w->findChild<QMenu*>(QStringLiteral("mnuArchivo"));
        auto* ayuda = w->findChild<QMenu*>(QStringLiteral("mnuAyuda"));
        for (int vez = 1; vez <= 3; ++vez) {
            QTest::keyClick(w, Qt::Key_A, Qt::AltModifier);
            QTRY_VERIFY(archivo->isVisible());
            QVERIFY(!ayuda->isVisible());
            QCOMPARE(archivo->activeAction()->objectName(), QStringLiteral("mnuprocesando"));
            QTest::keyClick(archivo, Qt::Key_Escape);
            QTest::keyClick(w->menuBar(), Qt::Key_Escape);
            QTRY_VERIFY(!archivo->isVisible());
        }
    }

    void ordenDeTabulacion() {
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        c("txtid")->setFocus(Qt::TabFocusReason);
        const QStringList esperado = {"txtlat", "txtlon", "txtalt", "botgac(0)", "txtx", "txty", "txtz", "botcag", "lst_param"};
        for (const QString& nombre : esperado) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), nombre);
        }
    }

    void catalogoVacioDaCuentaCero() {
        prueba::escribe(*carpeta / "atributos.txt", "");
        QVERIFY(arranca());
        QCOMPARE(texto("Text7"), QStringLiteral("0"));
        QCOMPARE(c<QComboBox>("lst_atrib")->count(), 0);
    }

    void catalogoQueFaltaOMalformado() {
        std::filesystem::remove(*carpeta / "varios.txt");
        QVERIFY(!arranca());
        QCOMPARE(plataforma->mensajes.size(), 1);
        QVERIFY(plataforma->mensajes[0].startsWith(
            QStringLiteral("Error en el archivo \"varios.txt\": no se encuentra el archivo en la carpeta del programa.")));
        QVERIFY(!std::filesystem::exists(*carpeta / "varios.txt"));
        copiadatos();
        prueba::escribe(*carpeta / "elipsoide.txt", "\"WGS 84\",6378137,\"x\",1,1,1\r\n");
        plataforma->mensajes.clear();
        QVERIFY(!arranca());
        QVERIFY(plataforma->mensajes[0].startsWith(
            QStringLiteral("Error en el archivo \"elipsoide.txt\", renglón 1: el campo 3 (x) no es un número.")));
    }

    void eleccionDeElipsoideYRepresentacion() {
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        QCOMPARE(texto("Label3(1)"), QStringLiteral("Semieje mayor = 6378137 m. "));
        QCOMPARE(texto("Label3(2)"), QStringLiteral("Semieje menor = 6356752.31424518 m."));
        QCOMPARE(texto("Label3(3)"), QStringLiteral("Aplastamiento = 0.00335281066474748"));
        QCOMPARE(texto("Label3(4)"), QStringLiteral("1ra.excentricidad = 0.00669437999014111"));
        for (const char* campo : {"txtlat", "txtlon", "txtalt", "txtx", "txty", "txtz"}) {
            QVERIFY(c(campo)->isEnabled());
            QCOMPARE(c(campo)->text(), QStringLiteral(" "));
        }
        QVERIFY(!c("Txtxgk")->isEnabled());
        QVERIFY(c<QComboBox>("lst_param")->isEnabled());
        // The first choice of a representation keeps the fields; the second clears them.
        escribe("txtlat", QStringLiteral("-34"));
        elige("lst_param", QStringLiteral("Faja 5"));
        QCOMPARE(texto("txtlat"), QStringLiteral(" -34 00 00"));
        QCOMPARE(texto("Label4(1)"), QStringLiteral("Longitud del origen= -60"));
        QCOMPARE(texto("Label4(2)"), QStringLiteral("Falso Este= 5500000 m."));
        QCOMPARE(texto("Label4(5)"), QStringLiteral("Factor Escala= 1"));
        QVERIFY(c("Txtxgk")->isEnabled());
        elige("lst_param", QStringLiteral("Faja 4"));
        QCOMPARE(texto("txtlat"), QStringLiteral(" "));
    }

    void conversionesDeIdaYVuelta() {
        QVERIFY(arranca());
        preparapunto();
        QCOMPARE(texto("txtlat"), QStringLiteral(" -34 36 12.5"));
        QCOMPARE(texto("txtlon"), QStringLiteral(" -58 22 54.3"));
        QCOMPARE(texto("Label8"), QStringLiteral("coef. de altura="));
        QCOMPARE(texto("Labelca"), QStringLiteral("0.99999608"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("botgac(0)"));
        pulsa("botgac(0)");
        QCOMPARE(texto("txtx"), QStringLiteral("2755261.841"));
        QCOMPARE(texto("txty"), QStringLiteral("-4475419.437"));
        QCOMPARE(texto("txtz"), QStringLiteral("-3601759.93"));
        pulsa("botcag");
        QCOMPARE(texto("txtlat"), QStringLiteral(" -34 36 12.5"));
        QCOMPARE(texto("txtlon"), QStringLiteral(" -58 22 54.3"));
        QCOMPARE(texto("txtalt"), QStringLiteral("25"));
        QCOMPARE(texto("Labelca"), QStringLiteral("0.99999608"));
        pulsa("botgagk");
        QCOMPARE(texto("Txtxgk"), QStringLiteral("6170171.746"));
        QCOMPARE(texto("Txtygk"), QStringLiteral("5648443.249"));
        QCOMPARE(texto("Label4(6)"), QStringLiteral("1.0002715"));
        QCOMPARE(texto("Label4(7)"), QStringLiteral("   -0 55 08.9822"));
        QCOMPARE(texto("Label4(8)"), QStringLiteral("mod. deform.="));
        QCOMPARE(texto("Label4(9)"), QStringLiteral("conv.de merid.="));
        pulsa("botgkag");
        QCOMPARE(texto("txtlat"), QStringLiteral(" -34 36 12.5"));
        QCOMPARE(texto("txtlon"), QStringLiteral(" -58 22 54.3"));
        QCOMPARE(texto("txtalt"), QStringLiteral("0"));
        QCOMPARE(texto("txtx"), QStringLiteral(" "));
        QCOMPARE(texto("Labelca"), QStringLiteral("1"));
        QCOMPARE(texto("Label4(8)"), QStringLiteral("mod.de deform.="));
    }

    void dejarYPlanaBorraLasGeodesicas() {
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        elige("lst_param", QStringLiteral("Faja 5"));
        escribe("Txtxgk", QStringLiteral("6170171.746"));
        escribe("Txtygk", QStringLiteral("5648443.249"));
        QCOMPARE(texto("txtlat"), QStringLiteral(" "));
        QCOMPARE(texto("txtalt"), QStringLiteral(" "));
        QCOMPARE(texto("Labelca"), QStringLiteral(" "));
        QCOMPARE(texto("Label4(6)"), QStringLiteral("1.0002715"));
        QCOMPARE(texto("Label4(7)"), QStringLiteral("   -0 55 08.9822"));
        QCOMPARE(texto("Txtygk"), QStringLiteral("5648443.249"));
    }

    void comaYTeclasQueBorran() {
        QVERIFY(arranca());
        preparapunto();
        pulsa("botgac(0)");
        escribe("txtz", QStringLiteral("12,5"), false);
        QCOMPARE(texto("txtz"), QStringLiteral("125"));
        QCOMPARE(plataforma->mensajes, QStringList{QStringLiteral("Utilice el punto (.) como separador decimal")});
        QCOMPARE(plataforma->pitidos, 1);
        QCOMPARE(texto("txtlat"), QStringLiteral(" "));
        QCOMPARE(texto("Txtxgk"), QStringLiteral(" "));
        escribe("txtalt", QStringLiteral("150"));
        escribe("txtlon", QStringLiteral("-58"), false);
        QCOMPARE(texto("txtalt"), QStringLiteral("0"));
        QCOMPARE(texto("Labelca"), QString());
        QCOMPARE(texto("Label8"), QString());
        QCOMPARE(texto("txtx"), QStringLiteral(" "));
        escribe("txtx", QStringLiteral("1"), false);
        for (const char* campo : {"txtlat", "txtlon", "txtalt", "Txtxgk", "Txtygk", "Label4(6)", "Label4(7)", "Labelca"})
            QCOMPARE(texto(campo), QStringLiteral(" "));
    }

    void rangoDeLatitudYLongitud() {
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        escribe("txtlat", QStringLiteral("- 90   01  00"));
        QCOMPARE(plataforma->mensajes.size(), 1);
        QCOMPARE(plataforma->mensajes[0],
                 QStringLiteral("          LATITUD FUERA DE RANGO\r\n[Debe ingresar un ángulo mayor o igual que\r\n"
                                "  -90 grados y menor o igual que 90 grados]"));
        QCOMPARE(texto("txtlat"), QStringLiteral(" -90 00 60"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtlat"));
        escribe("txtlat", QStringLiteral("-34  36   10.5"));
        QCOMPARE(texto("txtlat"), QStringLiteral(" -34 36 10.5"));
        escribe("txtlon", QStringLiteral("-180"));
        QCOMPARE(plataforma->mensajes.size(), 1);
        QCOMPARE(texto("txtlon"), QStringLiteral("-180 00 00"));
        escribe("txtlon", QStringLiteral("180 00 01"));
        QCOMPARE(plataforma->mensajes.size(), 2);
        QVERIFY(plataforma->mensajes[1].startsWith(QStringLiteral("          LONGITUD FUERA DE RANGO\r\n")));
        QVERIFY(plataforma->mensajes[1].endsWith(QStringLiteral("\r\n-180 grados y menor o igual que 180 grados]")));
    }

    void alturaEnBlancoEsCero() {
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        c("txtalt")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(c("txtalt"), Qt::Key_Tab);
        QCOMPARE(texto("txtalt"), QStringLiteral("0"));
        QCOMPARE(texto("Labelca"), QStringLiteral("1"));
    }

    void cartesianasEnCero() {
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        escribe("txtx", QStringLiteral("0"));
        escribe("txty", QStringLiteral("0"));
        escribe("txtz", QStringLiteral("0"));
        pulsa("botcag");
        QCOMPARE(plataforma->mensajes, QStringList{QStringLiteral("Ingrese las coordenadas a convertir")});
        QCOMPARE(plataforma->pitidos, 1);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtx"));
        QCOMPARE(texto("txtlat"), QStringLiteral(" "));
    }

    void guardarYCerrar() {
        QVERIFY(arranca());
        const QString ruta = QString::fromStdString((*carpeta / "puntos.txt").string());
        elige("lst_atrib", QStringLiteral("Mojón"));
        escribe("txtid", QStringLiteral("P1"));
        preparapunto();
        pulsa("botgac(0)");
        pulsa("botgagk");
        plataforma->respuestas.push_back(ruta);
        pulsa("botguardar");
        QCOMPARE(plataforma->mensajes, QStringList{QStringLiteral("Para Guardar primero debe abrir un archivo")});
        QCOMPARE(plataforma->pitidos, 1);
        QCOMPARE(plataforma->dialogos, QStringList{QStringLiteral("Elija el archivo que desea abrir | Texto(*.txt)|*.txt")});
        QCOMPARE(plataforma->sonidos, 1);
        const std::string linea =
            "\"P1\",\"Moj\xF3n\",\"-34 36 12.5\",\"-58 22 54.3\",25,2755261.841,-4475419.437,-3601759.93,6170171.746,"
            "5648443.249,1.0002715,\"-0 55 08.9822\",.99999608,\"WGS 84\",\"Faja 5\"\r\n";
        QCOMPARE(prueba::lee(*carpeta / "puntos.txt"), linea);
        QCOMPARE(texto("Label7"), QStringLiteral("cantidad de puntos en el archivo:  1"));
        QCOMPARE(texto("Text1"), ruta);
        pulsa("botguardar");
        QCOMPARE(plataforma->dialogos.size(), 1);
        QCOMPARE(prueba::lee(*carpeta / "puntos.txt"), linea + linea);
        QCOMPARE(texto("Label7"), QStringLiteral("cantidad de puntos en el archivo:  2"));
        pulsa("botcerrar");
        QCOMPARE(texto("Label7"), QStringLiteral(" "));
        QCOMPARE(texto("Text1"), QStringLiteral(" "));
        // Cancelling the dialog writes nothing.
        pulsa("botguardar");
        QCOMPARE(plataforma->dialogos.size(), 2);
        QCOMPARE(prueba::lee(*carpeta / "puntos.txt"), linea + linea);
        QCOMPARE(texto("Label7"), QStringLiteral(" "));
    }

    void guardarEnUnArchivoConDiezRenglones() {
        QVERIFY(arranca());
        std::string diez;
        for (int i = 0; i < 10; ++i) diez += "renglon\r\n";
        prueba::escribe(*carpeta / "diez.txt", diez);
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        plataforma->respuestas.push_back(QString::fromStdString((*carpeta / "diez.txt").string()));
        pulsa("botguardar");
        QCOMPARE(texto("Label7"), QStringLiteral("cantidad de puntos en el archivo:  11"));
        // A point saved right after choosing an ellipsoid: empty texts and zeros.
        QCOMPARE(prueba::lee(*carpeta / "diez.txt"),
                 diez + "\"\",\"\",\"\",\"\",0,0,0,0,0,0,0,\"\",0,\"WGS 84\",\"\"\r\n");
    }

    void transformacionDelPunto() {
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        w->findChild<QAction*>(QStringLiteral("mnutra"))->trigger();
        QCOMPARE(plataforma->mensajes,
                 QStringList{QStringLiteral("Faltan las coordenadas cartesianas dato: Ingrese o calcule sus valores")});
        QVERIFY(!c<QGroupBox>("Frame4")->isVisible());
        escribe("txtx", QStringLiteral("4027894.006"));
        escribe("txty", QStringLiteral("307045.6"));
        escribe("txtz", QStringLiteral("4919474.91"));
        w->findChild<QAction*>(QStringLiteral("mnutra"))->trigger();
        QVERIFY(c<QGroupBox>("Frame4")->isVisible());
        QCOMPARE(c<QComboBox>("lst_partra")->currentText(), QStringLiteral(" "));
        // DHDN lies on Bessel 1841, not on the chosen WGS 84.
        elige("lst_partra", QStringLiteral("DHDN"));
        QCOMPARE(plataforma->mensajes.last(),
                 QStringLiteral("El elipsoide asociado al Marco de Referencia asignado no corresponde SOLUCIONE EL PROBLEMA"));
        QCOMPARE(c<QComboBox>("lst_partra")->currentIndex(), -1);
        QVERIFY(!c<QGroupBox>("Frame4")->isVisible());
        QCOMPARE(w->anchotwips(), 7685);

        elige("lst_Elipso", QStringLiteral("Bessel 1841"));
        escribe("txtx", QStringLiteral("4027894.006"));
        escribe("txty", QStringLiteral("307045.6"));
        escribe("txtz", QStringLiteral("4919474.91"));
        w->findChild<QAction*>(QStringLiteral("mnutra"))->trigger();
        elige("lst_partra", QStringLiteral("DHDN"));
        QCOMPARE(w->anchotwips(), 10230);
        QCOMPARE(w->width(), 1023);
        QCOMPARE(w->windowTitle(), QStringLiteral("Transformación de Coordenadas entre Marcos de Referencia"));
        QCOMPARE(texto("Text2"), QStringLiteral("ETRS89"));
        QCOMPARE(texto("Text3"), QStringLiteral("GRS 80"));
        QCOMPARE(texto("Label9"), QStringLiteral("Dx= 598.1 m."));
        QCOMPARE(texto("Label15"), QStringLiteral("Rx= -9.793E-07rad."));
        QCOMPARE(texto("Label17"), QStringLiteral("Rz= 1.19022E-05rad."));
        QCOMPARE(texto("Label18"), QStringLiteral(" k= 6.7 ppm"));
        QCOMPARE(texto("Text4"), QStringLiteral("4028523.821"));
        QCOMPARE(texto("txtx"), QStringLiteral("4027894.006"));

        pulsa("bottransfiere");
        QCOMPARE(w->anchotwips(), 7685);
        QCOMPARE(w->windowTitle(), QStringLiteral("CONVERSION DE COORDENADAS"));
        QCOMPARE(c<QComboBox>("lst_partra")->currentText(), QStringLiteral("ETRS89"));
        QCOMPARE(c<QComboBox>("lst_Elipso")->currentText(), QStringLiteral("GRS 80"));
        QCOMPARE(texto("Label3(1)"), QStringLiteral("Semieje mayor = 6378137 m. "));
        QCOMPARE(texto("txtx"), texto("Text4"));
        QCOMPARE(texto("txtlat"), QStringLiteral(" "));
    }

    void transfiereAUnElipsoideQueNoEstaEligeElPrimero() {
        prueba::escribe(*carpeta / "marref.txt",
                        "\"A\",\"Bessel 1841\",1,2,3,0,0,1,0\r\n\"B\",\"Hayford\",-1,-2,-3,0,0,-1,0\r\n");
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("Bessel 1841"));
        escribe("txtx", QStringLiteral("10"));
        w->findChild<QAction*>(QStringLiteral("mnutra"))->trigger();
        elige("lst_partra", QStringLiteral("A"));
        QCOMPARE(texto("Label17"), QStringLiteral("Rz= 4.8481E-06rad."));
        pulsa("bottransfiere");
        QCOMPARE(c<QComboBox>("lst_Elipso")->currentIndex(), 0);
        QCOMPARE(c<QComboBox>("lst_Elipso")->currentText(), QStringLiteral("WGS 84"));
    }

    void guardarOcultaElPanel() {
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        escribe("txtx", QStringLiteral("10"));
        w->findChild<QAction*>(QStringLiteral("mnutra"))->trigger();
        QVERIFY(c<QGroupBox>("Frame4")->isVisible());
        plataforma->respuestas.push_back(QString::fromStdString((*carpeta / "p.txt").string()));
        pulsa("botguardar");
        QVERIFY(!c<QGroupBox>("Frame4")->isVisible());
        QCOMPARE(c<QComboBox>("lst_partra")->currentText(), QStringLiteral(" "));
    }

    void recargaLeeOtraVezLosCatalogos() {
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        prueba::escribe(*carpeta / "atributos.txt", "\"uno\"\r\n");
        programa->recarga();
        w = programa->principal();
        QCOMPARE(texto("Text7"), QStringLiteral("1"));
        QVERIFY(!c("txtlat")->isEnabled());
        QCOMPARE(c<QComboBox>("lst_Elipso")->currentIndex(), -1);
    }

    // ---- What a user met when trying the window -----------------------

    void listaDeMarcosDentroDeLaVentana() {
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("Bessel 1841"));
        escribe("txtx", QStringLiteral("4027894.006"));
        w->findChild<QAction*>(QStringLiteral("mnutra"))->trigger();
        auto* lista = c<QComboBox>("lst_partra");
        QVERIFY(lista->isVisible());
        const QRect donde(lista->mapTo(w, QPoint(0, 0)), lista->size());
        QVERIFY2(w->rect().contains(donde), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(donde.x()).arg(donde.y())
                                                           .arg(donde.width()).arg(donde.height())));
        QCOMPARE(w->width(), 768);
        QTest::mouseClick(lista, Qt::LeftButton, {}, lista->rect().center());
        QTRY_VERIFY(lista->view()->isVisible());
        lista->hidePopup();
    }

    void tabConElPanelOcultoVaAText7() {
        QVERIFY(arranca());
        c("Text1")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(c("Text1"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), c("Text7"));
        for (const char* n : {"Text2", "Text3", "Text4", "bottransfiere"}) QVERIFY2(!c<QWidget>(n)->isVisible(), n);
    }

    void enterPulsaElBoton_data() {
        QTest::addColumn<QString>("boton");
        QTest::newRow(">>>") << "botgac(0)";
        QTest::newRow("<<<") << "botcag";
        QTest::newRow("Guardar") << "botguardar";
        QTest::newRow("Cerrar") << "botcerrar";
        QTest::newRow("<---Transfiere") << "bottransfiere";
    }
    void enterPulsaElBoton() {
        QFETCH(QString, boton);
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("Bessel 1841"));
        escribe("txtlat", QStringLiteral("52 30 0"));
        escribe("txtlon", QStringLiteral("13 20 0"));
        escribe("txtalt", QStringLiteral("40"));
        pulsa("botgac(0)");
        const QString x = texto("txtx");
        c("Text1")->setText(QStringLiteral("ruta"));
        if (boton == QStringLiteral("bottransfiere")) {
            w->findChild<QAction*>(QStringLiteral("mnutra"))->trigger();
            elige("lst_partra", QStringLiteral("DHDN"));
            QCOMPARE(w->anchotwips(), 10230);
        }
        if (boton == QStringLiteral("botcag")) c("txtlat")->setText(QStringLiteral(" "));
        if (boton == QStringLiteral("botgac(0)")) c("txtx")->setText(QStringLiteral(" "));
        auto* b = c<QPushButton>(qPrintable(boton));
        b->setFocus(Qt::TabFocusReason);
        QTest::keyClick(b, Qt::Key_Return);
        if (boton == QStringLiteral("botgac(0)")) QCOMPARE(texto("txtx"), x);
        if (boton == QStringLiteral("botcag")) QVERIFY(texto("txtlat").trimmed().startsWith(QStringLiteral("52 ")));
        if (boton == QStringLiteral("botguardar"))
            QCOMPARE(plataforma->mensajes, QStringList{QStringLiteral("Para Guardar primero debe abrir un archivo")});
        if (boton == QStringLiteral("botcerrar")) QCOMPARE(texto("Text1"), QStringLiteral(" "));
        if (boton == QStringLiteral("bottransfiere")) QCOMPARE(w->anchotwips(), 7685);
    }

    void planasEnBlancoOFueraDeLaZona_data() {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("en blanco") << " " << " " << "Ingrese las coordenadas a convertir";
        QTest::newRow("solo X") << "6170000" << " " << "Ingrese las coordenadas a convertir";
        QTest::newRow("ceros") << "0" << "0" << "No se puede calcular el punto con los valores ingresados";
        QTest::newRow("Y de mil kilómetros") << "6170000" << "1000000000"
                                             << "No se puede calcular el punto con los valores ingresados";
    }
    void planasEnBlancoOFueraDeLaZona() {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, mensaje);
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        elige("lst_param", QStringLiteral("Faja 5"));
        escribe("txtlat", QStringLiteral("-34 36 12.5"));
        escribe("txtlon", QStringLiteral("-58 22 54.3"));
        const QString latitud = texto("txtlat");
        c("Txtxgk")->setText(x);
        c("Txtygk")->setText(y);
        c("Txtygk")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(c("Txtygk"), Qt::Key_Tab);
        QCOMPARE(plataforma->mensajes, QStringList{mensaje});
        QCOMPARE(plataforma->pitidos, 1);
        // Nothing shown from the refused point, and the geodetic fields keep what was typed.
        QCOMPARE(texto("txtlat"), latitud);
        QVERIFY(!texto("Label4(6)").contains(QLatin1Char('E')));
        QVERIFY(!texto("Label4(7)").contains(QLatin1Char('E')));
        plataforma->respuestas.push_back(QString::fromStdString((*carpeta / "p.txt").string()));
        pulsa("botguardar");
        QVERIFY(!prueba::lee(*carpeta / "p.txt").empty());
        QVERIFY(prueba::lee(*carpeta / "p.txt").find("E+") == std::string::npos);
    }

    // Captions and values never touch or clip, at the default text size and
    // at 125%.
    void rotulosCabenEnSuLugar_data() {
        QTest::addColumn<double>("escala");
        QTest::newRow("100%") << 1.0;
        QTest::newRow("125%") << 1.25;
    }
    void rotulosCabenEnSuLugar() {
        QFETCH(double, escala);
        const QFont original = QApplication::font();
        QFont grande = original;
        grande.setPointSizeF(original.pointSizeF() * escala);
        QApplication::setFont(grande);
        const bool arrancado = arranca();
        if (arrancado) {
            elige("lst_Elipso", QStringLiteral("Bessel 1841"));
            elige("lst_param", QStringLiteral("Faja 5"));
            elige("lst_atrib", QStringLiteral("Esquina"));
            escribe("txtlat", QStringLiteral("-34 36 12.5"));
            escribe("txtlon", QStringLiteral("-58 22 54.3"));
            escribe("txtalt", QStringLiteral("25"));
            pulsa("botgac(0)");
            pulsa("botgagk");
            c("Txtygk")->setFocus(Qt::TabFocusReason);
            QTest::keyClick(c("Txtygk"), Qt::Key_Tab);
            w->findChild<QAction*>(QStringLiteral("mnutra"))->trigger();
            elige("lst_partra", QStringLiteral("DHDN"));
        }
        QStringList cortados;
        for (QLabel* l : w->findChildren<QLabel*>()) {
            if (!l->isVisibleTo(w) || l->text().trimmed().isEmpty()) continue;
            const int necesita = l->fontMetrics().horizontalAdvance(l->text()) + 4;
            if (necesita > l->width())
                cortados << QStringLiteral("%1 \"%2\" %3 > %4").arg(l->objectName(), l->text()).arg(necesita).arg(l->width());
        }
        QApplication::setFont(original);
        QVERIFY(arrancado);
        QVERIFY2(cortados.isEmpty(), qPrintable(cortados.join(QStringLiteral("; "))));
        QCOMPARE(texto("Label4(8)"), QStringLiteral("mod.de deform.="));
    }

    // The shipped frame pair: a point of Campo Inchauspe is carried to
    // POSGAR 94 by the translations alone, (-148, 136, 90) m exactly.
    void transformaCampoInchauspeAPosgar94() {
        prueba::copiacatalogos(carpeta->ruta(), prueba::Marcos::predeterminados);
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("Internacional 1924"));
        escribe("txtlat", QStringLiteral("-34 36 12.5"));
        escribe("txtlon", QStringLiteral("-58 22 54.3"));
        escribe("txtalt", QStringLiteral("25"));
        pulsa("botgac(0)");
        w->findChild<QAction*>(QStringLiteral("mnutra"))->trigger();
        elige("lst_partra", QStringLiteral("Campo Inchauspe"));
        QVERIFY(plataforma->mensajes.isEmpty());
        QCOMPARE(texto("Text2"), QStringLiteral("POSGAR 94"));
        QCOMPARE(texto("Text3"), QStringLiteral("WGS 84"));
        QCOMPARE(texto("Label9"), QStringLiteral("Dx= -148 m."));
        QCOMPARE(texto("Label10"), QStringLiteral("Dy= 136 m."));
        QCOMPARE(texto("Label14"), QStringLiteral("Dz= 90 m."));
        QCOMPARE(texto("Label15"), QStringLiteral("Rx= 0rad."));
        QCOMPARE(texto("Label18"), QStringLiteral(" k= 0 ppm"));
        QCOMPARE(texto("Text4"), desplaza(texto("txtx"), -148));
        QCOMPARE(texto("Text5"), desplaza(texto("txty"), 136));
        QCOMPARE(texto("Text6"), desplaza(texto("txtz"), 90));
    }

    // One stray line in a catalogue and the program cannot start again.
    void guardarNoEscribeEnUnCatalogo() {
        QVERIFY(arranca());
        elige("lst_Elipso", QStringLiteral("WGS 84"));
        escribe("txtx", QStringLiteral("10"));
        const std::string antes = prueba::lee(*carpeta / "elipsoide.txt");
        plataforma->respuestas.push_back(QString::fromStdString((*carpeta / "elipsoide.txt").string()));
        pulsa("botguardar");
        QCOMPARE(plataforma->mensajes.last(),
                 QStringLiteral("No se pueden grabar resultados en un catálogo del programa: elija otro archivo"));
        QCOMPARE(prueba::lee(*carpeta / "elipsoide.txt"), antes);
        QVERIFY(!programa->estado().resultados.abierto());
    }
};

QTEST_MAIN(PruebaForconversion)
#include "forconversion_test.moc"
