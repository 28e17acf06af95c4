#include "ventanas/plataforma_qt.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QUrl>

namespace rumbal {

PlataformaQt::PlataformaQt(const std::filesystem::path& sonido) {
    sonido_.setSource(QUrl::fromLocalFile(QString::fromStdString(sonido.string())));
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
    QFileDialog dialogo(padre, titulo, QString(), filtroqt(filtro));
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
    return dialogo.selectedFiles().constFirst();
}

void PlataformaQt::suena() {
    if (sonido_.status() == QSoundEffect::Error) return;
    sonido_.stop();
    sonido_.play();
}

void PlataformaQt::abredocumento(const QString& ruta) { QDesktopServices::openUrl(QUrl::fromLocalFile(ruta)); }

void PlataformaQt::terminaprograma() { QApplication::exit(0); }

}  // namespace rumbal
