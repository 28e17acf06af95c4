#include "lote/lote.hpp"

#include <algorithm>
#include <fstream>
#include <istream>
#include <map>
#include <optional>
#include <ostream>

#include "archivos/procesamiento.hpp"
#include "archivos/registro_punto.hpp"
#include "archivos/seleccion.hpp"
#include "archivos/transformacion_archivo.hpp"
#include "catalogos/carga.hpp"
#include "geodesia/transformacion.hpp"
#include "textos/codigo_1252.hpp"
#include "textos/lector_campos.hpp"
#include "textos/numero_texto.hpp"

namespace rumbal {

namespace {

const char* const uso =
    "Uso:\n"
    "  rumbal-lote [--carpeta DIR] procesar --datos geo|car|pla --elipsoide NOMBRE [--rep NOMBRE] DATOS RESULTADOS\n"
    "  rumbal-lote [--carpeta DIR] transformar --marco NOMBRE DATOS RESULTADOS\n"
    "  rumbal-lote columnas --columnas LISTA COMPLETO GENERADO\n"
    "  rumbal-lote [--carpeta DIR] atributo --atributo NOMBRE COMPLETO GENERADO\n"
    "\n"
    "procesar     calcula cada punto de un archivo de coordenadas geodésicas (geo: punto,\n"
    "             atributo, B, L, h), cartesianas geocéntricas (car: punto, atributo, x, y, z)\n"
    "             o planas (pla: punto, atributo, X, Y) y agrega un renglón de quince campos\n"
    "             por punto al archivo completo RESULTADOS. Sin --rep (geo y car) no se\n"
    "             calculan las coordenadas planas; en pla --rep es obligatoria.\n"
    "transformar  transforma las coordenadas x, y, z de cada punto del marco NOMBRE al otro\n"
    "             marco del par de marref.txt.\n"
    "columnas     copia de cada punto de un archivo completo las columnas de LISTA, en ese\n"
    "             orden: números del 1 al 15 o nombres de columna separados por comas\n"
    "             (por ejemplo 1,10,9 o \"Punto,Y plana,X plana\").\n"
    "atributo     copia los puntos cuyo atributo es exactamente NOMBRE.\n"
    "\n"
    "DIR es la carpeta de los cinco catálogos (elipsoide.txt, parametros.txt,\n"
    "atributos.txt, varios.txt, marref.txt); si se omite, la carpeta del programa.\n"
    "Los decimales salen de varios.txt. Los resultados se agregan al final del\n"
    "archivo, nunca se lo trunca. DATOS puede ser - (entrada estándar) y RESULTADOS\n"
    "- (salida estándar).\n"
    "\n"
    "Estado de salida: 0 terminado; 1 el cálculo se detuvo en un registro (lo\n"
    "grabado antes queda); 2 pedido rechazado antes de escribir nada.\n";

// A request refused before anything is written; deuso when the words of the
// request are wrong, so the message points to the usage text.
struct Rechazo {
    std::string mensaje;
    bool deuso = false;
};

Rechazo deuso(std::string mensaje) { return {std::move(mensaje), true}; }
Rechazo rechazo(std::string mensaje) { return {std::move(mensaje), false}; }

void escribelinea(std::ostream& destino, const std::string& cp1252) { destino << autf8(cp1252) << '\n'; }

struct Orden {
    std::string comando;
    std::map<std::string, std::string> opciones;
    std::vector<std::string> archivos;
    bool ayuda = false;
};

const std::map<std::string, std::vector<std::string>> opcionesdecomando = {
    {"procesar", {"datos", "elipsoide", "rep"}},
    {"transformar", {"marco"}},
    {"columnas", {"columnas"}},
    {"atributo", {"atributo"}},
};

Orden leeorden(const std::vector<std::string>& argumentos) {
    Orden o;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a == "--ayuda" || a == "-h") {
            o.ayuda = true;
        } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            std::string nombre = a.substr(2);
            std::optional<std::string> valor;
            if (const std::size_t igual = nombre.find('='); igual != std::string::npos) {
                valor = nombre.substr(igual + 1);
                nombre.erase(igual);
            }
            const bool conocida = nombre == "carpeta" || std::any_of(opcionesdecomando.begin(), opcionesdecomando.end(),
                                                                      [&](const auto& c) {
                                                                          return std::find(c.second.begin(), c.second.end(), nombre) != c.second.end();
                                                                      });
            if (!conocida) throw deuso("opción desconocida: " + a);
            if (!valor) {
                if (i + 1 >= argumentos.size()) throw deuso("falta el valor de --" + nombre);
                valor = argumentos[++i];
            }
            if (!o.opciones.emplace(nombre, *valor).second) throw deuso("la opción --" + nombre + " está repetida");
        } else if (a.size() > 1 && a[0] == '-') {
            throw deuso("opción desconocida: " + a);
        } else if (o.comando.empty()) {
            o.comando = a;
        } else {
            o.archivos.push_back(a);
        }
    }
    return o;
}

