// The viewer's rows, offscreen: counts, headers and cells of a file of a
// thousand complete point records, read through the model as a view does.

#include "ventanas/modelo_listado.hpp"

#include <QAbstractItemModelTester>
#include <QtTest>

#include "archivos/listado.hpp"
#include "comun/carpeta_temporal.hpp"

using namespace rumbal;

namespace {

constexpr int registros = 1000;

// Record i of the file, its attribute in Windows-1252 and, in the first one,
// an X written without the zero before the point.
std::string registro(int i) {
    const std::string n = std::to_string(i);
    const std::string x = i == 1 ? ".5" : "6171234.567";
    return "\"P" + n + "\",\"V\xE9rtice\",\"-34 36 12,5\",\"-58 22 54,3\",25,2766523.123,-4487345.456,-3597523.789," +
           x + ",5633333.123,.99998765,\"0 12 3.45\",1.00000392,\"WGS 84\",\"Faja 5\"\r\n";
}

const QStringList cabeceras = {QStringLiteral("Punto"),         QStringLiteral("Atributo"),
                               QStringLiteral("x (metros)"),    QStringLiteral("y (metros) "),
                               QStringLiteral("Factor"),        QStringLiteral("Convergencia"),
                               QStringLiteral("Representación")};

}  // namespace

class PruebaModeloListado : public QObject {
    Q_OBJECT

    std::unique_ptr<prueba::CarpetaTemporal> carpeta;
    std::unique_ptr<ModeloListado> modelo;
    std::string bytes;

    std::filesystem::path ruta() const { return *carpeta / "completo.txt"; }
    QString celda(int fila, int columna) const { return modelo->index(fila, columna).data().toString(); }
    QStringList fila(int f) const {
        QStringList celdas;
        for (int c = 0; c < modelo->columnCount(); ++c) celdas << celda(f, c);
        return celdas;
    }

private slots:
    void init() {
        carpeta = std::make_unique<prueba::CarpetaTemporal>();
        bytes.clear();
        for (int i = 1; i <= registros; ++i) bytes += registro(i);
        prueba::escribe(ruta(), bytes);
        std::ifstream archivo(ruta(), std::ios::binary);
        Indexado x = indexa(archivo, 15);
        QCOMPARE(x.recuento.estado, Estado::completo);
        modelo = std::make_unique<ModeloListado>(
            cabeceras, std::vector<std::size_t>(columnasplanas.begin(), columnasplanas.end()));
        modelo->muestra(std::move(x.indice), ruta());
    }
    void cleanup() {
        modelo.reset();
        carpeta.reset();
    }

    void filasceldasycabeceras() {
        QCOMPARE(modelo->rowCount(), registros);
        QCOMPARE(modelo->columnCount(), 7);
        QCOMPARE(modelo->headerData(0, Qt::Vertical).toInt(), 1);
        QCOMPARE(modelo->headerData(registros - 1, Qt::Vertical).toInt(), registros);
        QCOMPARE(fila(0), (QStringList{"P1", "Vértice", "0.5", "5633333.123", "0.99998765", "0 12 3.45", "Faja 5"}));
        QCOMPARE(fila(registros - 1),
                 (QStringList{"P1000", "Vértice", "6171234.567", "5633333.123", "0.99998765", "0 12 3.45", "Faja 5"}));
        for (int f = registros - 1; f >= 0; f -= 37) QCOMPARE(celda(f, 0), QStringLiteral("P%1").arg(f + 1));
        QVERIFY(!modelo->index(0, 0).data(Qt::EditRole).isValid());
    }

    void elmodelocumplesucontrato() {
        QAbstractItemModelTester probador(modelo.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    // The file cut inside record 500 after it was indexed.
    void archivocambiadomuestraceldasvacias() {
        QCOMPARE(celda(0, 0), QStringLiteral("P1"));
        prueba::escribe(ruta(), bytes.substr(0, bytes.find("\"P500\"") + 20));
        QCOMPARE(modelo->rowCount(), registros);
        QCOMPARE(fila(registros - 1), QStringList(7, QString()));
        QCOMPARE(celda(498, 0), QStringLiteral("P499"));
        QCOMPARE(fila(499), QStringList(7, QString()));
        QCOMPARE(celda(0, 0), QStringLiteral("P1"));
    }
};

QTEST_MAIN(PruebaModeloListado)
#include "modelo_listado_test.moc"
