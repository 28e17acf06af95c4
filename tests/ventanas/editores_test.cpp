// The catalogue editors of ellipsoids, plane representations and attributes,
// opened from "&Modificar" in add and delete modes, with the exact bytes they
// leave in the catalogue files and the reload protocol of "Terminar".

#include <QtTest>

#include "ventanas/arranque.hpp"
#include "ventanas/conductor.hpp"

using namespace rumbal;
using namespace rumbal::prueba;

namespace {
const QString lleno =
    QStringLiteral("El listado ya tiene el máximo de elementos admitidos (20), clickee O.K. y Terminar");
}

class PruebaEditores : public PruebaConPrograma {
    Q_OBJECT

    std::string archivo(const char* nombre) { return lee(*carpeta / nombre); }

private slots:
    // WGS 84 from a and 1/f gives the shipped line; "Terminar" shows it in a fresh main window.
    void agregarElipsoide() {
        const std::string antes = archivo("elipsoide.txt");
        QPointer<QWidget> entrada = menu("mnuListElipAgr", Ventana::elipsoide0);
        QVERIFY(entrada);
        pon(entrada, {{"Text1(1)", "Mi WGS"}, {"Text1(2)", "6378137"}, {"Text1(3)", "298.257223563"}});
        pulsa(entrada, "BotAceEli");
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(entrada.isNull());
        QWidget* w = programa->ventana(Ventana::elipsoides);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Agregar Elipsoides"));
        QCOMPARE(textos(w, {"Label3", "Text1(1)", "Text1(6)"}),
                 QStringList({"Para confirmar clikee Agregar", "Mi WGS", "0.00673949674227625"}));
        QVERIFY(!habilitado(w, "BotBorEli"));
        pulsa(w, "BotAgrEli");
        const std::string wgs84 = antes.substr(0, antes.find("\r\n") + 2);
        QCOMPARE(archivo("elipsoide.txt"), antes + "\"Mi WGS\"" + wgs84.substr(wgs84.find(',')));
        QCOMPARE(textos(w, {"Label3", "Text1(1)"}), QStringList({"Se Agregó un Elipsoide", " "}));
        QVERIFY(!habilitado(w, "BotAgrEli"));

        QPointer<QWidget> viejo = programa->principal();
        QPointer<QWidget> editor = w;
        pulsa(w, "BotTerEli");
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viejo.isNull());
        QVERIFY(editor.isNull());
        Forconversion* p = programa->principal();
        QCOMPARE(texto(p, "Text8"), QStringLiteral("7"));
        QCOMPARE(control<QComboBox>(p, "lst_Elipso")->itemText(6), QStringLiteral("Mi WGS"));
    }

    // 1/f = 1 gives no ellipsoid (b would be 0): the four derived boxes stay
    // empty, a as typed. (What else gives none, and why, is the derivation's.)
    void elipsoideQueNoSeDeriva() {
        QWidget* entrada = menu("mnuListElipAgr", Ventana::elipsoide0);
        pon(entrada, {{"Text1(1)", "X"}, {"Text1(2)", "6378137"}, {"Text1(3)", "1"}});
        pulsa(entrada, "BotAceEli");
        QWidget* w = programa->ventana(Ventana::elipsoides);
        QVERIFY(w);
        for (const char* caja : {"Text1(3)", "Text1(4)", "Text1(5)", "Text1(6)"}) QCOMPARE(texto(w, caja), QString());
        QCOMPARE(texto(w, "Text1(2)"), QStringLiteral("6378137"));
    }

    // The screen shows the two angle texts in pairs; the file keeps them apart.
    void agregarRepresentacion() {
        const std::string antes = archivo("parametros.txt");
        QWidget* w = menu("mnuListParAgr", Ventana::parametros);
        QCOMPARE(w->windowTitle(), QStringLiteral("Agregar Representación plana"));
        QCOMPARE(textos(w, {"Label3", "Label1(4)"}), QStringList({"Ingrese los datos", "Latitud del origen"}));
        const QStringList valores = {"Z", "-60 30", "500 m", "-90", "0", "0.5"};
        for (int i = 0; i < 6; ++i) pon(w, qPrintable(QStringLiteral("Text1(%1)").arg(i + 1)), valores[i]);
        control(w, "BotAgrPar")->setFocus();
        QApplication::setActiveWindow(w);
        QTRY_COMPARE(texto(w, "Label3"), QStringLiteral("Para confirmar clikee Agregar"));
        pulsa(w, "BotAgrPar");
        QCOMPARE(archivo("parametros.txt"), antes + "\"Z\",\"-60 30\",500,0,\"-90\",.5\r\n");
        QCOMPARE(texto(w, "Label3"), QStringLiteral("Se agregó una repres.plana"));
    }

    void borrarRepresentacionMuestraSusValores() {
        QWidget* w = menu("mnuListParBor", Ventana::parametros);
        QCOMPARE(w->windowTitle(), QStringLiteral("Borrar Representación plana"));
        QCOMPARE(texto(w, "Label3"), QStringLiteral("Seleccione el nombre de la rep.plana a borrar"));
        QVERIFY(!habilitado(w, "BotAgrPar"));
        QVERIFY(elige(w, "lst_param", QStringLiteral("UTM 19 S")));
        // Origin latitude in box 4, false northing in box 5.
        QCOMPARE(textos(w, {"Text1(2)", "Text1(4)", "Text1(5)", "Text1(6)"}),
                 QStringList({"-69", "0", "10000000", "0.9996"}));
        QCOMPARE(texto(w, "Label3"), QStringLiteral("Para confirmar clikee Borrar"));
        pulsa(w, "BotBorPar");
        QCOMPARE(texto(w, "Label3"), QStringLiteral("Se borró una repres.plana"));
        QVERIFY(archivo("parametros.txt").find("UTM 19 S") == std::string::npos);
        QCOMPARE(texto(w, "Text1(2)"), QStringLiteral(" "));
    }

    // The name as typed, its comma inside the quotes (it loads back whole: core).
    void atributoConComaSeLeeEntero() {
        QWidget* w = menu("mnuListAtrAgr", Ventana::atributos);
        QCOMPARE(w->windowTitle(), QStringLiteral("Agregar Atributos"));
        QCOMPARE(texto(w, "Label3"), QStringLiteral("Seleccione el nombre del atributo a agregar"));
        pon(w, "Text1", QStringLiteral("Poste, hormigón"));
        pulsa(w, "BotAgrAtr");
        const std::string bytes = archivo("atributos.txt");
        QCOMPARE(bytes.substr(bytes.size() - 19), std::string("\"Poste, hormig\xF3n\"\r\n"));
        QCOMPARE(textos(w, {"Label3", "Text1"}), QStringList({"Se agregó un atributo", " "}));
    }

    void capacidadDeVeinte_data() {
        QTest::addColumn<int>("lineas");
        QTest::addColumn<bool>("agrega");
        QTest::newRow("19") << 19 << true;
        QTest::newRow("20") << 20 << false;
    }
    void capacidadDeVeinte() {
        QFETCH(int, lineas);
        QFETCH(bool, agrega);
        std::string antes;
        for (int i = 1; i <= lineas; ++i) antes += "\"a" + std::to_string(i) + "\"\r\n";
        escribe(*carpeta / "atributos.txt", antes);
        QWidget* w = menu("mnuListAtrAgr", Ventana::atributos);
        pon(w, "Text1", QStringLiteral("nuevo"));
        pulsa(w, "BotAgrAtr");
        QCOMPARE(archivo("atributos.txt"), agrega ? antes + "\"nuevo\"\r\n" : antes);
        QCOMPARE(plataforma->mensajes, agrega ? QStringList() : QStringList{lleno});
        QCOMPARE(plataforma->pitidos, agrega ? 0 : 1);
        QVERIFY(!habilitado(w, "BotAgrAtr"));
    }

    // Every line of the name goes, the others keep their order; the list
    // loses only the chosen item until the window opens again.
    void borrarUnNombreRepetido() {
        escribe(*carpeta / "atributos.txt", "\"a\"\r\n\"b\"\r\n\"a\"\r\n\"c\"\r\n");
        QWidget* w = menu("mnuListAtrBor", Ventana::atributos);
        QCOMPARE(w->windowTitle(), QStringLiteral("Borrar Atributos"));
        QCOMPARE(texto(w, "Label3"), QStringLiteral("Seleccione el nombre de atributo a borrar"));
        auto* lista = control<QComboBox>(w, "lst_Atrib");
        lista->setCurrentIndex(0);
        emit lista->activated(0);
        QCOMPARE(texto(w, "Label3"), QStringLiteral("Para confirmar clikee Borrar"));
        pulsa(w, "BotBorAtr");
        QCOMPARE(archivo("atributos.txt"), std::string("\"b\"\r\n\"c\"\r\n"));
        QVERIFY(!std::filesystem::exists(*carpeta / "transi.txt"));
        QCOMPARE(texto(w, "Label3"), QStringLiteral("Se borró un atributo"));
        QCOMPARE(lista->count(), 3);
        QVERIFY(habilitado(w, "BotBorAtr"));
    }

    void borrarSinElegir() {
        const std::string antes = archivo("atributos.txt");
        QWidget* w = menu("mnuListAtrBor", Ventana::atributos);
        pulsa(w, "BotBorAtr");
        QCOMPARE(plataforma->mensajes, QStringList{QStringLiteral("Elija en la lista el nombre que desea borrar")});
        QCOMPARE(plataforma->pitidos, 1);
        QCOMPARE(archivo("atributos.txt"), antes);
    }

    // ---- The reference frame editor ------------------------------------

    void marcosMuestraElRenglonUno() {
        QWidget* w = menu("mnucmr", Ventana::marcos);
        QVERIFY(w);
        QCOMPARE(textos(w, {"Text2", "Text5", "Text1(0)", "Text1(3)", "Text1(5)", "Text3", "Text4", "Text6"}),
                 QStringList({"DHDN", "Bessel 1841", "598.1", "-0.202", "2.455", "6.7", "ETRS89", "GRS 80"}));
        // Rz's caption is Label1(3), Rx's Label1(4).
        QCOMPARE(textos(w, {"Label1(3)", "Label1(4)"}), QStringList({"Rz (\")", "Rx (\")"}));
        QVERIFY(control(w, "Frame4")->isHidden());
    }

    void marcosEligeElipsoideDeB() {
        QWidget* w = menu("mnucmr", Ventana::marcos);
        const int angosto = w->width();
        control(w, "Text6")->setFocus();
        QApplication::setActiveWindow(w);
        QTRY_VERIFY(!control(w, "Frame4")->isHidden());
        QVERIFY(w->width() > angosto);
        QCOMPARE(texto(w, "Label9"), QStringLiteral("Elija el elipsoide del Marco B"));
        QCOMPARE(control(w, "Text6")->palette().color(QPalette::Base), QColor(192, 255, 192));
        QCOMPARE(w->focusWidget(), control(w, "lst_elipso"));
        QVERIFY(elige(w, "lst_elipso", QStringLiteral("WGS 84")));
        QCOMPARE(textos(w, {"Text6", "Text5"}), QStringList({"WGS 84", "Bessel 1841"}));
        QVERIFY(control(w, "Frame4")->isHidden());
        QCOMPARE(texto(w, "Label9"), QString());
        QVERIFY(control(w, "Text6")->palette().color(QPalette::Base) != QColor(192, 255, 192));
        QCOMPARE(w->focusWidget(), control(w, "Text1(0)"));
    }

    void marcosGuardaLaLineaDosNegada() {
        QPointer<QWidget> w = menu("mnucmr", Ventana::marcos);
        pon(w, {{"Text2", "A"}, {"Text4", "B"}});
        const QStringList valores = {"1.5", "-2", "0", "0.1", "0", "-0.25"};
        for (int i = 0; i < 6; ++i) pon(w, qPrintable(QStringLiteral("Text1(%1)").arg(i)), valores[i]);
        pon(w, "Text3", QStringLiteral("3"));
        pulsa(w, "botguamr");
        const std::string par =
            "\"A\",\"Bessel 1841\",1.5,-2,0,.1,0,-.25,3\r\n\"B\",\"GRS 80\",-1.5,2,0,-.1,0,.25,-3\r\n";
        QCOMPARE(archivo("marref.txt"), par);
        QCOMPARE(texto(w, "Label10"), QStringLiteral("Marcos de Referencia actualizados"));
        pulsa(w, "botguamr");  // twice: still two lines
        QCOMPARE(archivo("marref.txt"), par);
        pulsa(w, "botermr");
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        auto* marcos = control<QComboBox>(programa->principal(), "lst_partra");
        QCOMPARE(marcos->itemText(0), QStringLiteral("A"));
        QCOMPARE(marcos->itemText(1), QStringLiteral("B"));
    }

    // A reload whose catalogues can no longer be read says which and why,
    // and ends the program.
    void recargaQueNoPuedeLeerTermina() {
        QPointer<QWidget> w = menu("mnuListAtrBor", Ventana::atributos);
        escribe(*carpeta / "parametros.txt", "\"Faja 1\",\"-72\",1500000\r\n");
        pulsa(w, "BotTerAtr");
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QVERIFY(plataforma->terminado);
        QCOMPARE(plataforma->mensajes.size(), 1);
        QVERIFY2(plataforma->mensajes[0].contains(QStringLiteral("parametros.txt")),
                 qPrintable(plataforma->mensajes[0]));
    }
};

QTEST_MAIN(PruebaEditores)
#include "editores_test.moc"