// A name typed on the command line, in the code page of the catalogues.
std::string nombrede(const std::string& utf8) {
    const auto t = deutf8(utf8);
    return t ? *t : std::string("\x01");  // a character no catalogue name holds
}

template <class T>
T cargado(Resultado<T> r) {
    if (!r.bien()) {
        std::string m = r.error().mensaje();
        for (std::size_t p; (p = m.find("\r\n")) != std::string::npos;) m.replace(p, 2, " ");
        throw rechazo(m);
    }
    return std::move(r.valor());
}

template <class Entrada>
const Entrada& busca(const std::vector<Entrada>& entradas, const std::string& nombre, const std::string& que,
                     const std::filesystem::path& carpeta, std::string_view archivo) {
    const std::string buscado = nombrede(nombre);
    for (const Entrada& e : entradas)
        if (e.nombre == buscado) return e;
    throw rechazo("no hay " + que + " llamado \"" + buscado + "\" en " + (carpeta / archivo).string());
}

std::vector<std::size_t> leecolumnas(const std::string& lista) {
    std::vector<std::size_t> columnas;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t coma = lista.find(',', inicio);
        std::string pieza = lista.substr(inicio, coma == std::string::npos ? std::string::npos : coma - inicio);
        const std::size_t a = pieza.find_first_not_of(' ');
        pieza = a == std::string::npos ? std::string() : pieza.substr(a, pieza.find_last_not_of(' ') - a + 1);
        std::optional<std::size_t> columna;
        if (!pieza.empty() && std::all_of(pieza.begin(), pieza.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            if (pieza.size() > 3 || std::stoi(pieza) < 1 || std::stoi(pieza) > 15)
                throw rechazo("la columna " + pieza + " está fuera de 1 a 15");
            columna = static_cast<std::size_t>(std::stoi(pieza) - 1);
        } else {
            const std::string buscado = nombrede(pieza);
            for (std::size_t i = 0; i < nombrescolumnas.size(); ++i) {
                const std::string_view n = nombrescolumnas[i];
                if (n.size() == buscado.size() &&
                    std::equal(n.begin(), n.end(), buscado.begin(), [](char x, char y) {
                        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
                    }))
                    columna = i;
            }
            if (!columna)
                throw rechazo("no hay una columna llamada \"" + buscado +
                              "\": use números del 1 al 15 o los nombres de las columnas");
        }
        if (std::find(columnas.begin(), columnas.end(), *columna) != columnas.end())
            throw rechazo("la columna " + std::to_string(*columna + 1) + " (" + std::string(nombrescolumnas[*columna]) +
                          ") está repetida");
        columnas.push_back(*columna);
        if (coma == std::string::npos) break;
        inicio = coma + 1;
    }
    return columnas;
}

void exige(const Orden& o, const std::string& opcion) {
    if (!o.opciones.count(opcion)) throw deuso("falta --" + opcion);
}

// The files of one run: the input open, the output about to be opened.
struct Archivos {
    std::ifstream archivoentrada;
    std::istream* entrada = nullptr;
    std::string rutaresultados;
};

Archivos abreentrada(const Orden& o, Consola& c) {
    Archivos a;
    const std::string& datos = o.archivos[0];
    a.rutaresultados = o.archivos[1];
    if (datos == "-") {
        a.entrada = &c.entrada;
    } else {
        std::error_code ec;
        if (!std::filesystem::exists(datos, ec)) throw rechazo("no existe el archivo de datos " + datos);
        if (std::filesystem::is_directory(datos, ec)) throw rechazo(datos + " es una carpeta, no un archivo de datos");
        a.archivoentrada.open(datos, std::ios::binary);
        if (!a.archivoentrada) throw rechazo("no se puede leer el archivo de datos " + datos);
        if (a.rutaresultados != "-" && std::filesystem::exists(a.rutaresultados, ec) &&
            std::filesystem::equivalent(datos, a.rutaresultados, ec))
            throw rechazo("el archivo de datos y el de resultados son el mismo: " + datos);
        a.entrada = &a.archivoentrada;
    }
    if (a.rutaresultados != "-" && std::filesystem::is_directory(a.rutaresultados))
        throw rechazo(a.rutaresultados + " es una carpeta, no un archivo de resultados");
    return a;
}

}  // namespace

