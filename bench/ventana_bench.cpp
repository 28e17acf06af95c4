// Processing a file from the window against processing it with rumbal-lote:
// 1,000,000 geodetic points in the zone 5 area, WGS 84 and "Faja 5", the two
// run in turn (window, tool, window, tool...) and the ratio taken pair by
// pair, so that the machine's drift affects both alike. The window is driven
// through its widgets, offscreen, from the click on "Calcular" to the count
// lines; the tool runs in this process on the same file.
//
//   QT_QPA_PLATFORM=offscreen bench_ventana [POINTS] [PAIRS]

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "lote/lote.hpp"
#include "programa/programa.hpp"
#include "ventanas/forconversion.hpp"
#include "ventanas/plataforma_falsa.hpp"
#include "ventanas/ventana_archivos.hpp"

namespace {


// Decimal degrees between -30 and -40 latitude, -61.5 and -58.5 longitude,
// heights 0 to 500 m, as bench/lote.sh makes them.
void escribedatos(const std::string& ruta, int puntos) {
    std::mt19937 azar(1);
    std::uniform_real_distribution<double> u(0, 1);
    std::ofstream f(ruta, std::ios::binary);
    char linea[128];
    for (int i = 1; i <= puntos; ++i) {
        const int n = std::snprintf(linea, sizeof linea, "%d,\"Esquina\",%.8f,%.8f,%.3f\r\n", i, -30 - u(azar) * 10,
                                    -61.5 + u(azar) * 3, u(azar) * 500);
        f.write(linea, n);
    }
}

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    const int puntos = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const int pares = argc > 2 ? std::atoi(argv[2]) : 5;
    QTemporaryDir carpeta;
    const std::string datos = carpeta.filePath(QStringLiteral("geo.txt")).toStdString();
    const QString resultados = carpeta.filePath(QStringLiteral("ventana.txt"));
    const std::string lote = carpeta.filePath(QStringLiteral("lote.txt")).toStdString();
    escribedatos(datos, puntos);

    rumbal::prueba::PlataformaFalsa plataforma;
    rumbal::Programa programa(QCoreApplication::applicationDirPath().toStdString(), plataforma);
    if (!programa.abreprincipal()) return 1;

    std::vector<double> ventana, herramienta, relacion;
    for (int par = 0; par < pares; ++par) {
        // The window: opened from the menu, parameters chosen, files opened, then timed.
        std::remove(resultados.toStdString().c_str());
        programa.principal()->findChild<QAction*>(QStringLiteral("mnuprocesandog"))->trigger();
        auto* w = static_cast<rumbal::VentanaArchivos*>(programa.ventana(rumbal::Ventana::procesar));
        for (auto [lista, nombre] : {std::pair{"lst_elipso", "WGS 84"}, std::pair{"lst_param", "Faja 5"}}) {
            auto* l = w->findChild<QComboBox*>(QString::fromUtf8(lista));
            l->setCurrentIndex(l->findText(QString::fromUtf8(nombre)));
            emit l->activated(l->currentIndex());
        }
        plataforma.respuestas = {QString::fromStdString(datos), resultados};
        w->findChild<QPushButton*>(QStringLiteral("botabrir"))->click();
        QElapsedTimer reloj;
        reloj.start();
        w->findChild<QPushButton*>(QStringLiteral("botcalcular"))->click();
        if (!QTest::qWaitFor([w] { return !w->encurso(); }, 600000)) return 1;
        ventana.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e9);
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // The tool, on the same file.
        std::remove(lote.c_str());
        std::istringstream entrada;
        std::ostringstream salida, errores;
        reloj.start();
        rumbal::ejecutalote({"procesar", "--datos", "geo", "--elipsoide", "WGS 84", "--rep", "Faja 5", datos, lote},
                            {entrada, salida, errores}, programa.estado().carpeta);
        herramienta.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e9);
        relacion.push_back(ventana.back() / herramienta.back());
        std::printf("par %d: ventana %.3f s, rumbal-lote %.3f s, relación %.3f\n", par + 1, ventana.back(),
                    herramienta.back(), relacion.back());
    }
    std::printf("| %d puntos | ventana, mediana | rumbal-lote, mediana | relación por par: mediana (mín.–máx.) |\n",
                puntos);
    std::printf("|---|---|---|---|\n");
    std::printf("| procesar geo, WGS 84, Faja 5 | %.3f s | %.3f s | %.3f (%.3f–%.3f) |\n", mediana(ventana),
                mediana(herramienta), mediana(relacion), *std::min_element(relacion.begin(), relacion.end()),
                *std::max_element(relacion.begin(), relacion.end()));
    return 0;
}
