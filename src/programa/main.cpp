// Rumbal: the program starts into its main window, with the catalogues of the
// folder that holds the executable.

#include <QApplication>

#include "programa/programa.hpp"
#include "ventanas/plataforma_qt.hpp"

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rumbal"));
    rumbal::PlataformaQt::instalatraduccion();
    const std::filesystem::path carpeta = QCoreApplication::applicationDirPath().toStdString();
    rumbal::PlataformaQt plataforma(carpeta / "save.wav");
    rumbal::Programa programa(carpeta, plataforma);
    if (!programa.abreprincipal()) return 1;
    return QApplication::exec();
}
