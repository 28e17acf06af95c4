// The file windows (processing, file transformation, column and attribute
// selection), opened from the main window's menu and driven through their
// widgets, offscreen, with a platform that answers the file dialogs. Every
// results file is compared byte for byte with what rumbal-lote writes for the
// same input: the windows and the batch tool run the same algorithms.

#include <QAbstractItemView>
#include <QListWidget>
#include <QProgressBar>
#include <QtTest>
#include <atomic>
#include <sstream>

#include "lote/lote.hpp"
#include "ventanas/arranque.hpp"
#include "ventanas/conductor.hpp"
#include "ventanas/ventana_archivos.hpp"

using namespace rumbal;
using namespace rumbal::prueba;

namespace {

const QString filtrodatos = QStringLiteral("Texto(*.txt)|*.txt|Todos los archivos(*.*)|*.*");
const QString filtroresultados = QStringLiteral("Texto(*.txt)|*.txt");
const QString dialogoresultados =
    QStringLiteral("abrir el archivo donde se grabarán los resultados | Texto(*.txt)|*.txt");

// Windows-1252 bytes: "V\xE9rtice" is the first default attribute.
const std::string datosgeo =
    "\"P1\",\"V\xE9rtice\",-34.5,-58.5,10\r\n"
    "101,\"Esquina\",\"-34 36 12.5\",\"-58 22 54.3\",\r\n"
    "\"P3\",\"\",\"-35 0 0\",\"-59 0 0\",25.123\r\n";
const std::string datoscar =
    "\"C1\",\"V\xE9rtice\",2766523.123,-4487345.456,-3597523.789\r\n"
    "\"C2\",,2770000,-4480000,-3600000\r\n";
const std::string datospla =
    "\"Q1\",\"Esquina\",6171234.567,5633333.123\r\n"
    "\"Q2\",\"\",6100000,5500000\r\n"
    "7,\"\",6050000.5,5450000.25\r\n";
const std::string datostransformar =
    "\"A\",\"V\xE9rtice\",4027894.006,307045.6,4919474.91\r\n"
    "007,\"\",3900000,400000,5000000\r\n";

// The processing window in each of its modes, opened from its menu item.
struct Proceso {
    const char* lote;  // the batch tool's --datos
    const char* item;
    const char* modo;
    const char* titulo;
    const char* dialogo;
    const std::string& datos;
    int puntos;
};
const Proceso procesos[] = {
    {"geo", "mnuprocesandog", "progeo", "Procesar Archivo de Coordenadas Geodésicas",
     "abrir el archivo de coordenadas geodésicas", datosgeo, 3},
    {"car", "mnuprocesandoc", "procar", "Procesar Archivo de Coordenadas Cartesianas Geocéntricas",
     "abrir el archivo de coordenadas cartesianas geocéntricas", datoscar, 2},
    {"pla", "mnuprocesandop", "propla", "Procesar Archivo de Coordenadas Planas",
     "abrir el archivo de coordenadas planas", datospla, 3},
};

std::string completos() {
    std::string s;
    s += "\"P1\",\"V\xE9rtice\",\"-34 30 0\",\"-58 30 0\",10,1,2,3,6172000.5,5545000.25,.99998765,\"0 12 "
         "3.45\",1.0000016,\"WGS 84\",\"Faja 5\"\r\n";
    s += "\"P2\",\"Esquina\",\"-34 31 0\",\"-58 31 0\",11,4,5,6,6171000,5544000,.9999,\"0 12 3\",1,\"WGS 84\",\"Faja "
         "5\"\r\n";
    s += "\"P3\",\"v\xE9rtice\",\"-34 32 0\",\"-58 32 0\",12,7,8,9,6170000,5543000,1,\"\",1,\"WGS 84\",\"\"\r\n";
    s += "\"P4\",\"V\xE9rtice\",\"-34 33 0\",\"-58 33 0\",,7,8,9,0,0,0,\"\",1,\"WGS 84\",\"\"\r\n";
    return s;
}

}  // namespace

