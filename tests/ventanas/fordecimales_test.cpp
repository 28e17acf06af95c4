// The decimal places window, opened from "&Modificar" / "&Decimales", and the
// reload protocol of its "Terminar", end to end.

#include <QAction>
#include <QtTest>

#include "comun/carpeta_temporal.hpp"
#include "geodesia/geocentricas.hpp"
#include "textos/numero_texto.hpp"
#include "programa/programa.hpp"
#include "ventanas/arranque.hpp"
#include "ventanas/conductor.hpp"
#include "ventanas/forconversion.hpp"
#include "ventanas/plataforma_falsa.hpp"

using namespace rumbal;
using namespace rumbal::prueba;

class PruebaFordecimales : public PruebaConPrograma {
    Q_OBJECT

    QWidget* abre() { return arranque->menu("mnudeci", Ventana::decimales); }
    std::string varios() { return lee(*carpeta / "varios.txt"); }

private slots:
    void init() { QVERIFY(arranca()); }
    void cleanup() { termina(); }

    void muestraLosDecimalesDelArchivo() {
        QWidget* w = abre();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Modificar Nro. de decimales"));
        QCOMPARE(texto(w, "Label1(0)"),
                 QStringLiteral("Nro.de decimales de Seg.(\") para ángulos horizontales y verticales"));
        QCOMPARE(texto(w, "Label1(1)"), QStringLiteral("Nro.de decimales de Seg.(\") para latitud y longitud"));
        QCOMPARE(texto(w, "Label1(2)"), QStringLiteral("Nro.de decimales de metros para distancias"));
        QCOMPARE(texto(w, "Label2"), QStringLiteral("Actualize los valores y clikee guardar"));
        QCOMPARE(texto(w, "Text1(0)"), QStringLiteral("4"));
        QCOMPARE(texto(w, "Text1(1)"), QStringLiteral("4"));
        QCOMPARE(texto(w, "Text1(2)"), QStringLiteral("3"));
    }

    void guardarEscribeUnRenglon_data() {
        QTest::addColumn<QStringList>("cajas");
        QTest::addColumn<QByteArray>("archivo");
        QTest::newRow("metros a 2") << QStringList{"4", "4", "2"} << QByteArray("4,4,2\r\n");
        QTest::newRow("letras y vacío como 0") << QStringList{"abc", "", " 5"} << QByteArray("0,0,5\r\n");
        QTest::newRow("como se escribió") << QStringList{"1.5", "-2", "3 m"} << QByteArray("1.5,-2,3\r\n");
    }
    void guardarEscribeUnRenglon() {
        QFETCH(QStringList, cajas);
        QFETCH(QByteArray, archivo);
        QWidget* w = abre();
        for (int i = 0; i < 3; ++i) control<QLineEdit>(w, qPrintable(QStringLiteral("Text1(%1)").arg(i)))->setText(cajas[i]);
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
        control<QLineEdit>(w, "Text1(2)")->setText(QStringLiteral("2"));
        pulsa(w, "BotDecGuar");
        pulsa(w, "BotDecTer");
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viejo.isNull());
        QVERIFY(w.isNull());
        Forconversion* p = programa->principal();
        QVERIFY(p);
        QCOMPARE(programa->estado().decimales.metros, 2.0);
        QVERIFY(elige(p, "lst_Elipso", QStringLiteral("WGS 84")));
        control<QLineEdit>(p, "txtlat")->setText(QStringLiteral("-34 36 12.5"));
        control<QLineEdit>(p, "txtlon")->setText(QStringLiteral("-58 22 54.3"));
        control<QLineEdit>(p, "txtalt")->setText(QStringLiteral("25"));
        p->botgac_Click();
        // Metres to two decimals now.
        const auto c = geoacar("-34 36 12.5", "-58 22 54.3", 25, programa->estado().elipsoide, Decimales{4, 4, 2});
        QVERIFY(c);
        const QString x = texto(p, "txtx");
        QCOMPARE(x, QString::fromStdString(textovista(c->x)));
        QVERIFY2(x.indexOf(QLatin1Char('.')) < 0 || x.size() - x.indexOf(QLatin1Char('.')) - 1 <= 2, qPrintable(x));
        QVERIFY(plataforma->mensajes.isEmpty());
    }
};

QTEST_MAIN(PruebaFordecimales)
#include "fordecimales_test.moc"
