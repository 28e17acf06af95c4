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

// A request refused before anything is written. When the words of the
// request are wrong the message points to the usage text.
Error rechazo(std::string mensaje) { return falla(std::move(mensaje)); }
Error deuso(std::string mensaje) { return rechazo(std::move(mensaje) + " (rumbal-lote --ayuda muestra el uso)"); }

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

// A catalogue's error as a refusal of the request.
Error rechazode(const Error& e) { return rechazo(enunrenglon(e.mensaje())); }

// --- The words of the request ------------------------------------------------

struct Orden {
    std::string comando;
    std::map<std::string, std::string> opciones;
    std::vector<std::string> archivos;
    bool ayuda = false;

    bool tiene(const std::string& opcion) const { return opciones.count(opcion) > 0; }
    Resultado<std::string> valor(const std::string& opcion) const {
        const auto v = opciones.find(opcion);
        if (v == opciones.end()) return deuso("falta --" + opcion);
        return v->second;
    }
};

// A named option "--nombre VALOR" or "--nombre=VALOR" at argumentos[i].
Resultado<void> leeopcion(const std::vector<std::string>& argumentos, std::size_t& i, Orden& o) {
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
        return deuso("opción desconocida: " + cita(a));
    if (!valor) {
        if (i + 1 >= argumentos.size()) return deuso("falta el valor de --" + nombre);
        valor = argumentos[++i];
    }
    if (!o.opciones.emplace(nombre, *valor).second) return deuso("la opción --" + nombre + " está repetida");
    return {};
}

