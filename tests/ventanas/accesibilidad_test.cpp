// Every control that takes the focus, in every window, is named for screen
// readers by what it is: the caption before it, or a name of its own; never
// nothing, and never only the title of the group it sits in (which names
// latitude, longitude and height alike).

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QtTest>

#include "ventanas/arranque.hpp"
#include "ventanas/conductor.hpp"

using namespace rumbal;
using namespace rumbal::prueba;

namespace {

QString nombreaccesible(QObject* objeto) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(objeto);
    return i ? i->text(QAccessible::Name) : QString();
}

QString titulodegrupo(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (const auto* g = qobject_cast<const QGroupBox*>(p)) return g->title();
    return QString();
}

// The focusable controls of a window whose name is missing or only their group's title.
QStringList sinnombre(QWidget* ventana) {
    QStringList mal;
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->window() != ventana) continue;
        // The text box inside a drop-down list is part of the list.
        if (qobject_cast<QComboBox*>(w->parentWidget())) continue;
        const QString nombre = nombreaccesible(w).trimmed();
        if (nombre.isEmpty() || nombre == titulodegrupo(w).trimmed())
            mal << QStringLiteral("%1 %2 (\"%3\")")
                       .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), nombre);
    }
    return mal;
}

}  // namespace

class PruebaAccesibilidad : public PruebaConPrograma {
    Q_OBJECT

private slots:
    void cadaVentana_data() {
        QTest::addColumn<QString>("item");  // empty: the main window
        QTest::newRow("principal") << "";
        for (const char* item :
             {"mnuprocesandog", "mnutraar", "mnugenerar", "mnuatrib", "mnuvisgeo", "mnuviscar", "mnuvispla", "mnudeci",
              "mnuListElipAgr", "mnuListElipBor", "mnuListParAgr", "mnuListAtrBor", "mnucmr", "mnuacerca", "mnumanual"})
            QTest::newRow(item) << item;
    }
    void cadaVentana() {
        QFETCH(QString, item);
        QWidget* ventana = programa->principal();
        if (!item.isEmpty()) {
            auto* a = ventana->findChild<QAction*>(item);
            QVERIFY(a);
            a->trigger();
            ventana = QApplication::activeWindow() ? QApplication::activeWindow() : nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != programa->principal() && w->isVisible()) ventana = w;
        }
        QVERIFY(ventana);
        const QStringList mal = sinnombre(ventana);
        QVERIFY2(mal.isEmpty(), qPrintable(mal.join(QStringLiteral(", "))));
    }

    void nombresDeLaVentanaPrincipal_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("latitud") << QStringLiteral("txtlat") << QStringLiteral("Latitud (g m s)");
        QTest::newRow("longitud") << QStringLiteral("txtlon") << QStringLiteral("Longitud (g  m s)");
        QTest::newRow("altura") << QStringLiteral("txtalt") << QStringLiteral(" Altura (metros)");
        QTest::newRow("x") << QStringLiteral("txtx") << QStringLiteral("x (metros)");
        QTest::newRow("Y plana") << QStringLiteral("Txtygk") << QStringLiteral("Y (metros)");
        QTest::newRow("elipsoides") << QStringLiteral("lst_Elipso") << QStringLiteral(" Nombre");
        QTest::newRow("cuenta") << QStringLiteral("Text8") << QStringLiteral("Cantidad de elipsoides");
        QTest::newRow("x transformada") << QStringLiteral("Text4") << QStringLiteral("x transformada (metros)");
    }
    void nombresDeLaVentanaPrincipal() {
        QFETCH(QString, control);
        QFETCH(QString, nombre);
        QCOMPARE(nombreaccesible(programa->principal()->findChild<QWidget*>(control)), nombre);
    }

    // A label that shows a value is named by its caption and the value.
    void valoresConSuRotulo() {
        Forconversion* p = programa->principal();
        QVERIFY(elige(p, "lst_Elipso", QStringLiteral("WGS 84")));
        QVERIFY(elige(p, "lst_param", QStringLiteral("Faja 5")));
        pon(p, {{"txtlat", QStringLiteral("-34 36 12.5")}, {"txtlon", QStringLiteral("-58 22 54.3")}});
        p->botgagk_Click();
        QCOMPARE(nombreaccesible(control(p, "Label4(6)")), QStringLiteral("mod. deform.= ") + texto(p, "Label4(6)"));
        QVERIFY(nombreaccesible(control(p, "Label4(7)")).startsWith(QStringLiteral("conv.de merid.= -0 55")));
        QCOMPARE(nombreaccesible(control(p, "Label3(1)")).trimmed(), QStringLiteral("Semieje mayor = 6378137 m."));
    }
};

QTEST_MAIN(PruebaAccesibilidad)
#include "accesibilidad_test.moc"
