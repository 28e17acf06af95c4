// The decimal places window, opened from "&Modificar" / "&Decimales", and the
// reload protocol of its "Terminar", end to end.

#include <QtTest>

#include "ventanas/arranque.hpp"
#include "ventanas/conductor.hpp"

using namespace rumbal;
using namespace rumbal::prueba;

class PruebaFordecimales : public PruebaConPrograma {
    Q_OBJECT

    QWidget* abre() { return arranque->menu("mnudeci", Ventana::decimales); }
    std::string varios() { return lee(*carpeta / "varios.txt"); }

private slots:
    // The window shows the file's decimals; the boxes as typed, each read by
    // its leading number (the reading is the number reader's), are saved as
    // one line, written anew each time.
    void guardarEscribeUnRenglon() {
        const QStringList cajas = {"1.5", "-2", "3 m"};
        const QByteArray archivo("1.5,-2,3\r\n");
        QWidget* w = abre();
        QVERIFY(w);
        QCOMPARE(textos(w, {"Text1(0)", "Text1(1)", "Text1(2)"}), QStringList({"4", "4", "3"}));
        for (int i = 0; i < 3; ++i) pon(w, qPrintable(QStringLiteral("Text1(%1)").arg(i)), cajas[i]);
        pulsa(w, "BotDecGuar");
        QCOMPARE(QByteArray::fromStdString(varios()), archivo);
        // Twice: still one line.
        pulsa(w, "BotDecGuar");
        QCOMPARE(QByteArray::fromStdString(varios()), archivo);
        QCOMPARE(texto(w, "Label2"), QStringLiteral("Para salir clikee Terminar"));
        QVERIFY(!std::filesystem::exists(*carpeta / "transi.txt"));
        // Saved, not yet in effect.
        QCOMPARE(programa->estado().decimales.metros, 3.0);
    }

    void terminarRecargaLaVentanaPrincipal() {
        QPointer<QWidget> viejo = programa->principal();
        QPointer<QWidget> w = abre();
        pon(w, "Text1(2)", QStringLiteral("2"));
        pulsa(w, "BotDecGuar");
        pulsa(w, "BotDecTer");
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viejo.isNull());
        QVERIFY(w.isNull());
        Forconversion* p = programa->principal();
        QVERIFY(p);
        QCOMPARE(programa->estado().decimales.metros, 2.0);
        QVERIFY(elige(p, "lst_Elipso", QStringLiteral("WGS 84")));
        pon(p, {{"txtlat", "-34 36 12.5"}, {"txtlon", "-58 22 54.3"}, {"txtalt", "25"}});
        p->botgac_Click();
        // Metres to two decimals now: 2755261.841 to three.
        QCOMPARE(texto(p, "txtx"), QStringLiteral("2755261.84"));
        QVERIFY(plataforma->mensajes.isEmpty());
    }
};

QTEST_MAIN(PruebaFordecimales)
#include "fordecimales_test.moc"