Resultado<Orden> leeorden(const std::vector<std::string>& argumentos) {
    Orden o;
    bool opciones = true;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (opciones && a == "--") {
            opciones = false;
        } else if (opciones && (a == "--ayuda" || a == "--help" || a == "-h")) {
            o.ayuda = true;
        } else if (opciones && a.size() > 2 && a.compare(0, 2, "--") == 0) {
            if (auto leida = leeopcion(argumentos, i, o); !leida) return leida.error();
        } else if (opciones && a.size() > 1 && a[0] == '-') {
            return deuso("opción desconocida: " + cita(a));
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
Resultado<Entrada> busca(const std::vector<Entrada>& entradas, const std::string& nombre, const std::string& que,
                     const std::filesystem::path& carpeta, std::string_view archivo, Valores Entrada::*valores) {
    const std::string buscado = nombrede(nombre);
    for (const Entrada& e : entradas) {
        if (e.nombre != buscado) continue;
        if (const auto revision = dominio::revisa(e.*valores); !revision) {
            Error error = revision.error();
            error.archivo = archivo;
            error.ruta = (carpeta / archivo).string();
            error.linea = e.linea;
            return rechazode(error);
        }
        return e;
    }
    return rechazo("no hay " + que + " \"" + cita(buscado) + "\" en " + (carpeta / archivo).string());
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

Resultado<std::size_t> leecolumna(std::string pieza) {
    const std::size_t a = pieza.find_first_not_of(' ');
    pieza = a == std::string::npos ? std::string() : pieza.substr(a, pieza.find_last_not_of(' ') - a + 1);
    if (!pieza.empty() && std::all_of(pieza.begin(), pieza.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        if (pieza.size() > 3 || std::stoi(pieza) < 1 || std::stoi(pieza) > 15)
            return rechazo("la columna " + pieza + " está fuera de 1 a 15");
        return static_cast<std::size_t>(std::stoi(pieza) - 1);
    }
    if (const auto columna = columnapornombre(pieza)) return *columna;
    return rechazo("no hay una columna llamada \"" + cita(nombrede(pieza)) +
                  "\": use números del 1 al 15 o los nombres de las columnas");
}

Resultado<std::vector<std::size_t>> leecolumnas(const std::string& lista) {
    std::vector<std::size_t> columnas;
    for (std::size_t inicio = 0;;) {
        const std::size_t coma = lista.find(',', inicio);
        const auto leida = leecolumna(lista.substr(inicio, coma == std::string::npos ? coma : coma - inicio));
        if (!leida) return leida.error();
        const std::size_t columna = *leida;
        if (std::find(columnas.begin(), columnas.end(), columna) != columnas.end())
            return rechazo("la columna " + std::to_string(columna + 1) + " (" + std::string(nombrescolumnas[columna]) +
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
    Resultado<Corrida> (*prepara)(const Orden& o, const std::filesystem::path& carpeta);
};

// The options' values, or the first one missing.
Resultado<std::vector<std::string>> valores(const Orden& o, std::initializer_list<const char*> nombres) {
    std::vector<std::string> v;
    for (const char* nombre : nombres) {
        auto valor = o.valor(nombre);
        if (!valor) return valor.error();
        v.push_back(std::move(*valor));
    }
    return v;
}

Resultado<ModoDatos> mododatos(const Orden& o, const std::string& modo) {
    if (modo != "geo" && modo != "car" && modo != "pla") return deuso("--datos debe ser geo, car o pla, no " + cita(modo));
    if (modo == "pla" && !o.tiene("rep"))
        return deuso("con --datos pla hace falta --rep, la representación plana de los datos");
    return modo == "geo" ? ModoDatos::geodesicas : (modo == "car" ? ModoDatos::cartesianas : ModoDatos::planas);
}

Resultado<Corrida> preparaprocesar(const Orden& o, const std::filesystem::path& carpeta) {
    const auto v = valores(o, {"datos", "elipsoide"});
    if (!v) return v.error();
    const auto modo = mododatos(o, (*v)[0]);
    if (!modo) return modo.error();
    Proceso p;
    p.modo = *modo;
    const auto elipsoides = cargaelipsoides(carpeta);
    if (!elipsoides) return rechazode(elipsoides.error());
    const auto e = busca(*elipsoides, (*v)[1], "un elipsoide llamado", carpeta, catalogoelipsoides.archivo,
                         &EntradaElipsoide::valores);
    if (!e) return e.error();
    p.elipsoide = e->valores;
    p.nombreelipsoide = e->nombre;
    if (o.tiene("rep")) {
        const auto representaciones = cargarepresentaciones(carpeta);
        if (!representaciones) return rechazode(representaciones.error());
        const auto r = busca(*representaciones, o.opciones.at("rep"), "una representación plana llamada", carpeta,
                             catalogorepresentaciones.archivo, &EntradaRepresentacion::valores);
        if (!r) return r.error();
        p.representacion = r->valores;
        p.nombrerepresentacion = r->nombre;
    }
    const auto decimales = cargadecimales(carpeta);
    if (!decimales) return rechazode(decimales.error());
    p.decimales = *decimales;
    return Corrida([p](std::istream& d, std::ostream& r) { return procesa(d, r, p); });
}

Resultado<Corrida> preparatransformar(const Orden& o, const std::filesystem::path& carpeta) {
    const auto nombre = o.valor("marco");
    if (!nombre) return nombre.error();
    const auto marcos = cargamarcos(carpeta);
    if (!marcos) return rechazode(marcos.error());
    const auto m = busca(*marcos, *nombre, "un marco llamado", carpeta, catalogomarcos.archivo, &EntradaMarco::parametros);
    if (!m) return m.error();
    const auto decimales = cargadecimales(carpeta);
    if (!decimales) return rechazode(decimales.error());
    return Corrida([t = cargatransf(m->parametros), d = *decimales](std::istream& e, std::ostream& r) {
        return transformaarchivo(e, r, t, d);
    });
}

Resultado<Corrida> preparacolumnas(const Orden& o, const std::filesystem::path&) {
    const auto lista = o.valor("columnas");
    if (!lista) return lista.error();
    const auto columnas = leecolumnas(*lista);
    if (!columnas) return columnas.error();
    return Corrida([c = *columnas](std::istream& e, std::ostream& r) { return seleccionacolumnas(e, r, c); });
}

Resultado<Corrida> preparaatributo(const Orden& o, const std::filesystem::path& carpeta) {
    const auto nombre = o.valor("atributo");
    if (!nombre) return nombre.error();
    const std::string buscado = nombrede(*nombre);
    const auto atributos = cargaatributos(carpeta);
    if (!atributos) return rechazode(atributos.error());
    if (std::find(atributos->begin(), atributos->end(), buscado) == atributos->end())
        return rechazo("no hay un atributo llamado \"" + cita(buscado) + "\" en " +
                       (carpeta / catalogoatributos.archivo).string());
    return Corrida([buscado](std::istream& e, std::ostream& r) { return seleccionaatributo(e, r, buscado); });
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

const Comando* comandode(const Orden& o) {
    const auto c = comandos.find(o.comando);
    return c == comandos.end() ? nullptr : &c->second;
}

Resultado<void> revisapalabras(const Orden& o, const Comando& c) {
    for (const auto& [nombre, valor] : o.opciones)
        if (nombre != "carpeta" && std::find(c.opciones.begin(), c.opciones.end(), nombre) == c.opciones.end())
            return deuso("la opción --" + nombre + " no corresponde a " + o.comando);
    if (o.archivos.size() != 2)
        return deuso("se esperan dos archivos, " + std::string(c.archivos) + ", y se dieron " +
                     std::to_string(o.archivos.size()));
    return {};
}

Resultado<std::filesystem::path> carpetade(const Orden& o, const std::filesystem::path& carpetaprograma) {
    if (!o.tiene("carpeta")) return carpetaprograma;
    const std::filesystem::path carpeta = o.opciones.at("carpeta");
    std::error_code ec;
    if (!std::filesystem::is_directory(carpeta, ec))
        return rechazo("no existe la carpeta de catálogos " + citaruta(carpeta.string()));
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

Resultado<Identidad> abreentrada(const std::string& datos, const Consola& c, Archivos& a) {
    if (datos == "-") {
        a.entrada = &c.entrada;
        return identidadde(c.descriptorentrada);
    }
    std::error_code ec;
    if (!std::filesystem::exists(datos, ec)) return rechazo("no existe el archivo de datos " + citaruta(datos));
    if (std::filesystem::is_directory(datos, ec))
        return rechazo(citaruta(datos) + " es una carpeta, no un archivo de datos");
    a.archivoentrada.open(datos, std::ios::binary);
    if (!a.archivoentrada) return rechazo("no se puede leer el archivo de datos " + citaruta(datos));
    a.entrada = &a.archivoentrada;
    return identidadde(datos);
}

// Everything that would make the output wrong is refused before it is
// opened: nothing is created or written when a check fails.
Resultado<void> abresalida(const std::string& resultados, const Identidad& entrada, const std::filesystem::path& carpeta,
                const Consola& c, Archivos& a) {
    const Identidad salidaestandar = identidadde(c.descriptorsalida);
    const Identidad destino = resultados == "-" ? salidaestandar : identidadde(resultados);
    if (destino == entrada)
        return rechazo("el archivo de datos y el de resultados son el mismo: " +
                      (resultados == "-" ? std::string("la salida estándar") : citaruta(resultados)));
    if (resultados == "-" || destino == salidaestandar) {
        a.salida = &c.salida;
        return {};
    }
    if (escatalogo(resultados, carpeta))
        return rechazo(citaruta(resultados) + " es un catálogo del programa: los resultados van a otro archivo");
    auto anexo = Anexo::abre(resultados);
    if (!anexo) return rechazo("el archivo de resultados " + citaruta(resultados) + " " + anexo.error().motivo);
    a.anexo = std::move(*anexo);
    a.salida = a.anexo.get();
    return {};
}

// --- The run -----------------------------------------------------------------------

int informa(const std::string& comando, const Comando& c, Archivos& a, Recuento r, std::ostream& errores) {
    if (a.anexo) cierraresultados(*a.anexo, r);
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

// What the request asks for, checked: the command, the catalogue folder and
// the run, prepared; the files, open.
struct Pedido {
    const Comando* comando = nullptr;
    Corrida corrida;
    Archivos archivos;
};

Resultado<void> preparapedido(const Orden& o, const Consola& consola, const std::filesystem::path& carpetaprograma,
                              Pedido& p) {
    if (auto r = revisapalabras(o, *p.comando); !r) return r;
    const auto carpeta = carpetade(o, carpetaprograma);
    if (!carpeta) return carpeta.error();
    auto corrida = p.comando->prepara(o, *carpeta);
    if (!corrida) return corrida.error();
    p.corrida = std::move(*corrida);
    const auto entrada = abreentrada(o.archivos[0], consola, p.archivos);
    if (!entrada) return entrada.error();
    return abresalida(o.archivos[1], *entrada, *carpeta, consola, p.archivos);
}

int rechaza(const std::string& comando, const Error& e, std::ostream& errores) {
    escribelinea(errores, comando + ": " + e.motivo);
    return 2;
}

int ejecuta(const std::vector<std::string>& argumentos, Consola& consola, const std::filesystem::path& carpetaprograma) {
    std::string comando = "rumbal-lote";
    const auto o = leeorden(argumentos);
    if (!o) return rechaza(comando, o.error(), consola.errores);
    if (o->ayuda || argumentos.empty()) {
        consola.salida << autf8(uso);
        return argumentos.empty() ? 2 : 0;
    }
    Pedido p;
    p.comando = comandode(*o);
    if (!p.comando) return rechaza(comando, deuso("orden desconocida: " + cita(o->comando)), consola.errores);
    comando += " " + o->comando;
    if (auto r = preparapedido(*o, consola, carpetaprograma, p); !r) return rechaza(comando, r.error(), consola.errores);
    Recuento r = p.corrida(*p.archivos.entrada, *p.archivos.salida);
    return informa(comando, *p.comando, p.archivos, std::move(r), consola.errores);
}

}  // namespace

int ejecutalote(const std::vector<std::string>& argumentos, Consola consola,
                const std::filesystem::path& carpetaprograma) {
    // Exceptions are what cannot be handled where they happen: memory
    // exhausted, a library's own failure. They end the run with a message.
    try {
        return ejecuta(argumentos, consola, carpetaprograma);
    } catch (const std::bad_alloc&) {
        escribelinea(consola.errores, "rumbal-lote: no alcanza la memoria");
        return 1;
    } catch (const std::exception& e) {
        escribelinea(consola.errores, "rumbal-lote: error interno: " + cita(e.what()));
        return 1;
    }
}

}  // namespace rumbal