class PruebaVentanasArchivos : public PruebaConPrograma {
    Q_OBJECT

    // The same run through the batch tool, into a results file of its own.
    std::string conlote(std::vector<std::string> argumentos, const std::string& previo = {}) {
        const std::string destino = ruta("lote.txt");
        escribe(destino, previo);
        argumentos.push_back(destino);
        std::istringstream entrada;
        std::ostringstream salida, errores;
        const int estado = ejecutalote(argumentos, {entrada, salida, errores}, carpeta->ruta());
        if (estado != 0) qWarning("rumbal-lote: %s", errores.str().c_str());
        return lee(destino);
    }
    // "Abrir" answered with the two files.
    void abre(QWidget* w, const char* datos, const char* resultados) {
        plataforma->respuestas = {qruta(datos), qruta(resultados)};
        pulsa(w, "botabrir");
    }
    // The processing window from a menu item, with WGS 84 and "Faja 5" chosen.
    QWidget* procesar(const char* item = "mnuprocesandog") {
        QWidget* w = menu(item, Ventana::procesar);
        if (!elige(w, "lst_elipso", QStringLiteral("WGS 84")) || !elige(w, "lst_param", QStringLiteral("Faja 5")))
            qFatal("faltan WGS 84 o Faja 5");
        return w;
    }
    // A run from its button to its end.
    void corre(QWidget* w, const char* boton) {
        pulsa(w, boton);
        esperafin(w);
    }
    void esperafin(QWidget* w) {
        auto* v = static_cast<VentanaArchivos*>(w);
        QTRY_VERIFY_WITH_TIMEOUT(!v->encurso(), 60000);
    }

private slots:
    // ---- Processing --------------------------------------------------

    // Each menu item opens the window in its mode; the whole run, from the
    // choices to the results, the same as the batch tool's.
    void procesarIgualQueElLote_data() {
        QTest::addColumn<int>("caso");
        for (int i = 0; i < int(std::size(procesos)); ++i) QTest::newRow(procesos[i].lote) << i;
    }
    void procesarIgualQueElLote() {
        QFETCH(int, caso);
        const auto& [lote, item, modo, titulo, dialogo, datos, puntos] = procesos[caso];
        escribe(ruta("datos.txt"), datos);
        const std::string previo = "\"linea de antes\"\r\n";
        escribe(ruta("resultados.txt"), previo);
        QWidget* w = menu(item, Ventana::procesar);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString::fromUtf8(titulo));
        QCOMPARE(programa->estado().modoventana, std::string(modo));
        QCOMPARE(textos(w, {"Label3(0)", "label7", "Label8", "Label9"}),
                 QStringList({"Seleccione los parámetros correspondientes", "Archivos de datos",
                              "Archivos de resultados", ""}));
        QCOMPARE(habilitados(w, {"botabrir", "botcalcular"}), QStringList());
        QVERIFY(elige(w, "lst_elipso", QStringLiteral("WGS 84")));
        // The short captions of this window: "excentr.", not "excentricidad".
        QCOMPARE(texto(w, "Label3(5)"), QStringLiteral("2da.excentr. = 0.00673949674227625"));
        QVERIFY(!habilitado(w, "botabrir"));
        QVERIFY(elige(w, "lst_param", QStringLiteral("Faja 5")));
        QCOMPARE(textos(w, {"Label4(5)", "Label4(0)"}),
                 QStringList({"Factor Escala= 1", "Seleccione los archivos con el botón Abrir"}));
        QCOMPARE(habilitados(w, {"Label3(0)", "botabrir", "botcalcular"}), QStringList{"botabrir"});

