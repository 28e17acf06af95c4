// The three viewers, one window with three column sets, opened from the main
// window's "&Vista" menu and driven through their widgets, offscreen.

#include <QTableView>
#include <QtTest>

#include "ventanas/arranque.hpp"
#include "ventanas/conductor.hpp"
#include "ventanas/forvis.hpp"

using namespace rumbal;
using namespace rumbal::prueba;

namespace {

// Four complete point records, Windows-1252; the last without plane quantities.
const std::string completo =
    "\"P1\",\"V\xE9rtice\",\"-34 30 0\",\"-58 30 0\",10,2766523.123,-4487345.456,-3597523.789,6172000.5,"
    "5545000.25,.99998765,\"0 12 3.45\",1.0000016,\"WGS 84\",\"Faja 5\"\r\n"
    "101,\"Esquina\",\"-34 31 0\",\"-58 31 0\",-.5,4,5,6,6171000,5544000,.9999,\"0 12 3\",1,\"WGS 84\",\"Faja 5\"\r\n"
    "\"P3\",\"\",\"-34 32 0\",\"-58 32 0\",12,7,8,9,6170000,5543000,1,\"\",1,\"WGS 84\",\"\"\r\n"
    "\"P4\",\"V\xE9rtice\",\"-34 33 0\",\"-58 33 0\",0,7,8,9,0,0,0,\"\",1,\"WGS 84\",\"\"\r\n";

// Each viewer, from its menu item, and the rows it shows of the file.
struct Vista {
    const char* item;
    Ventana ventana;
    QString titulo, indicacion, dialogo;
    QStringList cabeceras, primera, segunda, ultima;  // segunda: a number as identifier, a height under one
};
const Vista vistas[] = {
    {"mnuvisgeo",
     Ventana::visgeo,
     "Vista de Coordenadas Geodésicas",
     "Para seleccionar el Archivo presione Abrir",
     "abrir el archivo de coordenadas geodésicas",
     {"Punto", "Atributo", "B (g m s)", "L (g m s)", "h (metros)", "Coef.de Altura", "Elipsoide"},
     {"P1", "Vértice", "-34 30 0", "-58 30 0", "10", "1.0000016", "WGS 84"},
     {"101", "Esquina", "-34 31 0", "-58 31 0", "-0.5", "1", "WGS 84"},
     {"P4", "Vértice", "-34 33 0", "-58 33 0", "0", "1", "WGS 84"}},
    {"mnuviscar",
     Ventana::viscar,
     "Vista de Coordenadas Cartesianas Geocéntricas",
     "Para seleccionar el Archivo presione Abrir",
     "abrir el archivo de coordenadas geocéntricas",
     {"Punto", "Atributo", "x (metros)", "y (metros) ", "z (metros)"},
     {"P1", "Vértice", "2766523.123", "-4487345.456", "-3597523.789"},
     {"101", "Esquina", "4", "5", "6"},
     {"P4", "Vértice", "7", "8", "9"}},
    {"mnuvispla",
     Ventana::vispla,
     "Vista de Coordenadas planas",
     "Seleccione el Archivo que desea visualizar",
     "abrir el archivo de coordenadas Planas",
     {"Punto", "Atributo", "X (metros)", "Y (metros) ", "Mod.Deformac.", "Conv.Merid.", "Nombre"},
     {"P1", "Vértice", "6172000.5", "5545000.25", "0.99998765", "0 12 3.45", "Faja 5"},
     {"101", "Esquina", "6171000", "5544000", "0.9999", "0 12 3", "Faja 5"},
     {"P4", "Vértice", "0", "0", "0", "", ""}},
};

QStringList fila(const QAbstractItemModel* m, int r) {
    QStringList celdas;
    for (int c = 0; c < m->columnCount(); ++c) celdas << m->data(m->index(r, c)).toString();
    return celdas;
}

QStringList cabeceras(const QAbstractItemModel* m) {
    QStringList t;
    for (int c = 0; c < m->columnCount(); ++c) t << m->headerData(c, Qt::Horizontal).toString();
    return t;
}

}  // namespace

class PruebaForvis : public PruebaConPrograma {
    Q_OBJECT

    Forvis* abre(const char* item, Ventana v) { return static_cast<Forvis*>(menu(item, v)); }
    void lista(Forvis* w, const char* archivo) {
        plataforma->respuestas = {qruta(archivo)};
        pulsa(w, "botabrir");
        pulsa(w, "botlistar");
        QTRY_VERIFY_WITH_TIMEOUT(!w->encurso(), 60000);
    }
    const QAbstractItemModel* tabla(Forvis* w) { return control<QTableView>(w, "lvwarchivo")->model(); }

private slots:
    void init() {
        QVERIFY(arranca());
        escribe(*carpeta / "completo.txt", completo);
    }

