#include "ventanas/plataforma_qt.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>
#include <QGridLayout>
#include <QMessageBox>
#include <QUrl>

namespace rumbal {

PlataformaQt::PlataformaQt(const std::filesystem::path& sonido) {
    sonido_.setSource(QUrl::fromLocalFile(QString::fromStdString(sonido.string())));
    carpetadialogos_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (carpetadialogos_.isEmpty() || !QDir(carpetadialogos_).exists()) carpetadialogos_ = QDir::homePath();
}

bool PlataformaQt::instalatraduccion() {
    auto* traductor = new QTranslator(QCoreApplication::instance());
    if (traductor->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(traductor))
        return true;
    delete traductor;
    return false;
}

void PlataformaQt::mensaje(QWidget* padre, const QString& texto) {
    QMessageBox caja(QMessageBox::NoIcon, QStringLiteral("Rumbal"), texto, QMessageBox::Ok, padre);
    // A short text would make the box so narrow that the window manager cuts
    // its title ("Ru... al"): a box is never narrower than anchominimomensaje.
    if (auto* rejilla = qobject_cast<QGridLayout*>(caja.layout()))
        rejilla->addItem(new QSpacerItem(anchominimomensaje, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                         rejilla->rowCount(), 0, 1, rejilla->columnCount());
    caja.exec();
}

void PlataformaQt::pitido() { QApplication::beep(); }

QString PlataformaQt::filtroqt(const QString& filtro) {
    const QStringList partes = filtro.split(QLatin1Char('|'));
    QStringList tipos;
    for (int i = 0; i + 1 < partes.size(); i += 2) tipos << partes[i] + QStringLiteral(" (") + partes[i + 1] + QLatin1Char(')');
    return tipos.join(QStringLiteral(";;"));
}

std::optional<QString> PlataformaQt::abrearchivo(QWidget* padre, const QString& titulo, const QString& filtro) {
    // A name that does not exist yet may be given: the file is created when
    // it is opened for appending. Nothing is ever overwritten, so no question.
    // Never among the catalogues beside the program: in the folder last used.
    QFileDialog dialogo(padre, titulo, carpetadialogos_, filtroqt(filtro));
    // "Texto(*.txt)" as the program names it, without the pattern again.
    dialogo.setOption(QFileDialog::HideNameFilterDetails);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
    const QString elegido = dialogo.selectedFiles().constFirst();
    carpetadialogos_ = QFileInfo(elegido).absolutePath();
    return elegido;
}

void PlataformaQt::suena() {
    if (sonido_.status() == QSoundEffect::Error) return;
    sonido_.stop();
    sonido_.play();
}

void PlataformaQt::abredocumento(const QString& ruta) { QDesktopServices::openUrl(QUrl::fromLocalFile(ruta)); }

void PlataformaQt::terminaprograma() { QApplication::exit(0); }

}  // namespace rumbal