        abre(w, "datos.txt", "resultados.txt");
        QCOMPARE(plataforma->dialogos,
                 QStringList({QString::fromUtf8(dialogo) + " | " + filtrodatos, dialogoresultados}));
        QCOMPARE(texto(w, "Text2"), qruta("resultados.txt"));
        QCOMPARE(textos(w, {"label7", "Label8", "Label4(0)"}),
                 QStringList({"Archivo de Datos", "Archivo de Resultados", "Para procesar clikee Calcular"}));
        QVERIFY(habilitado(w, "botcalcular"));
        QCOMPARE(w->focusWidget(), control(w, "botcalcular"));
        QCOMPARE(programa->estado().rutaresultados.string(), ruta("resultados.txt"));

        corre(w, "botcalcular");
        QVERIFY(plataforma->mensajes.isEmpty());
        QCOMPARE(texto(w, "Label9"), QStringLiteral("--->  %1 puntos calculados").arg(puntos));
        QCOMPARE(texto(w, "Label10"), QStringLiteral("--->  %1 puntos en el archivo de resultados").arg(puntos + 1));
        QCOMPARE(habilitados(w, {"botcalcular", "botabrir", "Text1"}), QStringList{"botabrir"});
        const std::string esperado = conlote(
            {"procesar", "--datos", lote, "--elipsoide", "WGS 84", "--rep", "Faja 5", ruta("datos.txt")}, previo);
        QCOMPARE(QByteArray::fromStdString(lee(ruta("resultados.txt"))), QByteArray::fromStdString(esperado));
        QVERIFY(esperado.size() > previo.size() + 100);
        // The window opens again after a run; a second run adds the same lines again.
        abre(w, "datos.txt", "resultados.txt");
        corre(w, "botcalcular");
        QCOMPARE(textos(w, {"Label9", "Label10"}),
                 QStringList({QStringLiteral("--->  %1 puntos calculados").arg(puntos),
                              QStringLiteral("--->  %1 puntos en el archivo de resultados").arg(2 * puntos + 1)}));
        QCOMPARE(lee(ruta("resultados.txt")), esperado + esperado.substr(previo.size()));
        // A second choice brings the same window to the front, with the new mode and caption.
        QCOMPARE(menu("mnuprocesandoc", Ventana::procesar), w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Procesar Archivo de Coordenadas Cartesianas Geocéntricas"));
        QCOMPARE(programa->estado().modoventana, std::string("procar"));
    }

    void cancelarUnDialogo_data() {
        QTest::addColumn<int>("cancela");  // which dialog the user cancels
        QTest::newRow("datos") << 1;
        QTest::newRow("resultados") << 2;
    }
    void cancelarUnDialogo() {
        QFETCH(int, cancela);
        escribe(ruta("datos.txt"), datosgeo);
        // The main window's results file is open between saves: any cancel closes it.
        QWidget* w = procesar();
        QVERIFY(programa->estado().resultados.abre(ruta("guardados.txt")));
        plataforma->respuestas = {cancela == 1 ? QString() : qruta("datos.txt"), QString()};
        pulsa(w, "botabrir");
        QCOMPARE(plataforma->dialogos.size(), cancela);
        QVERIFY(plataforma->mensajes.isEmpty());
        QCOMPARE(plataforma->pitidos, 0);
        QVERIFY(!programa->estado().resultados.abierto());
        QVERIFY(!programa->estado().archivos.abierto("forprocesar#1"));
        QCOMPARE(texto(w, "Text1"), cancela == 1 ? QString() : qruta("datos.txt"));
        QCOMPARE(habilitados(w, {"botcalcular", "botabrir"}), QStringList{"botabrir"});
        QVERIFY(!std::filesystem::exists(ruta("resultados.txt")));
    }