    void tresVistas_data() {
        QTest::addColumn<int>("caso");
        for (int i = 0; i < int(std::size(vistas)); ++i) QTest::newRow(vistas[i].item) << i;
    }
    void tresVistas() {
        QFETCH(int, caso);
        const auto& [item, ventana, titulo, indicacion, dialogo, cabeceras, primera, segunda, ultima] = vistas[caso];
        Forvis* w = abre(item, ventana);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), titulo);
        QCOMPARE(texto(w, "Label1"), indicacion);
        QCOMPARE(texto(w, "label7"), QStringLiteral("Archivo a visualizar"));
        QCOMPARE(::cabeceras(tabla(w)), cabeceras);
        QCOMPARE(tabla(w)->rowCount(), 0);
        QCOMPARE(habilitados(w, {"botabrir", "botlistar"}), QStringList{"botabrir"});

        plataforma->respuestas = {qruta("completo.txt")};
        pulsa(w, "botabrir");
        QCOMPARE(plataforma->dialogos,
                 QStringList({dialogo + QStringLiteral(" | Texto(*.txt)|*.txt|Todos los archivos(*.*)|*.*")}));
        QCOMPARE(texto(w, "Text1"), qruta("completo.txt"));
        QCOMPARE(texto(w, "Label1"), QStringLiteral("Para visualizar presione Listar"));
        QCOMPARE(habilitados(w, {"botabrir", "botlistar"}), QStringList{"botlistar"});

        pulsa(w, "botlistar");
        QTRY_VERIFY(!w->encurso());
        QCOMPARE(tabla(w)->rowCount(), 4);
        QCOMPARE(fila(tabla(w), 0), primera);
        QCOMPARE(fila(tabla(w), 3), ultima);
        QCOMPARE(fila(tabla(w), 1), segunda);
        QVERIFY(!habilitado(w, "botlistar"));
        QVERIFY(plataforma->mensajes.isEmpty());
        QVERIFY(!programa->estado().archivos.abierto(w->objectName().toStdString() + "#1"));
    }

    void archivoVacio() {
        escribe(*carpeta / "vacio.txt", "");
        Forvis* w = abre("mnuviscar", Ventana::viscar);
        lista(w, "vacio.txt");
        QCOMPARE(tabla(w)->rowCount(), 0);
        QVERIFY(!habilitado(w, "botlistar"));
        QVERIFY(plataforma->mensajes.isEmpty());
    }

    void registroIlegibleMuestraLosAnteriores() {
        escribe(*carpeta / "roto.txt", completo + "\"P5\",\"sin cerrar,1,2\r\n");
        Forvis* w = abre("mnuvispla", Ventana::vispla);
        lista(w, "roto.txt");
        QCOMPARE(tabla(w)->rowCount(), 4);
        QCOMPARE(plataforma->mensajes.size(), 1);
        QVERIFY2(plataforma->mensajes[0].startsWith(
                     QStringLiteral("Registro 5 (renglón 5): falta la comilla que cierra un texto.")),
                 qPrintable(plataforma->mensajes[0]));
        QCOMPARE(plataforma->pitidos, 1);
    }

    void cancelarElDialogo() {
        Forvis* w = abre("mnuvisgeo", Ventana::visgeo);
        QVERIFY(programa->estado().resultados.abre((*carpeta / "guardados.txt").string()));
        plataforma->respuestas = {QString()};
        pulsa(w, "botabrir");
        QVERIFY(plataforma->mensajes.isEmpty());
        QCOMPARE(habilitados(w, {"botabrir", "botlistar"}), QStringList{"botabrir"});
        QVERIFY(!programa->estado().resultados.abierto());
    }

    void abrirQueNoPuedeAbrir() {
        Forvis* w = abre("mnuvisgeo", Ventana::visgeo);
        plataforma->respuestas = {qruta("no-existe.txt")};
        pulsa(w, "botabrir");
        QCOMPARE(plataforma->mensajes, QStringList({QStringLiteral("Error desconocido")}));
        QCOMPARE(habilitados(w, {"botabrir", "botlistar"}), QStringList{"botabrir"});
    }

    void unaVentanaPorVista() {
        Forvis* geo = abre("mnuvisgeo", Ventana::visgeo);
        QVERIFY(menu("mnuvispla", Ventana::vispla) != geo);
        QCOMPARE(menu("mnuvisgeo", Ventana::visgeo), geo);
        pulsa(geo, "botsalir");
        QTRY_VERIFY(programa->ventana(Ventana::visgeo) == nullptr);
        QVERIFY(programa->principal()->isVisible());
    }
};

QTEST_MAIN(PruebaForvis)
#include "forvis_test.moc"
