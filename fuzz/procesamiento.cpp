// Processing on any data file: the input is the data, processed in each mode
// (geodetic, geocentric, plane) on WGS 84 of the default catalogues, with or
// without a plane representation of them (a Gauss-Krueger zone or a UTM
// zone), with their decimals. No run may crash; each either completes or
// stops naming the record after the last it wrote; and what it wrote is one
// whole line ending in CR LF per record, of fifteen fields of the kinds the
// complete point file holds.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "archivos/procesamiento.hpp"
#include "archivos/registro_punto.hpp"
#include "catalogos/carga.hpp"
#include "comun.hpp"
#include "textos/lector_campos.hpp"

using namespace rumbal;
using namespace rumbal::fuzz;

namespace {

const Catalogos& catalogos() {
    static const Catalogos c = [] {
        auto r = cargacatalogos(RUMBAL_DATOS_FUENTE);
        VERIFICA(r.bien());
        return std::move(r.valor());
    }();
    return c;
}

template <class T>
const T& entrada(const std::vector<T>& tabla, const std::string& nombre) {
    for (const T& e : tabla)
        if (e.nombre == nombre) return e;
    incumplida(("no hay \"" + nombre + "\" en los catalogos").c_str(), __FILE__, __LINE__);
}

Proceso proceso(ModoDatos modo, const char* representacion) {
    const Catalogos& c = catalogos();
    Proceso p;
    p.modo = modo;
    const EntradaElipsoide& e = entrada(c.elipsoides, "WGS 84");
    p.elipsoide = e.valores;
    p.nombreelipsoide = e.nombre;
    if (representacion) {
        const EntradaRepresentacion& r = entrada(c.representaciones, representacion);
        p.representacion = r.valores;
        p.nombrerepresentacion = r.nombre;
    }
    p.decimales = c.decimales;
    return p;
}

bool textosinblancoinicial(const ValorCampo& v) {
    return v.estexto() && !v.texto().empty() && v.texto().front() != ' ';
}

void verificalinea(const std::vector<ValorCampo>& c, const Proceso& p) {
    VERIFICA(c.size() == columnaspunto);
    VERIFICA(textosinblancoinicial(c[collatitud]));
    VERIFICA(textosinblancoinicial(c[collongitud]));
    for (Columna n : {colaltura, colx, coly, colz, colxplana, colyplana, colfactor, colcoefaltura})
        VERIFICA(c[n].esnumero());
    VERIFICA(c[colconvergencia].estexto());
    if (p.nombrerepresentacion.empty()) {
        VERIFICA(c[colconvergencia].texto().empty());
        VERIFICA(c[colxplana] == ValorCampo(0.0) && c[colyplana] == ValorCampo(0.0) && c[colfactor] == ValorCampo(0.0));
    } else {
        VERIFICA(textosinblancoinicial(c[colconvergencia]));
        VERIFICA(c[colconvergencia].texto().find(',') == std::string::npos);
    }
    VERIFICA(c[colelipsoide] == ValorCampo(p.nombreelipsoide));
    VERIFICA(c[colrepresentacion] == ValorCampo(p.nombrerepresentacion));
}

void procesaen(const std::string& datos, const Proceso& p) {
    std::istringstream entrada(datos);
    std::ostringstream salida;
    const Recuento r = procesa(entrada, salida, p);
    const std::string s = salida.str();

    VERIFICA(r.estado != Estado::cancelado);
    VERIFICA(r.registros >= 0);
    if (r.estado == Estado::completo) {
        VERIFICA(r.mensaje.empty());
    } else {
        const std::string registro = "Registro " + std::to_string(r.registros + 1) + " (";
        VERIFICA(r.mensaje.compare(0, registro.size(), registro) == 0);
    }

    // Whole lines only, each ended by CR LF: no other CR or LF.
    std::int64_t lineas = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            VERIFICA(i + 1 < s.size() && s[i + 1] == '\n');
            ++lineas;
            ++i;
        } else {
            VERIFICA(s[i] != '\n');
        }
    }
    VERIFICA(s.empty() || s.back() == '\n');
    VERIFICA(lineas == r.registros);

    std::istringstream resultados(s);
    LectorCampos lector(resultados);
    std::vector<ValorCampo> campos;
    std::int64_t leidas = 0;
    while (lector.quedandatos()) {
        VERIFICA(lector.leerenglon(campos) == Lectura::correcta);
        verificalinea(campos, p);
        ++leidas;
    }
    VERIFICA(leidas == r.registros);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    catalogos();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    // A run costs the blocks of records it allocates, so each input runs the
    // three modes once: with the representations of one column or the other
    // as its length is even or odd.
    static const Proceso procesos[2][3] = {
        {proceso(ModoDatos::geodesicas, "Faja 5"), proceso(ModoDatos::cartesianas, nullptr),
         proceso(ModoDatos::planas, "UTM 20 S")},
        {proceso(ModoDatos::geodesicas, nullptr), proceso(ModoDatos::cartesianas, "UTM 20 S"),
         proceso(ModoDatos::planas, "Faja 5")},
    };
    const std::string bytes(reinterpret_cast<const char*>(datos), tamano);
    for (const Proceso& p : procesos[tamano % 2]) procesaen(bytes, p);
    return 0;
}
