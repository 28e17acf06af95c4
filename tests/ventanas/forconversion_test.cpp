// The main window, driven through its real widgets by their names, offscreen.

#include <QAbstractItemView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "ventanas/arranque.hpp"
#include "ventanas/conductor.hpp"

using namespace rumbal;
using namespace rumbal::prueba;

class PruebaForconversion : public PruebaConPrograma {
    Q_OBJECT

    Forconversion* w = nullptr;

    template <class T = QLineEdit>
    T* c(const char* nombre) {
        return control<T>(w, nombre);
    }
    void transforma() { w->findChild<QAction*>(QStringLiteral("mnutra"))->trigger(); }
    // The program started on the catalogues of the folder, its main window active.
    bool arranca() {
        if (!abre()) return false;
        w = programa->principal();
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowActive(w);
    }
    // Started, with an ellipsoid chosen.
    bool arranca(const char* elipsoide) {
        return arranca() && prueba::elige(w, "lst_Elipso", QString::fromUtf8(elipsoide));
    }
    void preparapunto() {
        QVERIFY(elige(w, "lst_Elipso", QStringLiteral("WGS 84")));
        QVERIFY(elige(w, "lst_param", QStringLiteral("Faja 5")));
        teclea(w, {{"txtlat", "-34 36 12.5"}, {"txtlon", "-58 22 54.3"}, {"txtalt", "25"}});
    }

private slots:
    void init() { prepara(); }
    void cleanup() {
        termina();
        w = nullptr;
    }

