// One smoke test for each dialog of the desktop's own platform: the message
// box and the file dialog are shown for real and closed from a timer.

#include "ventanas/plataforma_qt.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <functional>

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
    // The message box: titled "Rumbal", wide enough for its title however short
    // the text, and its button in Spanish from Debian's Qt translations
    // (installed by the set-up).
    void mensajeConTituloRumbalEnEspanol() {
        QVERIFY(PlataformaQt::instalatraduccion());
        prueba::CarpetaTemporal carpeta;
        PlataformaQt plataforma(carpeta / "save.wav");
        QString titulo, boton;
        int ancho = 0;
        alaparecer([&](QDialog* d) {
            titulo = d->windowTitle();
            ancho = d->width();
            if (auto* caja = d->findChild<QDialogButtonBox*>()) boton = caja->buttons().value(0)->text();
            d->accept();
        });
        plataforma.mensaje(nullptr, QStringLiteral("Error desconocido"));
        QCOMPARE(titulo, QStringLiteral("Rumbal"));
        QVERIFY2(ancho >= PlataformaQt::anchominimomensaje, qPrintable(QString::number(ancho)));
        QCOMPARE(boton.remove(QLatin1Char('&')), QStringLiteral("Aceptar"));
    }

    // The file dialog, cancelled: no path. It bears the title it was given,
    // its own captions and buttons come from the same translations, it opens
    // in the documents folder, never beside the program, and its file type
    // reads as the program names it.
    void dialogoDeArchivosCancelado() {
        QVERIFY(PlataformaQt::instalatraduccion());
        prueba::CarpetaTemporal carpeta;
        PlataformaQt plataforma(carpeta / "save.wav");
        QString titulo, primera, tipo;
        QStringList textos;
        alaparecer([&](QDialog* d) {
            titulo = d->windowTitle();
            for (const char* nombre : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
                if (auto* etiqueta = d->findChild<QLabel*>(QString::fromLatin1(nombre)))
                    textos << etiqueta->text().remove(QLatin1Char('&'));
            if (auto* caja = d->findChild<QDialogButtonBox*>())
                for (QAbstractButton* b : caja->buttons()) textos << b->text().remove(QLatin1Char('&'));
            auto* dialogo = qobject_cast<QFileDialog*>(d);
            primera = dialogo->directory().absolutePath();
            if (auto* tipos = dialogo->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
                tipo = tipos->itemText(0);
            d->reject();
        });
        const auto ruta = plataforma.abrearchivo(nullptr, QStringLiteral("Elija el archivo que desea abrir"),
                                                 QStringLiteral("Texto(*.txt)|*.txt"));
        QVERIFY(!ruta.has_value());
        QCOMPARE(titulo, QStringLiteral("Elija el archivo que desea abrir"));
        QCOMPARE(textos, (QStringList{QStringLiteral("Ver en:"), QStringLiteral("Nombre de fichero:"),
                                      QStringLiteral("Ficheros de tipo:"), QStringLiteral("Abrir"),
                                      QStringLiteral("Cancelar")}));
        const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(primera, QDir(documentos).exists() ? QDir(documentos).absolutePath() : QDir::homePath());
        QCOMPARE(plataforma.carpetadialogos(), primera);
        QCOMPARE(tipo, QStringLiteral("Texto(*.txt)"));
    }
};

QTEST_MAIN(PruebaPlataformaQt)
#include "plataforma_qt_test.moc"