    // What "Abrir" refuses: said, nothing opened, no file touched.
    void abrirRechaza_data() {
        QTest::addColumn<QString>("datos");
        QTest::addColumn<QString>("resultados");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("pitidos");
        QTest::newRow("catálogo") << "datos.txt"
                                  << "elipsoide.txt"
                                  << "No se pueden grabar resultados en un catálogo del programa: elija otro archivo"
                                  << 1;
        QTest::newRow("mismo archivo")
            << "datos.txt"
            << "datos.txt"
            << "El archivo de resultados no puede ser el mismo archivo de datos: elija otro archivo" << 1;
        QTest::newRow("no se abre") << "no-existe.txt"
                                    << "resultados.txt"
                                    << "Error desconocido" << 0;
    }
    void abrirRechaza() {
        QFETCH(QString, datos);
        QFETCH(QString, resultados);
        QFETCH(QString, mensaje);
        QFETCH(int, pitidos);
        escribe(ruta("datos.txt"), datosgeo);
        const std::string catalogo = lee(ruta("elipsoide.txt"));
        QWidget* w = procesar();
        abre(w, qPrintable(datos), qPrintable(resultados));
        QCOMPARE(plataforma->mensajes, QStringList({mensaje}));
        QCOMPARE(plataforma->pitidos, pitidos);
        QVERIFY(!programa->estado().archivos.abierto("forprocesar#1"));
        QVERIFY(!habilitado(w, "botcalcular"));
        QCOMPARE(lee(ruta("elipsoide.txt")), catalogo);
        QCOMPARE(lee(ruta("datos.txt")), datosgeo);
    }

    void segundoAbrirEsErrorDesconocido() {
        escribe(ruta("datos.txt"), datosgeo);
        QWidget* w = procesar();
        abre(w, "datos.txt", "resultados.txt");
        abre(w, "datos.txt", "resultados.txt");
        QCOMPARE(plataforma->mensajes, QStringList({QStringLiteral("Error desconocido")}));
        QVERIFY(programa->estado().archivos.abierto("forprocesar#2"));
        QVERIFY(habilitado(w, "botcalcular"));
    }

    void calcularConModoDesconocidoOSinElipsoide() {
        escribe(ruta("datos.txt"), datosgeo);
        QWidget* w = menu("mnuprocesandog", Ventana::procesar);
        elige(w, "lst_param", QStringLiteral("Faja 5"));
        abre(w, "datos.txt", "resultados.txt");
        pulsa(w, "botcalcular");
        QCOMPARE(plataforma->mensajes, QStringList({QStringLiteral("Elija el elipsoide de los datos")}));
        elige(w, "lst_elipso", QStringLiteral("WGS 84"));
        // Opening the column selection window sets a mode this window does not know.
        QVERIFY(menu("mnugenerar", Ventana::generar));
        QCOMPARE(programa->estado().modoventana, std::string("generar"));
        pulsa(w, "botcalcular");
        QCOMPARE(plataforma->mensajes.size(), 2);
        QVERIFY(plataforma->mensajes[1].startsWith(QStringLiteral("Elija en el menú Archivo qué datos va a procesar")));
        QCOMPARE(plataforma->pitidos, 2);
        QVERIFY(programa->estado().archivos.abierto("forprocesar#1"));
        QCOMPARE(lee(ruta("resultados.txt")), std::string());
        QCOMPARE(texto(w, "Label9"), QString());
    }

    void calcularConUnElipsoideQueNoSirveDiceElMotivo() {
        escribe(ruta("datos.txt"), datosgeo);
        escribe(ruta("elipsoide.txt"), lee(ruta("elipsoide.txt")) + "\"Malo\",0,0,0,0,0\r\n");
        QWidget* w = menu("mnuprocesandog", Ventana::procesar);
        QVERIFY(elige(w, "lst_param", QStringLiteral("Faja 5")));
        QVERIFY(elige(w, "lst_elipso", QStringLiteral("Malo")));
        abre(w, "datos.txt", "resultados.txt");
        pulsa(w, "botcalcular");
        QCOMPARE(plataforma->mensajes, QStringList({QStringLiteral("No se puede calcular con el elipsoide \"Malo\": el "
                                                                   "semieje mayor a debe ser positivo.")}));
        QCOMPARE(lee(ruta("resultados.txt")), std::string());
        QCOMPARE(texto(w, "Label9"), QString());
    }

