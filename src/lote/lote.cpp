#include "lote/lote.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <istream>
#include <map>
#include <new>
#include <optional>
#include <ostream>

#include "archivos/anexo.hpp"
#include "archivos/procesamiento.hpp"
#include "archivos/registro_punto.hpp"
#include "archivos/seleccion.hpp"
#include "archivos/transformacion_archivo.hpp"
#include "catalogos/carga.hpp"
#include "geodesia/dominio.hpp"
#include "geodesia/transformacion.hpp"
#include "textos/cita.hpp"
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
    "- (salida estándar). -- termina las opciones: lo que sigue son nombres de\n"
    "archivo aunque empiecen con -.\n"
    "\n"
    "Estado de salida: 0 terminado; 1 el cálculo se detuvo en un registro o no se\n"
    "pudo escribir (lo grabado antes queda, en renglones enteros); 2 pedido\n"
    "rechazado antes de escribir nada.\n";

// A request refused before anything is written; deuso when the words of the
// request are wrong, so the message points to the usage text.
struct Rechazo {
    std::string mensaje;
    bool deuso = false;
};

Rechazo deuso(std::string mensaje) { return {std::move(mensaje), true}; }
Rechazo rechazo(std::string mensaje) { return {std::move(mensaje), false}; }

void escribelinea(std::ostream& destino, const std::string& cp1252) { destino << autf8(cp1252) << '\n'; }

// A name typed on the command line, in the code page of the catalogues.
std::string nombrede(const std::string& utf8) {
    const auto t = deutf8(utf8);
    return t ? *t : std::string("\x01");  // a character no catalogue name holds
}

// A file name typed on the command line, quoted in a message.
std::string citaruta(const std::string& utf8) {
    const auto t = deutf8(utf8);
    return cita(t ? *t : utf8);
}

// Catalogue errors span two lines in a message box; on a terminal, one.
std::string enunrenglon(std::string m) {
    for (std::size_t p; (p = m.find("\r\n")) != std::string::npos;) m.replace(p, 2, " ");
    return m;
}

template <class T>
T cargado(Resultado<T> r) {
    if (!r.bien()) throw rechazo(enunrenglon(r.error().mensaje()));
    return std::move(r.valor());
}

// --- The words of the request ------------------------------------------------

struct Orden {
    std::string comando;
    std::map<std::string, std::string> opciones;
    std::vector<std::string> archivos;
    bool ayuda = false;

    bool tiene(const std::string& opcion) const { return opciones.count(opcion) > 0; }
    const std::string& valor(const std::string& opcion) const {
        const auto v = opciones.find(opcion);
        if (v == opciones.end()) throw deuso("falta --" + opcion);
        return v->second;
    }
};

// A named option "--nombre VALOR" or "--nombre=VALOR" at argumentos[i].
void leeopcion(const std::vector<std::string>& argumentos, std::size_t& i, Orden& o) {
    static const std::vector<std::string> conocidas = {"carpeta", "datos", "elipsoide", "rep",
                                                       "marco",   "columnas", "atributo"};
    const std::string& a = argumentos[i];
    std::string nombre = a.substr(2);
    std::optional<std::string> valor;
    if (const std::size_t igual = nombre.find('='); igual != std::string::npos) {
        valor = nombre.substr(igual + 1);
        nombre.erase(igual);
    }
    if (std::find(conocidas.begin(), conocidas.end(), nombre) == conocidas.end())
        throw deuso("opción desconocida: " + cita(a));
    if (!valor) {
        if (i + 1 >= argumentos.size()) throw deuso("falta el valor de --" + nombre);
        valor = argumentos[++i];
    }
    if (!o.opciones.emplace(nombre, *valor).second) throw deuso("la opción --" + nombre + " está repetida");
}

Orden leeorden(const std::vector<std::string>& argumentos) {
    Orden o;
    bool opciones = true;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (opciones && a == "--") {
            opciones = false;
        } else if (opciones && (a == "--ayuda" || a == "--help" || a == "-h")) {
            o.ayuda = true;
        } else if (opciones && a.size() > 2 && a.compare(0, 2, "--") == 0) {
            leeopcion(argumentos, i, o);
        } else if (opciones && a.size() > 1 && a[0] == '-') {
            throw deuso("opción desconocida: " + cita(a));
        } else if (o.comando.empty()) {
            o.comando = a;
        } else {
            o.archivos.push_back(a);
        }
    }
    return o;
}

// --- Catalogue entries ---------------------------------------------------------

