// The help windows, opened from "&Ayuda": their captions, the guide text
// character for character, "Salir", and the link to the guide document.

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "ventanas/conductor.hpp"
#include "ventanas/arranque.hpp"

using namespace rumbal;
using namespace rumbal::prueba;

namespace {

const QString nombrepdf = QStringLiteral("Rumbal 1.0.1 Guía del usuario.pdf");

QString textoguia(const QString& carpeta) {
    return QStringLiteral(
               "Rumbal 1.0.1 es un programa que ayuda a resolver problemas de cálculo  que en la actualidad son "
               "habitualmente requeridos por diversas  aplicaciones propias de la topografía y la geodesia.\r\n\r\n"
               "Está diseñado para que su uso sea muy sencillo  permitiendo generar  salidas que a su vez puedan "
               "ser leídas por otros programas.\r\n\r\n"
               "El programa básicamente realiza conversiones entre distintos tipos de coordenadas de uso habitual "
               "y transformaciones entre distintos marcos de referencia.\r\n\r\n"
               "Una característica destacable es que el programa tiene un alto grado de parametrización lo que "
               "permite que el usuario pueda adaptar los cálculos a las características del problema a "
               "resolver.\r\n\r\n"
               "El archivo Rumbal 1.0.1 Guía del usuario.pdf , disponible en la carpeta: ") +
           carpeta + QStringLiteral(", le brindará los detalles necesarios para su adecuado uso.");
}

// The main window's state a help window must leave alone.
QStringList estadoprincipal(QWidget* p) {
    QStringList s{p->windowTitle(), QString::number(p->width())};
    for (const char* n : {"txtlat", "txtlon", "txtalt", "txtx", "lst_Elipso"})
        if (auto* c = p->findChild<QLineEdit*>(QString::fromUtf8(n)))
            s << c->text();
        else
            s << control<QComboBox>(p, n)->currentText();
    return s;
}

}  // namespace

class PruebaAyuda : public PruebaConPrograma {
    Q_OBJECT

