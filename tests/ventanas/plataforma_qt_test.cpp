// One smoke test for each dialog of the desktop's own platform: the message
// box and the file dialog are shown for real and closed from a timer.

#include "ventanas/plataforma_qt.hpp"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "comun/carpeta_temporal.hpp"

using namespace rumbal;

class PruebaPlataformaQt : public QObject {
    Q_OBJECT

    // Closes the modal widget that shows up next, with accept or reject.
    static void cierracuandoaparezca(bool acepta, QString* titulo, int* ancho = nullptr) {
        auto* temporizador = new QTimer;
        QObject::connect(temporizador, &QTimer::timeout, temporizador, [temporizador, acepta, titulo, ancho] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            *titulo = modal->windowTitle();
            if (ancho) *ancho = modal->width();
            if (auto* d = qobject_cast<QDialog*>(modal)) acepta ? d->accept() : d->reject();
            temporizador->deleteLater();
        });
        temporizador->start(20);
    }

private slots:
    void mensajeConTituloRumbal() {
        prueba::CarpetaTemporal carpeta;
        PlataformaQt plataforma(carpeta / "save.wav");
        QString titulo;
        int ancho = 0;
        cierracuandoaparezca(true, &titulo, &ancho);
        plataforma.mensaje(nullptr, QStringLiteral("Error desconocido"));
        QCOMPARE(titulo, QStringLiteral("Rumbal"));
        // Wide enough for its title, short as the text is.
        QVERIFY2(ancho >= PlataformaQt::anchominimomensaje, qPrintable(QString::number(ancho)));
    }

    void dialogoCanceladoNoDaRuta() {
        prueba::CarpetaTemporal carpeta;
        PlataformaQt plataforma(carpeta / "save.wav");
        QString titulo;
        cierracuandoaparezca(false, &titulo);
        const auto ruta = plataforma.abrearchivo(nullptr, QStringLiteral("Elija el archivo que desea abrir"),
                                                 QStringLiteral("Texto(*.txt)|*.txt"));
        QVERIFY(!ruta.has_value());
        QCOMPARE(titulo, QStringLiteral("Elija el archivo que desea abrir"));
    }
};

QTEST_MAIN(PruebaPlataformaQt)
#include "plataforma_qt_test.moc"
