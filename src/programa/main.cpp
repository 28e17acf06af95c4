// Rumbal: the program starts into its main window, with the catalogues of the
// program folder: the folder of the executable in a build, the user's data
// folder once installed.

#include <QApplication>
#include <QStandardPaths>

#include "programa/carpeta_programa.hpp"
#include "programa/programa.hpp"
#include "ventanas/plataforma_qt.hpp"

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rumbal"));
    // The desktop entry the windows belong to (its name and icon in the
    // desktop's task list).
    QGuiApplication::setDesktopFileName(QStringLiteral(RUMBAL_ID));
    rumbal::PlataformaQt::instalatraduccion();
    const auto carpeta = rumbal::preparacarpeta(
        QCoreApplication::applicationDirPath().toStdString(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(),
        rumbal::relativainstalada());
    rumbal::PlataformaQt plataforma(carpeta.carpeta / "save.wav");
    // What could not be copied is said; the catalogues' loading decides
    // whether the program can go on.
    if (!carpeta.aviso.empty()) plataforma.mensaje(nullptr, QString::fromStdString(carpeta.aviso));
    rumbal::Programa programa(carpeta.carpeta, plataforma);
    if (!programa.abreprincipal()) return 1;
    return QApplication::exec();
}