    QString carpetaqt() const { return QString::fromStdString(carpeta->ruta().string()); }
    std::filesystem::path pdf() const { return *carpeta / "Rumbal 1.0.1 Guía del usuario.pdf"; }

private slots:
    // Each opens with its captions; "Salir" closes it and leaves the main
    // window as it was; it opens again.
    void abreYSalirLaCierra_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("ventana");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("marco");
        QTest::newRow("acerca") << "mnuacerca" << static_cast<int>(Ventana::acerca)
                                << QStringLiteral("Acerca de Rumbal ") << QStringLiteral("RUMBAL 1.0.1");
        QTest::newRow("manual") << "mnumanual" << static_cast<int>(Ventana::manual)
                                << QStringLiteral("Guia del Usuario") << QStringLiteral("CARACTERÍSTICAS GENERALES");
    }
    void abreYSalirLaCierra() {
        QFETCH(QString, item);
        QFETCH(int, ventana);
        QFETCH(QString, titulo);
        QFETCH(QString, marco);
        QPointer<Forconversion> p = programa->principal();
        QVERIFY(elige(p, "lst_Elipso", QStringLiteral("WGS 84")));
        pon(p, "txtlat", QStringLiteral("-34 36 12.5"));
        const QStringList antes = estadoprincipal(p);
        QPointer<QWidget> w = menu(qPrintable(item), static_cast<Ventana>(ventana));
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), titulo);
        QCOMPARE(control<QGroupBox>(w, "Frame1")->title(), marco);
        QCOMPARE(control<QPushButton>(w, "botsalir")->text(), QStringLiteral("Salir"));
        pulsa(w, "botsalir");
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QVERIFY(!programa->ventana(static_cast<Ventana>(ventana)));
        QVERIFY(p);
        QCOMPARE(programa->principal(), p.data());
        QVERIFY(p->isVisible());
        QCOMPARE(estadoprincipal(p), antes);
        QVERIFY(plataforma->mensajes.isEmpty());
        QVERIFY(!plataforma->terminado);
        // And it opens again.
        QVERIFY(menu(qPrintable(item), static_cast<Ventana>(ventana)));
    }

    void acercaDeConSuTexto() {
        QWidget* w = menu("mnuacerca", Ventana::acerca);
        auto* credito = control<QPlainTextEdit>(w, "Text1");
        QVERIFY(credito->isReadOnly());
        QVERIFY(credito->toPlainText().contains(QStringLiteral("coordenadas geocéntricas")));
        QVERIFY(credito->parentWidget() == control(w, "Frame1"));
    }

    // The label is tall and wide enough for all its wrapped lines.
    void guiaSeVeEntera() {
        QWidget* w = menu("mnumanual", Ventana::manual);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto* etiqueta = control<QLabel>(w, "Label1");
        QVERIFY(etiqueta->wordWrap());
        QVERIFY2(
            etiqueta->height() >= etiqueta->heightForWidth(etiqueta->width()),
            qPrintable(
                QStringLiteral("%1 < %2").arg(etiqueta->height()).arg(etiqueta->heightForWidth(etiqueta->width()))));
        QVERIFY(w->rect().contains(QRect(etiqueta->mapTo(w, QPoint(0, 0)), etiqueta->size())));
        // The paragraphs wrap: more lines than the text has line ends.
        const int renglones = etiqueta->height() / etiqueta->fontMetrics().lineSpacing();
        QVERIFY2(renglones > 9, qPrintable(QString::number(renglones)));
    }

    void enlaceAbreLaGuia() {
        escribe(pdf(), "%PDF-1.4\n");
        QWidget* w = menu("mnumanual", Ventana::manual);
        auto* enlace = control<QLabel>(w, "lblguia");
        QCOMPARE(enlace->text().contains(QStringLiteral("Abrir la guía del usuario (PDF)")), true);
        emit enlace->linkActivated(QStringLiteral("guia"));
        QCOMPARE(plataforma->documentos, QStringList{carpetaqt() + QLatin1Char('/') + nombrepdf});
        QVERIFY(plataforma->mensajes.isEmpty());
        QCOMPARE(plataforma->pitidos, 0);
        // The guide text, in its frame, naming the folder without a final
        // separator, and unchanged by the link.
        QCOMPARE(texto(w, "Label1"), textoguia(carpetaqt()));
        QVERIFY(!carpetaqt().endsWith(QLatin1Char('/')));
        QVERIFY(control(w, "Label1")->parentWidget() == control(w, "Frame1"));
    }

    // Enter on the focused link follows it, as a click does.
    void enlaceConElTeclado() {
        escribe(pdf(), "%PDF-1.4\n");
        QWidget* w = menu("mnumanual", Ventana::manual);
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* enlace = control<QLabel>(w, "lblguia");
        QVERIFY(enlace->focusPolicy() & Qt::TabFocus);
        control(w, "botsalir")->setFocus();
        QTest::keyClick(w, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(enlace->hasFocus());
        QTest::keyClick(enlace, Qt::Key_Return);
        QCOMPARE(plataforma->documentos.size(), 1);
    }

    void sinLaGuiaLoDice() {
        QWidget* w = menu("mnumanual", Ventana::manual);
        emit control<QLabel>(w, "lblguia")->linkActivated(QStringLiteral("guia"));
        QVERIFY(plataforma->documentos.isEmpty());
        QCOMPARE(plataforma->mensajes, QStringList{QStringLiteral("No se encuentra el archivo ") + nombrepdf +
                                                   QStringLiteral(" en la carpeta: ") + carpetaqt()});
        QCOMPARE(plataforma->pitidos, 1);
        QVERIFY(w->isVisible());
    }
};

QTEST_MAIN(PruebaAyuda)
#include "ayuda_test.moc"