// The entry named nombre of a catalogue, checked for the computation: an entry
// that loads but cannot be computed with is refused with its file and line.
template <class Entrada, class Valores>
const Entrada& busca(const std::vector<Entrada>& entradas, const std::string& nombre, const std::string& que,
                     const std::filesystem::path& carpeta, std::string_view archivo, Valores Entrada::*valores) {
    const std::string buscado = nombrede(nombre);
    for (const Entrada& e : entradas) {
        if (e.nombre != buscado) continue;
        if (const auto revision = dominio::revisa(e.*valores); !revision) {
            Error error = revision.error();
            error.archivo = archivo;
            error.ruta = (carpeta / archivo).string();
            error.linea = e.linea;
            throw rechazo(enunrenglon(error.mensaje()));
        }
        return e;
    }
    throw rechazo("no hay " + que + " \"" + cita(buscado) + "\" en " + (carpeta / archivo).string());
}

std::optional<std::size_t> columnapornombre(const std::string& pieza) {
    const std::string buscado = nombrede(pieza);
    for (std::size_t i = 0; i < nombrescolumnas.size(); ++i) {
        const std::string_view n = nombrescolumnas[i];
        if (n.size() == buscado.size() && std::equal(n.begin(), n.end(), buscado.begin(), [](char x, char y) {
                return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
            }))
            return i;
    }
    return std::nullopt;
}