    void archivosCerradosPorOtraVentana() {
        escribe(ruta("datos.txt"), datosgeo);
        QWidget* w = procesar();
        abre(w, "datos.txt", "resultados.txt");
        // The file transformation window closes every open file when it loads.
        QVERIFY(menu("mnutraar", Ventana::transformacionarchivo));
        pulsa(w, "botcalcular");
        QCOMPARE(
            plataforma->mensajes,
            QStringList({QStringLiteral("Los archivos ya no están abiertos: ábralos otra vez con el botón Abrir")}));
        QCOMPARE(habilitados(w, {"botcalcular", "botabrir"}), QStringList{"botabrir"});
    }

    void registroIlegibleDetieneLaCorrida() {
        escribe(ruta("datos.txt"),
                "\"P1\",\"\",-34.5,-58.5,10\r\n\"P2\",\"\",\"abc\",-58.5,10\r\n\"P3\",\"\",-34,-58,1\r\n");
        QWidget* w = procesar();
        abre(w, "datos.txt", "resultados.txt");
        corre(w, "botcalcular");
        QCOMPARE(plataforma->mensajes.size(), 1);
        QVERIFY2(plataforma->mensajes[0].startsWith(
                     QStringLiteral("Registro 2 (renglón 2): la latitud (abc) no es un número ni un ángulo.")),
                 qPrintable(plataforma->mensajes[0]));
        QVERIFY(plataforma->mensajes[0].contains(qruta("datos.txt")));
        QCOMPARE(texto(w, "Label9"), QStringLiteral("--->  1 puntos calculados"));
        QCOMPARE(texto(w, "Label10"), QStringLiteral("--->  1 puntos en el archivo de resultados"));
    }

    // ---- Shared state between windows ----------------------------------

    void elipsoideDelProcesoLoUsaLaVentanaPrincipal() {
        Forconversion* p = programa->principal();
        QVERIFY(elige(p, "lst_Elipso", QStringLiteral("WGS 84")));
        QWidget* w = menu("mnuprocesandog", Ventana::procesar);
        QVERIFY(elige(w, "lst_elipso", QStringLiteral("Internacional 1924")));
        QCOMPARE(programa->estado().elipsoide.a, 6378388.0);
        pon(p, {{"txtlat", "-34 36 12.5"}, {"txtlon", "-58 22 54.3"}, {"txtalt", "25"}});
        p->botgac_Click();
        // Computed on Internacional 1924, the current ellipsoid, not on the
        // main window's WGS 84 (x = 2755261.841 there).
        QCOMPARE(texto(p, "txtx"), QStringLiteral("2755382.866"));
        p->lst_elipso_click(0);
        QCOMPARE(programa->estado().elipsoide.a, 6378137.0);
    }

    // A frame chosen in the main window's panel is what the file
    // transformation's "Calcular" uses when nothing is chosen there.
    void marcoDeLaVentanaPrincipalLoUsaTransformar() {
        Forconversion* p = programa->principal();
        elige(p, "lst_Elipso", QStringLiteral("Bessel 1841"));
        pon(p, {{"txtx", "4027894.006"}, {"txty", "307045.6"}, {"txtz", "4919474.91"}});
        p->mnutra_Click();
        elige(p, "lst_partra", QStringLiteral("DHDN"));
        QCOMPARE(programa->estado().transformacion.dx, 598.1);
        escribe(ruta("datos.txt"), datostransformar);
        QWidget* w = menu("mnutraar", Ventana::transformacionarchivo);
        abre(w, "datos.txt", "resultados.txt");
        corre(w, "botcalcular");
        QCOMPARE(lee(ruta("resultados.txt")), conlote({"transformar", "--marco", "DHDN", ruta("datos.txt")}));
    }

    // ---- File transformation -------------------------------------------

