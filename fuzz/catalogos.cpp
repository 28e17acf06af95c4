// The catalogue loaders on any file: the input is written as each catalogue
// file in turn, in a folder of this process's own, and loaded by its loader
// and by the loading of all five. A catalogue either loads, within its table,
// or gives an error that names its file and a line of it. A catalogue that
// loads is written back as the editors write it, replaced whole and with one
// entry appended, and must read back as the same entries.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogos/carga.hpp"
#include "catalogos/procedimientos.hpp"
#include "comun.hpp"
#include "textos/lector_campos.hpp"
#include "textos/redondeo.hpp"

using namespace rumbal;
using namespace rumbal::fuzz;
namespace fs = std::filesystem;

namespace {

// The folder of this process, made at the first input and removed at its end
// (fuzz/corre.sh puts it in a folder of its own, removed even after a crash).
class Carpeta {
public:
    Carpeta() {
        std::string plantilla = (fs::temp_directory_path() / "rumbal-fuzz-XXXXXX").string();
        VERIFICA(::mkdtemp(plantilla.data()) != nullptr);
        ruta_ = plantilla;
    }
    ~Carpeta() {
        std::error_code ec;
        fs::remove_all(ruta_, ec);
    }
    const fs::path& ruta() const { return ruta_; }

private:
    fs::path ruta_;
};

const fs::path& carpeta() {
    static const Carpeta c;
    return c.ruta();
}

void escribe(const Catalogo& c, const std::string& bytes) {
    std::ofstream f(carpeta() / c.archivo, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    f.close();
    VERIFICA(f.good());
}

// Lines of the bytes as a person counts them: line ends (CR LF, LF or CR),
// and a last line without one.
std::int64_t lineas(const std::string& bytes) {
    std::int64_t n = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++n;
    }
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') ++n;
    return n;
}

void verificaerror(const ErrorCatalogo& e, const Catalogo& c, const std::string& bytes) {
    VERIFICA(e.archivo == c.archivo);
    VERIFICA(e.ruta == (carpeta() / c.archivo).string());
    VERIFICA(!e.motivo.empty());
    // The file is there and readable: every error is on a line of it, or on
    // the line after its last when a line is missing.
    VERIFICA(e.linea >= 1 && e.linea <= lineas(bytes) + 1);
    VERIFICA(e.mensaje().find(e.archivo) != std::string::npos);
}

// What a value reads back as once written: a text with an apostrophe for each
// double quote, a number to the 15 digits of its text.
std::string releido(std::string t) {
    for (char& ch : t)
        if (ch == '"') ch = '\'';
    return t;
}
double releido(double x) { return redondea15(x); }

bool iguales(const EntradaElipsoide& leida, const EntradaElipsoide& e) {
    const Elipsoide &a = leida.valores, &b = e.valores;
    return leida.nombre == releido(e.nombre) && a.a == releido(b.a) && a.b == releido(b.b) && a.f == releido(b.f) &&
           a.e2 == releido(b.e2) && a.ep2 == releido(b.ep2);
}
bool iguales(const EntradaRepresentacion& leida, const EntradaRepresentacion& e) {
    const RepresentacionPlana &a = leida.valores, &b = e.valores;
    return leida.nombre == releido(e.nombre) && a.longitudorigen == releido(b.longitudorigen) &&
           a.falsoeste == releido(b.falsoeste) && a.falsonorte == releido(b.falsonorte) &&
           a.latitudorigen == releido(b.latitudorigen) && a.factorescala == releido(b.factorescala);
}
bool iguales(const EntradaMarco& leida, const EntradaMarco& e) {
    const ParametrosMarco &a = leida.parametros, &b = e.parametros;
    return leida.nombre == releido(e.nombre) && leida.elipsoide == releido(e.elipsoide) && a.dx == releido(b.dx) &&
           a.dy == releido(b.dy) && a.dz == releido(b.dz) && a.rx == releido(b.rx) && a.ry == releido(b.ry) &&
           a.rz == releido(b.rz) && a.k == releido(b.k);
}
bool iguales(const Decimales& leidos, const Decimales& d) {
    return leidos.angulos == releido(d.angulos) && leidos.geograficas == releido(d.geograficas) &&
           leidos.metros == releido(d.metros);
}
bool iguales(const std::string& leido, const std::string& atributo) { return leido == releido(atributo); }

template <class T>
bool iguales(const std::vector<T>& leidas, const std::vector<T>& entradas) {
    if (leidas.size() != entradas.size()) return false;
    for (std::size_t i = 0; i < leidas.size(); ++i)
        if (!iguales(leidas[i], entradas[i])) return false;
    return true;
}

Renglon renglondeentrada(const std::string& atributo) { return renglondeatributo(atributo); }
template <class T>
Renglon renglondeentrada(const T& entrada) {
    return renglonde(entrada);
}

// One catalogue: loads or fails as it should; when it loads, replaced by its
// own entries and appended to, it reads back as those entries.
template <class T, class Carga>
void unatabla(const Catalogo& c, const std::string& bytes, Carga carga, std::size_t minimo, bool seagrega) {
    escribe(c, bytes);
    auto r = carga(carpeta());
    if (!r.bien()) {
        verificaerror(r.error(), c, bytes);
        return;
    }
    const std::vector<T> entradas = std::move(r.valor());
    VERIFICA(entradas.size() >= minimo && entradas.size() <= c.capacidad);

    if (seagrega && !entradas.empty() && entradas.size() < maximoentradas) {
        const auto a = agregaentrada(carpeta(), c, renglondeentrada(entradas.front()), entradas.size());
        VERIFICA(a.bien() && a.valor() == Agregado::agregado);
        auto conagregada = carga(carpeta());
        VERIFICA(conagregada.bien());
        VERIFICA(conagregada.valor().size() == entradas.size() + 1);
        for (std::size_t i = 0; i < entradas.size(); ++i)
            VERIFICA(renglondeentrada(conagregada.valor()[i]) == renglondeentrada(entradas[i]));
        VERIFICA(iguales(conagregada.valor().back(), entradas.front()));
    }

    std::vector<Renglon> renglones;
    for (const T& e : entradas) renglones.push_back(renglondeentrada(e));
    VERIFICA(reemplazaarchivo(carpeta(), c, renglones).bien());
    VERIFICA(!fs::exists(carpeta() / archivotransitorio));
    auto releidas = carga(carpeta());
    VERIFICA(releidas.bien());
    VERIFICA(iguales(releidas.valor(), entradas));
}

// The decimals are one entry, not a list.
void decimales(const std::string& bytes) {
    escribe(catalogodecimales, bytes);
    auto r = cargadecimales(carpeta());
    if (!r.bien()) {
        verificaerror(r.error(), catalogodecimales, bytes);
        return;
    }
    VERIFICA(reemplazaarchivo(carpeta(), catalogodecimales, {renglonde(r.valor())}).bien());
    auto releidos = cargadecimales(carpeta());
    VERIFICA(releidos.bien());
    VERIFICA(iguales(releidos.valor(), r.valor()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const std::string bytes(reinterpret_cast<const char*>(datos), tamano);
    VERIFICA(cuentalineas((carpeta() / "ninguno.txt").string()) == std::nullopt);
    escribe(catalogoatributos, bytes);
    VERIFICA(cuentalineas((carpeta() / catalogoatributos.archivo).string()) == lineas(bytes));

    unatabla<EntradaElipsoide>(catalogoelipsoides, bytes, cargaelipsoides, 0, true);
    unatabla<EntradaRepresentacion>(catalogorepresentaciones, bytes, cargarepresentaciones, 0, true);
    unatabla<std::string>(catalogoatributos, bytes, cargaatributos, 0, true);
    unatabla<EntradaMarco>(catalogomarcos, bytes, cargamarcos, 2, false);
    decimales(bytes);

    // All five from the same bytes: the first that fails, in the order of
    // start-up, is the error.
    for (const Catalogo* c : {&catalogoelipsoides, &catalogorepresentaciones, &catalogoatributos,
                              &catalogodecimales, &catalogomarcos})
        escribe(*c, bytes);
    const auto todos = cargacatalogos(carpeta());
    const auto representaciones = cargarepresentaciones(carpeta());
    const auto elipsoides = cargaelipsoides(carpeta());
    const auto atributos = cargaatributos(carpeta());
    const auto decimales = cargadecimales(carpeta());
    const auto marcos = cargamarcos(carpeta());
    const ErrorCatalogo* primero = !representaciones.bien() ? &representaciones.error()
                                   : !elipsoides.bien()     ? &elipsoides.error()
                                   : !atributos.bien()      ? &atributos.error()
                                   : !decimales.bien()      ? &decimales.error()
                                   : !marcos.bien()         ? &marcos.error()
                                                            : nullptr;
    VERIFICA(todos.bien() == (primero == nullptr));
    if (primero) VERIFICA(todos.error().mensaje() == primero->mensaje());
    return 0;
}