std::size_t leecolumna(std::string pieza) {
    const std::size_t a = pieza.find_first_not_of(' ');
    pieza = a == std::string::npos ? std::string() : pieza.substr(a, pieza.find_last_not_of(' ') - a + 1);
    if (!pieza.empty() && std::all_of(pieza.begin(), pieza.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        if (pieza.size() > 3 || std::stoi(pieza) < 1 || std::stoi(pieza) > 15)
            throw rechazo("la columna " + pieza + " está fuera de 1 a 15");
        return static_cast<std::size_t>(std::stoi(pieza) - 1);
    }
    if (const auto columna = columnapornombre(pieza)) return *columna;
    throw rechazo("no hay una columna llamada \"" + cita(nombrede(pieza)) +
                  "\": use números del 1 al 15 o los nombres de las columnas");
}

std::vector<std::size_t> leecolumnas(const std::string& lista) {
    std::vector<std::size_t> columnas;
    for (std::size_t inicio = 0;;) {
        const std::size_t coma = lista.find(',', inicio);
        const std::size_t columna = leecolumna(lista.substr(inicio, coma == std::string::npos ? coma : coma - inicio));
        if (std::find(columnas.begin(), columnas.end(), columna) != columnas.end())
            throw rechazo("la columna " + std::to_string(columna + 1) + " (" + std::string(nombrescolumnas[columna]) +
                          ") está repetida");
        columnas.push_back(columna);
        if (coma == std::string::npos) return columnas;
        inicio = coma + 1;
    }
}

// --- The commands ----------------------------------------------------------------

using Corrida = std::function<Recuento(std::istream&, std::ostream&)>;

struct Comando {
    std::vector<std::string> opciones;  // those it takes besides --carpeta
    const char* archivos;               // the two files, as the usage names them
    const char* palabra;                // the count of the run
    const char* enelarchivo;            // the count of the output's lines
    Corrida (*prepara)(const Orden& o, const std::filesystem::path& carpeta);
};

Corrida preparaprocesar(const Orden& o, const std::filesystem::path& carpeta) {
    Proceso p;
    const std::string& modo = o.valor("datos");
    const std::string& nombreelipsoide = o.valor("elipsoide");
    if (modo == "geo") p.modo = ModoDatos::geodesicas;
    else if (modo == "car") p.modo = ModoDatos::cartesianas;
    else if (modo == "pla") p.modo = ModoDatos::planas;
    else throw deuso("--datos debe ser geo, car o pla, no " + cita(modo));
    if (p.modo == ModoDatos::planas && !o.tiene("rep"))
        throw deuso("con --datos pla hace falta --rep, la representación plana de los datos");
    const auto elipsoides = cargado(cargaelipsoides(carpeta));
    const auto& e = busca(elipsoides, nombreelipsoide, "un elipsoide llamado", carpeta, catalogoelipsoides.archivo,
                          &EntradaElipsoide::valores);
    p.elipsoide = e.valores;
    p.nombreelipsoide = e.nombre;
    if (o.tiene("rep")) {
        const auto representaciones = cargado(cargarepresentaciones(carpeta));
        const auto& r = busca(representaciones, o.valor("rep"), "una representación plana llamada", carpeta,
                              catalogorepresentaciones.archivo, &EntradaRepresentacion::valores);
        p.representacion = r.valores;
        p.nombrerepresentacion = r.nombre;
    }
    p.decimales = cargado(cargadecimales(carpeta));
    return [p](std::istream& d, std::ostream& r) { return procesa(d, r, p); };
}

Corrida preparatransformar(const Orden& o, const std::filesystem::path& carpeta) {
    const auto marcos = cargado(cargamarcos(carpeta));
    const auto& m = busca(marcos, o.valor("marco"), "un marco llamado", carpeta, catalogomarcos.archivo,
                          &EntradaMarco::parametros);
    const Transformacion t = cargatransf(m.parametros);
    const Decimales d = cargado(cargadecimales(carpeta));
    return [t, d](std::istream& e, std::ostream& r) { return transformaarchivo(e, r, t, d); };
}

Corrida preparacolumnas(const Orden& o, const std::filesystem::path&) {
    const auto columnas = leecolumnas(o.valor("columnas"));
    return [columnas](std::istream& e, std::ostream& r) { return seleccionacolumnas(e, r, columnas); };
}

Corrida preparaatributo(const Orden& o, const std::filesystem::path& carpeta) {
    const std::string buscado = nombrede(o.valor("atributo"));
    const auto atributos = cargado(cargaatributos(carpeta));
    if (std::find(atributos.begin(), atributos.end(), buscado) == atributos.end())
        throw rechazo("no hay un atributo llamado \"" + cita(buscado) + "\" en " +
                      (carpeta / catalogoatributos.archivo).string());
    return [buscado](std::istream& e, std::ostream& r) { return seleccionaatributo(e, r, buscado); };
}

const std::map<std::string, Comando> comandos = {
    {"procesar", {{"datos", "elipsoide", "rep"}, "DATOS y RESULTADOS", " puntos calculados",
                  " puntos en el archivo de resultados", preparaprocesar}},
    {"transformar", {{"marco"}, "DATOS y RESULTADOS", " puntos calculados", " puntos en el archivo",
                     preparatransformar}},
    {"columnas", {{"columnas"}, "COMPLETO y GENERADO", " puntos generados", " puntos en el archivo de resultados",
                  preparacolumnas}},
    {"atributo", {{"atributo"}, "COMPLETO y GENERADO", " puntos generados", " puntos en el archivo de resultados",
                  preparaatributo}},
};

const Comando& comandode(const Orden& o) {
    const auto c = comandos.find(o.comando);
    if (c == comandos.end()) throw deuso("orden desconocida: " + cita(o.comando));
    return c->second;
}

void revisapalabras(const Orden& o, const Comando& c) {
    for (const auto& [nombre, valor] : o.opciones)
        if (nombre != "carpeta" && std::find(c.opciones.begin(), c.opciones.end(), nombre) == c.opciones.end())
            throw deuso("la opción --" + nombre + " no corresponde a " + o.comando);
    if (o.archivos.size() != 2)
        throw deuso("se esperan dos archivos, " + std::string(c.archivos) + ", y se dieron " +
                    std::to_string(o.archivos.size()));
}

std::filesystem::path carpetade(const Orden& o, const std::filesystem::path& carpetaprograma) {
    if (!o.tiene("carpeta")) return carpetaprograma;
    const std::filesystem::path carpeta = o.valor("carpeta");
    std::error_code ec;
    if (!std::filesystem::is_directory(carpeta, ec))
        throw rechazo("no existe la carpeta de catálogos " + citaruta(carpeta.string()));
    return carpeta;
}

// --- The files -------------------------------------------------------------------

// A file as the system knows it: two names of the same file (links, or a
// name and a descriptor) have the same device and inode.
struct Identidad {
    dev_t dispositivo = 0;
    ino_t nodo = 0;
    bool conocida = false;
    bool operator==(const Identidad& o) const {
        return conocida && o.conocida && dispositivo == o.dispositivo && nodo == o.nodo;
    }
};

Identidad identidad(const struct stat& s) { return {s.st_dev, s.st_ino, true}; }
Identidad identidadde(const std::string& ruta) {
    struct stat s {};
    return ::stat(ruta.c_str(), &s) == 0 ? identidad(s) : Identidad{};
}
Identidad identidadde(int descriptor) {
    struct stat s {};
    return descriptor >= 0 && ::fstat(descriptor, &s) == 0 ? identidad(s) : Identidad{};
}

// The files of one run: the input open, the output checked and opened last.
struct Archivos {
    std::ifstream archivoentrada;
    std::istream* entrada = nullptr;
    std::unique_ptr<Anexo> anexo;
    std::ostream* salida = nullptr;
};

Identidad abreentrada(const std::string& datos, const Consola& c, Archivos& a) {
    if (datos == "-") {
        a.entrada = &c.entrada;
        return identidadde(c.descriptorentrada);
    }
    std::error_code ec;
    if (!std::filesystem::exists(datos, ec)) throw rechazo("no existe el archivo de datos " + citaruta(datos));
    if (std::filesystem::is_directory(datos, ec))
        throw rechazo(citaruta(datos) + " es una carpeta, no un archivo de datos");
    a.archivoentrada.open(datos, std::ios::binary);
    if (!a.archivoentrada) throw rechazo("no se puede leer el archivo de datos " + citaruta(datos));
    a.entrada = &a.archivoentrada;
    return identidadde(datos);
}

// Everything that would make the output wrong is refused before it is
// opened: nothing is created or written when a check fails.
void abresalida(const std::string& resultados, const Identidad& entrada, const std::filesystem::path& carpeta,
                const Consola& c, Archivos& a) {
    const Identidad salidaestandar = identidadde(c.descriptorsalida);
    const Identidad destino = resultados == "-" ? salidaestandar : identidadde(resultados);
    if (destino == entrada)
        throw rechazo("el archivo de datos y el de resultados son el mismo: " +
                      (resultados == "-" ? std::string("la salida estándar") : citaruta(resultados)));
    if (resultados == "-" || destino == salidaestandar) {
        a.salida = &c.salida;
        return;
    }
    if (escatalogo(resultados, carpeta))
        throw rechazo(citaruta(resultados) + " es un catálogo del programa: los resultados van a otro archivo");
    auto anexo = Anexo::abre(resultados);
    if (!anexo) throw rechazo("el archivo de resultados " + citaruta(resultados) + " " + anexo.error().motivo);
    a.anexo = std::move(*anexo);
    a.salida = a.anexo.get();
}

// --- The run -----------------------------------------------------------------------

int informa(const std::string& comando, const Comando& c, Archivos& a, Recuento r, std::ostream& errores) {
    if (a.anexo) {
        r.lineasarchivo = a.anexo->lineas();
        if (!a.anexo->cierra() && r.estado != Estado::fallo) {
            r.estado = Estado::fallo;
            r.mensaje = "No se puede escribir el archivo de resultados: " + a.anexo->motivofalla() + ".";
        }
    }
    if (r.marcautf8)
        escribelinea(errores, comando + ": aviso: el archivo empieza con la marca de orden de bytes de UTF-8 "
                                        "(EF BB BF), que se pasó por alto");
    if (r.desfase > 0)
        escribelinea(errores, comando + ": aviso: el registro " + std::to_string(r.desfase) + " (renglón " +
                                  std::to_string(r.lineadesfase) +
                                  ") no ocupa un renglón entero: sus campos se tomaron de donde estaban y los "
                                  "registros que siguen pueden estar corridos");
    if (r.estado == Estado::fallo) escribelinea(errores, comando + ": " + r.mensaje);
    escribelinea(errores, "---> " + textoconsigno(static_cast<double>(r.registros)) + c.palabra);
    if (r.lineasarchivo)
        escribelinea(errores, "---> " + textoconsigno(static_cast<double>(*r.lineasarchivo)) + c.enelarchivo);
    return r.estado == Estado::fallo ? 1 : 0;
}

int ejecuta(const std::vector<std::string>& argumentos, Consola& consola, const std::filesystem::path& carpetaprograma,
            std::string& comando) {
    const Orden o = leeorden(argumentos);
    if (o.ayuda || argumentos.empty()) {
        consola.salida << autf8(uso);
        return argumentos.empty() ? 2 : 0;
    }
    const Comando& c = comandode(o);
    comando += " " + o.comando;
    revisapalabras(o, c);
    const std::filesystem::path carpeta = carpetade(o, carpetaprograma);
    const Corrida corrida = c.prepara(o, carpeta);
    Archivos a;
    const Identidad entrada = abreentrada(o.archivos[0], consola, a);
    abresalida(o.archivos[1], entrada, carpeta, consola, a);
    return informa(comando, c, a, corrida(*a.entrada, *a.salida), consola.errores);
}

}  // namespace

int ejecutalote(const std::vector<std::string>& argumentos, Consola consola,
                const std::filesystem::path& carpetaprograma) {
    std::string comando = "rumbal-lote";
    try {
        return ejecuta(argumentos, consola, carpetaprograma, comando);
    } catch (const Rechazo& rechazo) {
        escribelinea(consola.errores, comando + ": " + rechazo.mensaje +
                                          (rechazo.deuso ? " (rumbal-lote --ayuda muestra el uso)" : ""));
        return 2;
    } catch (const std::bad_alloc&) {
        escribelinea(consola.errores, comando + ": no alcanza la memoria");
        return 1;
    } catch (const std::exception& e) {
        escribelinea(consola.errores, comando + ": error interno: " + cita(e.what()));
        return 1;
    }
}

}  // namespace rumbal