    void transformarEligeMarco() {
        QWidget* w = menu("mnutraar", Ventana::transformacionarchivo);
        QCOMPARE(texto(w, "Label1"), QStringLiteral("Elija el marco de referencia de los datos"));
        QVERIFY(!control(w, "Frame41")->isVisible());
        QCOMPARE(habilitados(w, {"botabrir", "botcalcular"}), QStringList{"botabrir"});
        QCOMPARE(control<QComboBox>(w, "lst_partra")->count(), 2);
        QVERIFY(elige(w, "lst_partra", QStringLiteral("DHDN")));
        QVERIFY(control(w, "Frame41")->isVisible());
        QCOMPARE(texto(w, "Text3"), QStringLiteral("ETRS89"));
        // Dy's label is Label2.
        QCOMPARE(textos(w, {"Label2", "Label4(0)"}), QStringList({"Dy= 73.7 m.", "Clikee el botón Abrir"}));
        QVERIFY(!habilitado(w, "Label1"));
        QVERIFY(elige(w, "lst_partra", QStringLiteral("ETRS89")));
        QCOMPARE(textos(w, {"Text3", "Label3"}), QStringList({"DHDN", "Dx= -598.1 m."}));
        // The frame chosen here is the program's, the main window's too.
        QCOMPARE(programa->estado().transformacion.dx, -598.1);
        QCOMPARE(programa->estado().transformacion.k, -6.7);
    }

    void transformarIgualQueElLote() {
        escribe(ruta("datos.txt"), datostransformar);
        QWidget* w = menu("mnutraar", Ventana::transformacionarchivo);
        elige(w, "lst_partra", QStringLiteral("DHDN"));
        abre(w, "datos.txt", "resultados.txt");
        QCOMPARE(plataforma->dialogos,
                 QStringList({QStringLiteral("abrir el archivo de coordenadas cartesianas | ") + filtrodatos,
                              dialogoresultados}));
        QCOMPARE(texto(w, "Label4(0)"), QStringLiteral("Clikee el botón Calcular"));
        corre(w, "botcalcular");
        QCOMPARE(textos(w, {"Label9", "Label10", "Text1", "Text2"}),
                 QStringList({"--->  2 puntos calculados", "--->  2 puntos en el archivo", " ", " "}));
        QCOMPARE(texto(w, "Label4(0)"), QString());
        QVERIFY(!habilitado(w, "botcalcular"));
        const std::string esperado = conlote({"transformar", "--marco", "DHDN", ruta("datos.txt")});
        QCOMPARE(lee(ruta("resultados.txt")), esperado);
        QVERIFY(esperado.rfind("7,\"\",", std::string::npos) != std::string::npos);
    }

    void transformarSinMarcoCopiaRedondeado() {
        escribe(ruta("datos.txt"), "\"P1\",\"\",4000000,3000000,3800000\r\n\"P2\",,4000000.00049,3000000,3800000\r\n");
        QWidget* w = menu("mnutraar", Ventana::transformacionarchivo);
        abre(w, "datos.txt", "resultados.txt");
        corre(w, "botcalcular");
        QCOMPARE(lee(ruta("resultados.txt")),
                 std::string("\"P1\",\"\",4000000,3000000,3800000\r\n\"P2\",,4000000,3000000,3800000\r\n"));
    }

    // ---- Column selection ----------------------------------------------