    void arranqueConLosCatalogosPorDefecto() {
        QVERIFY(arranca());
        QCOMPARE(w->windowTitle(), QStringLiteral("CONVERSION DE COORDENADAS"));
        QCOMPARE(w->anchotwips(), 7685);
        QCOMPARE(w->width(), 768);
        QCOMPARE(QStringList({texto(w, "Text7"), texto(w, "Text8"), texto(w, "Text9")}), QStringList({"8", "6", "10"}));
        QCOMPARE(c<QComboBox>("lst_partra")->itemText(1), QStringLiteral("ETRS89"));
        for (const char* lista : {"lst_Elipso", "lst_atrib", "lst_param", "lst_partra"})
            QCOMPARE(c<QComboBox>(lista)->currentIndex(), -1);
        for (const char* campo : {"txtlat", "txtlon", "txtalt", "txtx", "txty", "txtz", "Txtxgk", "Txtygk"}) {
            QVERIFY(!c(campo)->isEnabled());
            QCOMPARE(c(campo)->text(), QString());
        }
        QCOMPARE(habilitados(w, {"botgac(0)", "botcag", "botgagk", "botgkag", "lst_param", "lst_Elipso", "botguardar"}),
                 QStringList({"lst_Elipso", "botguardar"}));
        QVERIFY(!c<QGroupBox>("Frame4")->isVisible());
        QVERIFY(plataforma->mensajes.isEmpty());
        w->findChild<QAction*>(QStringLiteral("mnuSalir"))->trigger();
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
        QVERIFY(arranca("WGS 84"));
        c("txtid")->setFocus(Qt::TabFocusReason);
        const QStringList esperado = {"txtlat", "txtlon", "txtalt", "botgac(0)", "txtx",
                                      "txty",   "txtz",   "botcag", "lst_param"};
        for (const QString& nombre : esperado) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), nombre);
        }
        // The height box left blank reads as 0, at coefficient 1.
        QCOMPARE(textos(w, {"txtalt", "Labelca"}), QStringList({"0", "1"}));
        // The hidden frame panel takes no stop: from the file box to the count.
        c("Text1")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(c("Text1"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), c("Text7"));
        for (const char* n : {"Text2", "Text3", "Text4", "bottransfiere"}) QVERIFY2(!c<QWidget>(n)->isVisible(), n);
    }

    void catalogoVacioDaCuentaCero() {
        escribe(*carpeta / "atributos.txt", "");
        QVERIFY(arranca());
        QCOMPARE(texto(w, "Text7"), QStringLiteral("0"));
        QCOMPARE(c<QComboBox>("lst_atrib")->count(), 0);
    }

    // A catalogue missing: said, the program does not start, nothing created.
    void catalogoQueFalta() {
        std::filesystem::remove(*carpeta / "varios.txt");
        QVERIFY(!arranca());
        QCOMPARE(plataforma->mensajes.size(), 1);
        QVERIFY2(plataforma->mensajes[0].startsWith(QStringLiteral(
                     "Error en el archivo \"varios.txt\": no se encuentra el archivo en la carpeta del programa.")),
                 qPrintable(plataforma->mensajes[0]));
        QVERIFY(!std::filesystem::exists(*carpeta / "varios.txt"));
    }

    void eleccionDeElipsoideYRepresentacion() {
        QVERIFY(arranca("WGS 84"));
        QCOMPARE(texto(w, "Label3(4)"), QStringLiteral("1ra.excentricidad = 0.00669437999014111"));
        for (const char* campo : {"txtlat", "txtlon", "txtalt", "txtx", "txty", "txtz"}) {
            QVERIFY(c(campo)->isEnabled());
            QCOMPARE(c(campo)->text(), QStringLiteral(" "));
        }
        QVERIFY(!c("Txtxgk")->isEnabled());
        QVERIFY(c<QComboBox>("lst_param")->isEnabled());
        // The first choice of a representation keeps the fields; the second clears them.
        teclea(w, "txtlat", QStringLiteral("-34"));
        QVERIFY(elige(w, "lst_param", QStringLiteral("Faja 5")));
        QCOMPARE(textos(w, {"txtlat", "Label4(2)"}), QStringList({" -34 00 00", "Falso Este= 5500000 m."}));
        QVERIFY(c("Txtxgk")->isEnabled());
        QVERIFY(elige(w, "lst_param", QStringLiteral("Faja 4")));
        QCOMPARE(texto(w, "txtlat"), QStringLiteral(" "));
    }

    void conversionesDeIdaYVuelta() {
        QVERIFY(arranca());
        preparapunto();
        QCOMPARE(textos(w, {"txtlat", "txtlon", "Label8", "Labelca"}),
                 QStringList({" -34 36 12.5", " -58 22 54.3", "coef. de altura=", "0.99999608"}));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("botgac(0)"));
        pulsa(w, "botgac(0)");
        QCOMPARE(textos(w, {"txtx", "txty", "txtz"}), QStringList({"2755261.841", "-4475419.437", "-3601759.93"}));
        pulsa(w, "botcag");
        QCOMPARE(textos(w, {"txtlat", "txtlon", "txtalt", "Labelca"}),
                 QStringList({" -34 36 12.5", " -58 22 54.3", "25", "0.99999608"}));
        pulsa(w, "botgagk");
        QCOMPARE(textos(w, {"Txtxgk", "Txtygk", "Label4(6)", "Label4(7)", "Label4(8)", "Label4(9)"}),
                 QStringList({"6170171.746", "5648443.249", "1.0002715", "   -0 55 08.9822",
                              "mod. deform.=", "conv.de merid.="}));
        pulsa(w, "botgkag");
        QCOMPARE(textos(w, {"txtlat", "txtlon", "txtalt", "txtx", "Labelca", "Label4(8)"}),
                 QStringList({" -34 36 12.5", " -58 22 54.3", "0", " ", "1", "mod.de deform.="}));
    }

    void dejarYPlanaBorraLasGeodesicas() {
        QVERIFY(arranca("WGS 84"));
        QVERIFY(elige(w, "lst_param", QStringLiteral("Faja 5")));
        teclea(w, {{"Txtxgk", "6170171.746"}, {"Txtygk", "5648443.249"}});
        QCOMPARE(textos(w, {"txtlat", "txtalt", "Labelca", "Label4(6)", "Label4(7)", "Txtygk"}),
                 QStringList({" ", " ", " ", "1.0002715", "   -0 55 08.9822", "5648443.249"}));
    }

    void comaYTeclasQueBorran() {
        QVERIFY(arranca());
        preparapunto();
        pulsa(w, "botgac(0)");
        teclea(w, "txtz", QStringLiteral("12,5"), false);
        QCOMPARE(texto(w, "txtz"), QStringLiteral("125"));
        QCOMPARE(plataforma->mensajes, QStringList{QStringLiteral("Utilice el punto (.) como separador decimal")});
        QCOMPARE(plataforma->pitidos, 1);
        QCOMPARE(textos(w, {"txtlat", "Txtxgk"}), QStringList({" ", " "}));
        teclea(w, "txtalt", QStringLiteral("150"));
        teclea(w, "txtlon", QStringLiteral("-58"), false);
        QCOMPARE(textos(w, {"txtalt", "Labelca", "Label8", "txtx"}), QStringList({"0", "", "", " "}));
        teclea(w, "txtx", QStringLiteral("1"), false);
        for (const char* campo :
             {"txtlat", "txtlon", "txtalt", "Txtxgk", "Txtygk", "Label4(6)", "Label4(7)", "Labelca"})
            QCOMPARE(texto(w, campo), QStringLiteral(" "));
    }

    void rangoDeLatitudYLongitud() {
        QVERIFY(arranca("WGS 84"));
        teclea(w, "txtlat", QStringLiteral("- 90   01  00"));
        QCOMPARE(plataforma->mensajes.size(), 1);
        QCOMPARE(plataforma->mensajes[0],
                 QStringLiteral("          LATITUD FUERA DE RANGO\r\n[Debe ingresar un ángulo mayor o igual que\r\n"
                                "  -90 grados y menor o igual que 90 grados]"));
        QCOMPARE(texto(w, "txtlat"), QStringLiteral(" -90 00 60"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtlat"));
        teclea(w, "txtlat", QStringLiteral("-34  36   10.5"));
        QCOMPARE(texto(w, "txtlat"), QStringLiteral(" -34 36 10.5"));
        teclea(w, "txtlon", QStringLiteral("-180"));
        QCOMPARE(plataforma->mensajes.size(), 1);
        QCOMPARE(texto(w, "txtlon"), QStringLiteral("-180 00 00"));
        teclea(w, "txtlon", QStringLiteral("180 00 01"));
        QCOMPARE(plataforma->mensajes.size(), 2);
        QVERIFY(plataforma->mensajes[1].startsWith(QStringLiteral("          LONGITUD FUERA DE RANGO\r\n")));
        QVERIFY(plataforma->mensajes[1].endsWith(QStringLiteral("\r\n-180 grados y menor o igual que 180 grados]")));
    }

    void cartesianasEnCero() {
        QVERIFY(arranca("WGS 84"));
        teclea(w, {{"txtx", "0"}, {"txty", "0"}, {"txtz", "0"}});
        pulsa(w, "botcag");
        QCOMPARE(plataforma->mensajes, QStringList{QStringLiteral("Ingrese las coordenadas a convertir")});
        QCOMPARE(plataforma->pitidos, 1);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtx"));
        QCOMPARE(texto(w, "txtlat"), QStringLiteral(" "));
    }

    void guardarYCerrar() {
        QVERIFY(arranca());
        const QString ruta = qruta("puntos.txt");
        QVERIFY(elige(w, "lst_atrib", QStringLiteral("Mojón")));
        teclea(w, "txtid", QStringLiteral("P1"));
        preparapunto();
        pulsa(w, "botgac(0)");
        pulsa(w, "botgagk");
        plataforma->respuestas.push_back(ruta);
        pulsa(w, "botguardar");
        QCOMPARE(plataforma->mensajes, QStringList{QStringLiteral("Para Guardar primero debe abrir un archivo")});
        QCOMPARE(plataforma->pitidos, 1);
        QCOMPARE(plataforma->dialogos,
                 QStringList{QStringLiteral("Elija el archivo que desea abrir | Texto(*.txt)|*.txt")});
        QCOMPARE(plataforma->sonidos, 1);
        const std::string linea =
            "\"P1\",\"Moj\xF3n\",\"-34 36 12.5\",\"-58 22 54.3\",25,2755261.841,-4475419.437,-3601759.93,6170171.746,"
            "5648443.249,1.0002715,\"-0 55 08.9822\",.99999608,\"WGS 84\",\"Faja 5\"\r\n";
        QCOMPARE(lee(*carpeta / "puntos.txt"), linea);
        QCOMPARE(texto(w, "Label7"), QStringLiteral("cantidad de puntos en el archivo:  1"));
        QCOMPARE(texto(w, "Text1"), ruta);
        pulsa(w, "botguardar");
        QCOMPARE(plataforma->dialogos.size(), 1);
        QCOMPARE(lee(*carpeta / "puntos.txt"), linea + linea);
        QCOMPARE(texto(w, "Label7"), QStringLiteral("cantidad de puntos en el archivo:  2"));
        pulsa(w, "botcerrar");
        QCOMPARE(textos(w, {"Label7", "Text1"}), QStringList({" ", " "}));
        // Cancelling the dialog writes nothing.
        pulsa(w, "botguardar");
        QCOMPARE(plataforma->dialogos.size(), 2);
        QCOMPARE(lee(*carpeta / "puntos.txt"), linea + linea);
        QCOMPARE(texto(w, "Label7"), QStringLiteral(" "));
    }

    void guardarEnUnArchivoConDiezRenglones() {
        QVERIFY(arranca());
        std::string diez;
        for (int i = 0; i < 10; ++i) diez += "renglon\r\n";
        escribe(*carpeta / "diez.txt", diez);
        QVERIFY(elige(w, "lst_Elipso", QStringLiteral("WGS 84")));
        plataforma->respuestas.push_back(qruta("diez.txt"));
        pulsa(w, "botguardar");
        QCOMPARE(texto(w, "Label7"), QStringLiteral("cantidad de puntos en el archivo:  11"));
        // A point saved right after choosing an ellipsoid: empty texts and zeros.
        QCOMPARE(lee(*carpeta / "diez.txt"), diez + "\"\",\"\",\"\",\"\",0,0,0,0,0,0,0,\"\",0,\"WGS 84\",\"\"\r\n");
    }

    void transformacionDelPunto() {
        QVERIFY(arranca("WGS 84"));
        transforma();
        QCOMPARE(plataforma->mensajes,
                 QStringList{QStringLiteral("Faltan las coordenadas cartesianas dato: Ingrese o calcule sus valores")});
        QVERIFY(!c<QGroupBox>("Frame4")->isVisible());
        teclea(w, {{"txtx", "4027894.006"}, {"txty", "307045.6"}, {"txtz", "4919474.91"}});
        transforma();
        QVERIFY(c<QGroupBox>("Frame4")->isVisible());
        QCOMPARE(c<QComboBox>("lst_partra")->currentText(), QStringLiteral(" "));
        // DHDN lies on Bessel 1841, not on the chosen WGS 84.
        QVERIFY(elige(w, "lst_partra", QStringLiteral("DHDN")));
        QCOMPARE(plataforma->mensajes.last(),
                 QStringLiteral(
                     "El elipsoide asociado al Marco de Referencia asignado no corresponde SOLUCIONE EL PROBLEMA"));
        QCOMPARE(c<QComboBox>("lst_partra")->currentIndex(), -1);
        QVERIFY(!c<QGroupBox>("Frame4")->isVisible());
        QCOMPARE(w->anchotwips(), 7685);

        QVERIFY(elige(w, "lst_Elipso", QStringLiteral("Bessel 1841")));
        teclea(w, {{"txtx", "4027894.006"}, {"txty", "307045.6"}, {"txtz", "4919474.91"}});
        transforma();
        QVERIFY(elige(w, "lst_partra", QStringLiteral("DHDN")));
        QCOMPARE(w->anchotwips(), 10230);
        QCOMPARE(w->width(), 1023);
        QCOMPARE(w->windowTitle(), QStringLiteral("Transformación de Coordenadas entre Marcos de Referencia"));
        QCOMPARE(textos(w, {"Text2", "Text3", "Label9", "Text4", "txtx"}),
                 QStringList({"ETRS89", "GRS 80", "Dx= 598.1 m.", "4028523.821", "4027894.006"}));

        pulsa(w, "bottransfiere");
        QCOMPARE(w->anchotwips(), 7685);
        QCOMPARE(w->windowTitle(), QStringLiteral("CONVERSION DE COORDENADAS"));
        QCOMPARE(c<QComboBox>("lst_partra")->currentText(), QStringLiteral("ETRS89"));
        QCOMPARE(c<QComboBox>("lst_Elipso")->currentText(), QStringLiteral("GRS 80"));
        QCOMPARE(texto(w, "Label3(1)"), QStringLiteral("Semieje mayor = 6378137 m. "));
        QCOMPARE(texto(w, "txtx"), texto(w, "Text4"));
        QCOMPARE(texto(w, "txtlat"), QStringLiteral(" "));
    }

    void transfiereAUnElipsoideQueNoEstaEligeElPrimero() {
        escribe(*carpeta / "marref.txt",
                "\"A\",\"Bessel 1841\",1,2,3,0,0,1,0\r\n\"B\",\"Hayford\",-1,-2,-3,0,0,-1,0\r\n");
        QVERIFY(arranca("Bessel 1841"));
        teclea(w, "txtx", QStringLiteral("10"));
        transforma();
        QVERIFY(elige(w, "lst_partra", QStringLiteral("A")));
        pulsa(w, "bottransfiere");
        QCOMPARE(c<QComboBox>("lst_Elipso")->currentIndex(), 0);
        QCOMPARE(c<QComboBox>("lst_Elipso")->currentText(), QStringLiteral("WGS 84"));
    }

    void guardarOcultaElPanel() {
        QVERIFY(arranca("WGS 84"));
        teclea(w, "txtx", QStringLiteral("10"));
        transforma();
        QVERIFY(c<QGroupBox>("Frame4")->isVisible());
        plataforma->respuestas.push_back(qruta("p.txt"));
        pulsa(w, "botguardar");
        QVERIFY(!c<QGroupBox>("Frame4")->isVisible());
        QCOMPARE(c<QComboBox>("lst_partra")->currentText(), QStringLiteral(" "));
    }

    // ---- What a user met when trying the window -----------------------

    void listaDeMarcosDentroDeLaVentana() {
        QVERIFY(arranca("Bessel 1841"));
        teclea(w, "txtx", QStringLiteral("4027894.006"));
        transforma();
        auto* lista = c<QComboBox>("lst_partra");
        QVERIFY(lista->isVisible());
        const QRect donde(lista->mapTo(w, QPoint(0, 0)), lista->size());
        QVERIFY2(
            w->rect().contains(donde),
            qPrintable(
                QStringLiteral("%1,%2 %3x%4").arg(donde.x()).arg(donde.y()).arg(donde.width()).arg(donde.height())));
        QCOMPARE(w->width(), 768);
        QTest::mouseClick(lista, Qt::LeftButton, {}, lista->rect().center());
        QTRY_VERIFY(lista->view()->isVisible());
        lista->hidePopup();
    }

    // Enter on the focused button clicks it (every button of the window takes
    // Enter through the same filter).
    void enterPulsaElBoton() {
        QVERIFY(arranca("Bessel 1841"));
        teclea(w, {{"txtlat", "52 30 0"}, {"txtlon", "13 20 0"}, {"txtalt", "40"}});
        pulsa(w, "botgac(0)");
        const QString x = texto(w, "txtx");
        c("txtx")->setText(QStringLiteral(" "));
        auto* b = c<QPushButton>("botgac(0)");
        b->setFocus(Qt::TabFocusReason);
        QTest::keyClick(b, Qt::Key_Return);
        QCOMPARE(texto(w, "txtx"), x);
    }

    void planasEnBlancoOFueraDeLaZona_data() {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("mensaje");
        const QString faltan = QStringLiteral("Ingrese las coordenadas a convertir");
        const QString nosepuede = QStringLiteral("No se puede calcular el punto con los valores ingresados");
        QTest::newRow("en blanco") << QStringLiteral(" ") << QStringLiteral(" ") << faltan;
        QTest::newRow("solo X") << QStringLiteral("6170000") << QStringLiteral(" ") << faltan;
        QTest::newRow("Y de mil kilómetros") << QStringLiteral("6170000") << QStringLiteral("1000000000") << nosepuede;
    }
    void planasEnBlancoOFueraDeLaZona() {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, mensaje);
        QVERIFY(arranca("WGS 84"));
        QVERIFY(elige(w, "lst_param", QStringLiteral("Faja 5")));
        teclea(w, {{"txtlat", "-34 36 12.5"}, {"txtlon", "-58 22 54.3"}});
        const QString latitud = texto(w, "txtlat");
        c("Txtxgk")->setText(x);
        c("Txtygk")->setText(y);
        c("Txtygk")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(c("Txtygk"), Qt::Key_Tab);
        QCOMPARE(plataforma->mensajes, QStringList{mensaje});
        QCOMPARE(plataforma->pitidos, 1);
        // Nothing shown from the refused point, and the geodetic fields keep what was typed.
        QCOMPARE(texto(w, "txtlat"), latitud);
        QVERIFY(!texto(w, "Label4(6)").contains(QLatin1Char('E')));
        QVERIFY(!texto(w, "Label4(7)").contains(QLatin1Char('E')));
        plataforma->respuestas.push_back(qruta("p.txt"));
        pulsa(w, "botguardar");
        QVERIFY(!lee(*carpeta / "p.txt").empty());
        QVERIFY(lee(*carpeta / "p.txt").find("E+") == std::string::npos);
    }

    // Captions and values never touch or clip, at 125% of the default text
    // size (the controls keep their size, so what fits there fits at 100%).
    void rotulosCabenEnSuLugar() {
        const QFont original = QApplication::font();
        QFont grande = original;
        grande.setPointSizeF(original.pointSizeF() * 1.25);
        QApplication::setFont(grande);
        // No check may end the test before the font is restored.
        bool listo = arranca() && elige(w, "lst_Elipso", QStringLiteral("Bessel 1841")) &&
                     elige(w, "lst_param", QStringLiteral("Faja 5")) &&
                     elige(w, "lst_atrib", QStringLiteral("Esquina"));
        if (listo) {
            teclea(w, {{"txtlat", "-34 36 12.5"}, {"txtlon", "-58 22 54.3"}, {"txtalt", "25"}});
            pulsa(w, "botgac(0)");
            pulsa(w, "botgagk");
            c("Txtygk")->setFocus(Qt::TabFocusReason);
            QTest::keyClick(c("Txtygk"), Qt::Key_Tab);
            transforma();
            listo = elige(w, "lst_partra", QStringLiteral("DHDN"));
        }
        QStringList cortados;
        for (QLabel* l : w ? w->findChildren<QLabel*>() : QList<QLabel*>()) {
            if (!l->isVisibleTo(w) || l->text().trimmed().isEmpty()) continue;
            const int necesita = l->fontMetrics().horizontalAdvance(l->text()) + 4;
            if (necesita > l->width())
                cortados << QStringLiteral("%1 \"%2\" %3 > %4")
                                .arg(l->objectName(), l->text())
                                .arg(necesita)
                                .arg(l->width());
        }
        QApplication::setFont(original);
        QVERIFY(listo);
        QVERIFY2(cortados.isEmpty(), qPrintable(cortados.join(QStringLiteral("; "))));
        QCOMPARE(texto(w, "Label4(8)"), QStringLiteral("mod.de deform.="));
    }

    // The shipped frame pair: a point of Campo Inchauspe is carried to
    // POSGAR 94 by the translations alone, (-148, 136, 90) m exactly.
    void transformaCampoInchauspeAPosgar94() {
        prepara(Marcos::predeterminados);
        QVERIFY(arranca("Internacional 1924"));
        teclea(w, {{"txtx", "2755000.5"}, {"txty", "-4475000.25"}, {"txtz", "-3601000"}});
        transforma();
        QVERIFY(elige(w, "lst_partra", QStringLiteral("Campo Inchauspe")));
        QVERIFY(plataforma->mensajes.isEmpty());
        QCOMPARE(
            textos(w, {"Text2", "Text3", "Label9", "Label18", "Text4", "Text5", "Text6"}),
            QStringList({"POSGAR 94", "WGS 84", "Dx= -148 m.", " k= 0 ppm", "2754852.5", "-4474864.25", "-3600910"}));
    }

    // One stray line in a catalogue and the program cannot start again.
    void guardarNoEscribeEnUnCatalogo() {
        QVERIFY(arranca("WGS 84"));
        teclea(w, "txtx", QStringLiteral("10"));
        const std::string antes = lee(*carpeta / "elipsoide.txt");
        plataforma->respuestas.push_back(qruta("elipsoide.txt"));
        pulsa(w, "botguardar");
        QCOMPARE(plataforma->mensajes.last(),
                 QStringLiteral("No se pueden grabar resultados en un catálogo del programa: elija otro archivo"));
        QCOMPARE(lee(*carpeta / "elipsoide.txt"), antes);
        QVERIFY(!programa->estado().resultados.abierto());
    }
};

QTEST_MAIN(PruebaForconversion)
#include "forconversion_test.moc"
