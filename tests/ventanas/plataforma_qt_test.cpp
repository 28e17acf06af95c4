// One smoke test for each dialog of the desktop's own platform: the message
// box and the file dialog are shown for real and closed from a timer.

#include "ventanas/plataforma_qt.hpp"

#include <QApplication>
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <functional>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "comun/carpeta_temporal.hpp"

using namespace rumbal;

class PruebaPlataformaQt : public QObject {
    Q_OBJECT

    // Runs haz on the modal dialog that shows up next (which haz must close).
    static void alaparecer(std::function<void(QDialog*)> haz) {
        auto* temporizador = new QTimer;
        QObject::connect(temporizador, &QTimer::timeout, temporizador, [temporizador, haz] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            temporizador->deleteLater();
            haz(d);
        });
        temporizador->start(20);
    }

private slots:
    void mensajeConTituloRumbal() {
        prueba::CarpetaTemporal carpeta;
        PlataformaQt plataforma(carpeta / "save.wav");
        QString titulo;
        int ancho = 0;
        alaparecer([&](QDialog* d) {
            titulo = d->windowTitle();
            ancho = d->width();
            d->accept();
        });
        plataforma.mensaje(nullptr, QStringLiteral("Error desconocido"));
        QCOMPARE(titulo, QStringLiteral("Rumbal"));
        // Wide enough for its title, short as the text is.
        QVERIFY2(ancho >= PlataformaQt::anchominimomensaje, qPrintable(QString::number(ancho)));
    }

    void dialogoCanceladoNoDaRuta() {
        prueba::CarpetaTemporal carpeta;
        PlataformaQt plataforma(carpeta / "save.wav");
        QString titulo;
        alaparecer([&](QDialog* d) {
            titulo = d->windowTitle();
            d->reject();
        });
        const auto ruta = plataforma.abrearchivo(nullptr, QStringLiteral("Elija el archivo que desea abrir"),
                                                 QStringLiteral("Texto(*.txt)|*.txt"));
        QVERIFY(!ruta.has_value());
        QCOMPARE(titulo, QStringLiteral("Elija el archivo que desea abrir"));
    }

    // Qt's own texts in Spanish, from Debian's translations (installed by the set-up).
    void textosDeQtEnEspanol() {
        QVERIFY(PlataformaQt::instalatraduccion());
        prueba::CarpetaTemporal carpeta;
        PlataformaQt plataforma(carpeta / "save.wav");
        QString boton;
        alaparecer([&](QDialog* d) {
            if (auto* caja = d->findChild<QDialogButtonBox*>()) boton = caja->buttons().value(0)->text();
            d->accept();
        });
        plataforma.mensaje(nullptr, QStringLiteral("Error desconocido"));
        QCOMPARE(boton.remove(QLatin1Char('&')), QStringLiteral("Aceptar"));
    }

    // The file dialog's own captions and buttons, from the same translations.
    void dialogoDeArchivosEnEspanol() {
        QVERIFY(PlataformaQt::instalatraduccion());
        prueba::CarpetaTemporal carpeta;
        PlataformaQt plataforma(carpeta / "save.wav");
        QStringList textos;
        alaparecer([&](QDialog* d) {
            for (const char* nombre : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
                if (auto* etiqueta = d->findChild<QLabel*>(QString::fromLatin1(nombre)))
                    textos << etiqueta->text().remove(QLatin1Char('&'));
            if (auto* caja = d->findChild<QDialogButtonBox*>())
                for (QAbstractButton* b : caja->buttons()) textos << b->text().remove(QLatin1Char('&'));
            d->reject();
        });
        QVERIFY(!plataforma.abrearchivo(nullptr, QStringLiteral("abrir"), QStringLiteral("Texto(*.txt)|*.txt")));
        QCOMPARE(textos, (QStringList{QStringLiteral("Ver en:"), QStringLiteral("Nombre de fichero:"),
                                      QStringLiteral("Ficheros de tipo:"), QStringLiteral("Abrir"),
                                      QStringLiteral("Cancelar")}));
    }

    // The dialog opens in the documents folder, never beside the program, and
    // its file type reads as the program names it.
    void dialogoEnLaCarpetaDeDocumentos() {
        prueba::CarpetaTemporal carpeta;
        PlataformaQt plataforma(carpeta / "save.wav");
        QString primera, tipo;
        alaparecer([&](QDialog* d) {
            auto* dialogo = qobject_cast<QFileDialog*>(d);
            primera = dialogo->directory().absolutePath();
            if (auto* tipos = dialogo->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
                tipo = tipos->itemText(0);
            d->reject();
        });
        QVERIFY(!plataforma.abrearchivo(nullptr, QStringLiteral("abrir"), QStringLiteral("Texto(*.txt)|*.txt")));
        const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(primera, QDir(documentos).exists() ? QDir(documentos).absolutePath() : QDir::homePath());
        QCOMPARE(plataforma.carpetadialogos(), primera);
        QCOMPARE(tipo, QStringLiteral("Texto(*.txt)"));
    }
};

QTEST_MAIN(PruebaPlataformaQt)
#include "plataforma_qt_test.moc"