    void columnasEnElOrdenMarcado() {
        escribe(ruta("completo.txt"), completos());
        QWidget* w = menu("mnugenerar", Ventana::generar);
        QVERIFY(control(w, "Label2")->isHidden());
        QCOMPARE(habilitados(w, {"botabrir", "botgenerar"}), QStringList());
        auto* lista = control<QListWidget>(w, "List1");
        QCOMPARE(lista->count(), 15);
        QCOMPARE(lista->item(14)->text(), QStringLiteral("Nombre Rep.Plana"));
        const auto marca = [&](int i, bool si) { lista->item(i)->setCheckState(si ? Qt::Checked : Qt::Unchecked); };
        marca(9, true);   // Y plana
        marca(4, true);   // Altura
        marca(8, true);   // X plana
        marca(0, true);   // Punto
        marca(4, false);  // Altura again: the gap closes
        auto* elegidas = control<QListWidget>(w, "List2");
        QStringList nombres;
        for (int i = 0; i < elegidas->count(); ++i) nombres << elegidas->item(i)->text();
        QCOMPARE(nombres, QStringList({"Y plana", "X plana", "Punto"}));
        pulsa(w, "botfin");
        QVERIFY(!habilitado(w, "botfin"));
        QCOMPARE(texto(w, "Label3"), QStringLiteral("<---- Se seleccionaron  3 columnas"));
        QCOMPARE(texto(w, "Label2"), QStringLiteral("Seleccione los Archivos con el botón Abrir"));
        QCOMPARE(habilitados(w, {"List1", "botabrir"}), QStringList{"botabrir"});
        abre(w, "completo.txt", "generado.txt");
        QCOMPARE(plataforma->dialogos,
                 QStringList({QStringLiteral("abrir el archivo Completo  | ") + filtrodatos,
                              QStringLiteral("abrir el archivo a Generar | ") + filtroresultados}));
        QCOMPARE(habilitados(w, {"botabrir", "botgenerar"}), QStringList{"botgenerar"});
        QCOMPARE(texto(w, "Label2"), QStringLiteral("Para procesar clikee Generar"));
        corre(w, "botgenerar");
        QCOMPARE(textos(w, {"Label9", "Label10"}),
                 QStringList({"--->  4 puntos generados", "--->  4 puntos en el archivo de resultados"}));
        QVERIFY(!habilitado(w, "botabrir"));
        QCOMPARE(w->focusWidget(), control(w, "botterminar"));
        const std::string generado = lee(ruta("generado.txt"));
        QCOMPARE(generado.substr(0, generado.find("\r\n") + 2), std::string("5545000.25,6172000.5,\"P1\"\r\n"));
        QCOMPARE(generado, conlote({"columnas", "--columnas", "10,9,1", ruta("completo.txt")}));
        QCOMPARE(programa->estado().rutaresultados.string(), ruta("generado.txt"));
    }

    void finSinColumnasSeRechaza() {
        QWidget* w = menu("mnugenerar", Ventana::generar);
        pulsa(w, "botfin");
        QCOMPARE(plataforma->mensajes,
                 QStringList({QStringLiteral("Marque al menos una columna antes de terminar la selección")}));
        QCOMPARE(plataforma->pitidos, 1);
        QCOMPARE(habilitados(w, {"botabrir", "List1"}), QStringList{"List1"});
    }

    // ---- Selection by attribute ----------------------------------------

    void atributoExacto() {
        escribe(ruta("completo.txt"), completos());
        escribe(ruta("generado.txt"), "\"antes\"\r\n");
        QWidget* w = menu("mnuatrib", Ventana::poratributos);
        QCOMPARE(texto(w, "Label1"), QStringLiteral("Seleccione un atributo"));
        QVERIFY(!habilitado(w, "botabrir"));
        // An arrow key opens the list rather than choosing the next attribute for good.
        auto* atributos = control<QComboBox>(w, "lst_Atrib");
        QTest::keyClick(atributos, Qt::Key_Down);
        QCOMPARE(atributos->currentIndex(), -1);
        QVERIFY(atributos->isEnabled());
        QTRY_VERIFY(atributos->view()->isVisible());
        atributos->hidePopup();
        atributos->setFocus();
        QVERIFY(elige(w, "lst_Atrib", QStringLiteral("Vértice")));
        QCOMPARE(textos(w, {"Label1", "Label3"}),
                 QStringList({"atributo seleccionado", "Seleccione los Archivos con el botón Abrir"}));
        QVERIFY(!habilitado(w, "lst_Atrib"));
        QCOMPARE(w->focusWidget(), control(w, "botabrir"));  // the next step, where Enter goes on
        abre(w, "completo.txt", "generado.txt");
        QVERIFY(!habilitado(w, "Frame1"));
        QCOMPARE(texto(w, "Label3"), QStringLiteral("Para procesar clikee Generar"));
        corre(w, "botgenerar");
        // P1 and P4; not P3, whose attribute differs in letter case.
        QCOMPARE(textos(w, {"Label9", "Label10"}),
                 QStringList({"--->  2 puntos generados", "--->  3 puntos en el archivo de resultados"}));
        const std::string lineas = completos();
        const std::string p1 = lineas.substr(0, lineas.find("\r\n") + 2);
        const std::string p4 = lineas.substr(lineas.rfind("\"P4\""));
        QCOMPARE(lee(ruta("generado.txt")), "\"antes\"\r\n" + p1 + p4);
        QCOMPARE(lee(ruta("generado.txt")),
                 conlote({"atributo", "--atributo", "Vértice", ruta("completo.txt")}, "\"antes\"\r\n"));
    }