int ejecutalote(const std::vector<std::string>& argumentos, Consola consola,
                const std::filesystem::path& carpetaprograma) {
    std::string comando = "rumbal-lote";
    try {
        const Orden o = leeorden(argumentos);
        if (o.ayuda || argumentos.empty()) {
            consola.salida << autf8(uso);
            return argumentos.empty() ? 2 : 0;
        }
        const auto permitidas = opcionesdecomando.find(o.comando);
        if (permitidas == opcionesdecomando.end()) throw deuso("orden desconocida: " + o.comando);
        comando += " " + o.comando;
        for (const auto& [nombre, valor] : o.opciones)
            if (nombre != "carpeta" &&
                std::find(permitidas->second.begin(), permitidas->second.end(), nombre) == permitidas->second.end())
                throw deuso("la opción --" + nombre + " no corresponde a " + o.comando);
        if (o.archivos.size() != 2)
            throw deuso("se esperan dos archivos, " +
                          std::string(o.comando == "procesar" || o.comando == "transformar" ? "DATOS y RESULTADOS"
                                                                                            : "COMPLETO y GENERADO") +
                          ", y se dieron " + std::to_string(o.archivos.size()));
        const std::filesystem::path carpeta = o.opciones.count("carpeta") ? std::filesystem::path(o.opciones.at("carpeta"))
                                                                           : carpetaprograma;

        // Everything is checked before the results file is touched.
        std::function<Recuento(std::istream&, std::ostream&)> corrida;
        std::string palabra = " puntos calculados";
        std::string enelarchivo = " puntos en el archivo de resultados";
        if (o.comando == "procesar") {
            exige(o, "datos");
            exige(o, "elipsoide");
            Proceso p;
            const std::string& modo = o.opciones.at("datos");
            if (modo == "geo") p.modo = ModoDatos::geodesicas;
            else if (modo == "car") p.modo = ModoDatos::cartesianas;
            else if (modo == "pla") p.modo = ModoDatos::planas;
            else throw deuso("--datos debe ser geo, car o pla, no " + modo);
            if (p.modo == ModoDatos::planas && !o.opciones.count("rep"))
                throw deuso("con --datos pla hace falta --rep, la representación plana de los datos");
            const auto elipsoides = cargado(cargaelipsoides(carpeta));
            const auto& e = busca(elipsoides, o.opciones.at("elipsoide"), "un elipsoide", carpeta, catalogoelipsoides.archivo);
            p.elipsoide = e.valores;
            p.nombreelipsoide = e.nombre;
            if (o.opciones.count("rep")) {
                const auto representaciones = cargado(cargarepresentaciones(carpeta));
                const auto& r = busca(representaciones, o.opciones.at("rep"), "una representación plana", carpeta,
                                      catalogorepresentaciones.archivo);
                p.representacion = r.valores;
                p.nombrerepresentacion = r.nombre;
            }
            p.decimales = cargado(cargadecimales(carpeta));
            corrida = [p](std::istream& d, std::ostream& r) { return procesa(d, r, p); };
        } else if (o.comando == "transformar") {
            exige(o, "marco");
            const auto marcos = cargado(cargamarcos(carpeta));
            const auto& m = busca(marcos, o.opciones.at("marco"), "un marco", carpeta, catalogomarcos.archivo);
            const Transformacion t = cargatransf(m.parametros);
            const Decimales d = cargado(cargadecimales(carpeta));
            corrida = [t, d](std::istream& e, std::ostream& r) { return transformaarchivo(e, r, t, d); };
            enelarchivo = " puntos en el archivo";
        } else if (o.comando == "columnas") {
            exige(o, "columnas");
            const auto columnas = leecolumnas(o.opciones.at("columnas"));
            corrida = [columnas](std::istream& e, std::ostream& r) { return seleccionacolumnas(e, r, columnas); };
            palabra = " puntos generados";
        } else {
            exige(o, "atributo");
            const auto atributos = cargado(cargaatributos(carpeta));
            const std::string buscado = nombrede(o.opciones.at("atributo"));
            if (std::find(atributos.begin(), atributos.end(), buscado) == atributos.end())
                throw rechazo("no hay un atributo llamado \"" + buscado + "\" en " +
                              (carpeta / catalogoatributos.archivo).string());
            corrida = [buscado](std::istream& e, std::ostream& r) { return seleccionaatributo(e, r, buscado); };
            palabra = " puntos generados";
        }

        Archivos a = abreentrada(o, consola);
        Recuento r;
        const bool asalida = a.rutaresultados == "-";
        if (asalida) {
            r = corrida(*a.entrada, consola.salida);
        } else {
            std::ofstream resultados(a.rutaresultados, std::ios::binary | std::ios::app);
            if (!resultados) throw rechazo("no se puede abrir el archivo de resultados " + a.rutaresultados);
            r = corrida(*a.entrada, resultados);
        }
        if (a.archivoentrada.is_open()) a.archivoentrada.close();
        if (r.estado == Estado::fallo) escribelinea(consola.errores, comando + ": " + r.mensaje);
        escribelinea(consola.errores, "---> " + textoconsigno(static_cast<double>(r.registros)) + palabra);
        if (!asalida) {
            const auto lineas = cuentalineas(a.rutaresultados);
            if (lineas) escribelinea(consola.errores, "---> " + textoconsigno(static_cast<double>(*lineas)) + enelarchivo);
        }
        return r.estado == Estado::fallo ? 1 : 0;
    } catch (const Rechazo& rechazo) {
        escribelinea(consola.errores, comando + ": " + rechazo.mensaje +
                                          (rechazo.deuso ? " (rumbal-lote --ayuda muestra el uso)" : ""));
        return 2;
    }
}

}  // namespace rumbal