    // ---- Long runs ---------------------------------------------------

    void cancelarAMitadDeUnaCorrida_data() {
        QTest::addColumn<bool>("cerrando");  // cancelled by closing the window
        QTest::newRow("Cancelar") << false;
        QTest::newRow("cerrar la ventana") << true;
    }
    void cancelarAMitadDeUnaCorrida() {
        QFETCH(bool, cerrando);
        std::string datos;
        for (int i = 0; i < 200000; ++i)
            datos += "\"P" + std::to_string(i) + "\",\"\"," + std::to_string(-34.0 - i * 1e-6) + ",-58.5,10\r\n";
        escribe(ruta("datos.txt"), datos);
        QPointer<QWidget> w = procesar();
        abre(w, "datos.txt", "resultados.txt");
        // The run is held at its first report past half the points until it is cancelled.
        std::atomic<std::int64_t> detenida{0};
        static_cast<VentanaArchivos*>(w.data())->trabajo().ponobservador(
            [&](std::int64_t n, const std::atomic<bool>& c) {
                if (n < 100000 || detenida) return;
                detenida = n;
                while (!c) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            });
        pulsa(w, "botcalcular");
        QTRY_VERIFY_WITH_TIMEOUT(detenida > 0, 60000);
        QCOMPARE(habilitados(w, {"botabrir", "botcalcular"}), QStringList());
        QCOMPARE(texto(w, "Label9"), QString());
        // A processing item chosen during the run only brings the window to the front.
        QCOMPARE(menu("mnuprocesandop", Ventana::procesar), w.data());
        QCOMPARE(w->windowTitle(), QStringLiteral("Procesar Archivo de Coordenadas Geodésicas"));
        QCOMPARE(programa->estado().modoventana, std::string("progeo"));
        if (cerrando) {
            pulsa(w, "botterminar");
            QTRY_VERIFY(w.isNull());
        } else {
            // The bar and the button show once the run lasts.
            QTRY_VERIFY(control(w, "botcancelar")->isVisible());
            QVERIFY(control<QProgressBar>(w, "barra")->value() > 0);
            pulsa(w, "botcancelar");
            esperafin(w);
            QCOMPARE(texto(w, "Label9"), QStringLiteral("--->  %1 puntos calculados").arg(detenida.load()));
            QCOMPARE(texto(w, "Label10"),
                     QStringLiteral("--->  %1 puntos en el archivo de resultados").arg(detenida.load()));
            QVERIFY(!control(w, "botcancelar")->isVisible());
            QVERIFY(plataforma->mensajes.isEmpty());
        }
        const std::string parte = lee(ruta("resultados.txt"));
        const std::string entero =
            conlote({"procesar", "--datos", "geo", "--elipsoide", "WGS 84", "--rep", "Faja 5", ruta("datos.txt")});
        QVERIFY(parte.size() < entero.size());
        QCOMPARE(entero.compare(0, parte.size(), parte), 0);
        QCOMPARE(parte.substr(parte.size() - 2), std::string("\r\n"));
        QCOMPARE(static_cast<std::int64_t>(std::count(parte.begin(), parte.end(), '\n')), detenida.load());
    }
};

QTEST_MAIN(PruebaVentanasArchivos)
#include "ventanas_archivos_test.moc"
