#include "archivos/procesamiento.hpp"

#include <algorithm>
#include <cmath>

#include "archivos/registro_punto.hpp"
#include "geodesia/angulos.hpp"
#include "geodesia/calculo_interno.hpp"
#include "geodesia/dominio.hpp"
#include "geodesia/geocentricas.hpp"
#include "geodesia/proyeccion.hpp"
#include "textos/cita.hpp"
#include "textos/lectura_numero.hpp"
#include "textos/numero_texto.hpp"
#include "textos/redondeo.hpp"

namespace rumbal {

namespace {

using dominio::alturamaxima;
using dominio::apartamientomaximo;
using dominio::latitudmaxima;
using dominio::longitudmaxima;

// A point the formulas refuse, with their reason.
Error nocalculable(const Error& motivo) {
    return falla("el punto no se puede calcular con el elipsoide y la representación plana elegidos: " + motivo.motivo);
}

std::string fuerade(const char* que, const ValorCampo& v, double limite, const char* unidad) {
    return std::string(que) + " (" + cita(v) + ") está fuera de -" + textonumero(limite) + " a " + textonumero(limite) +
           " " + unidad;
}

// A latitude or longitude field: decimal degrees (a number, or a text that is
// only one) become an angle text; an angle text is kept as read. Anything
// else, or an angle past maximo degrees, is refused.
Resultado<void> leecampoangulo(const ValorCampo& v, const Decimales& d, const char* que, double maximo, std::string& texto) {
    if (v.esvacio()) return falla(std::string("falta ") + que);
    std::optional<double> grados;
    if (v.esnumero()) {
        grados = v.numero();
    } else if ((grados = leenumeroestricto(v.texto()))) {
    } else if ((grados = dominio::leeangulo(v.texto()))) {
        texto = v.texto();
    } else {
        return falla(std::string(que) + " (" + cita(v) + ") no es un número ni un ángulo");
    }
    if (!(std::fabs(*grados) <= maximo)) return falla(fuerade(que, v, maximo, "grados"));
    if (texto.empty()) texto = gratexgeo(*grados, d);
    return {};
}

// The coordinates of a data record, read and checked, before the others are
// computed from them.
struct Coordenadas {
    std::string latitud, longitud;  // angle texts
    double altura = 0;
    double x = 0, y = 0, z = 0;     // geocentric, when given
    double xplana = 0, yplana = 0;  // plane, when given
};

Resultado<void> leegeodesicas(std::span<ValorCampo> c, const Proceso& p, Coordenadas& k) {
    if (auto m = leecampoangulo(c[2], p.decimales, "la latitud", latitudmaxima, k.latitud); !m) return m;
    if (auto m = leecampoangulo(c[3], p.decimales, "la longitud", longitudmaxima, k.longitud); !m) return m;
    const bool sinaltura = c[4].esvacio() || (c[4].estexto() && c[4].texto().empty());
    if (sinaltura) return {};
    const auto h = numerode(c[4]);
    if (!h) return falla(noesnumero("la altura", c[4]));
    if (!dominio::alturavalida(*h)) return falla(fuerade("la altura", c[4], alturamaxima, "m"));
    k.altura = *h;
    return {};
}

Resultado<void> leecartesianas(std::span<ValorCampo> c, const Proceso& p, Coordenadas& k) {
    const char* const nombres[] = {"la coordenada x", "la coordenada y", "la coordenada z"};
    double xyz[3];
    for (std::size_t i = 0; i < 3; ++i) {
        const auto v = numerode(c[2 + i]);
        if (!v) return falla(noesnumero(nombres[i], c[2 + i]));
        xyz[i] = *v;
    }
    if (!dominio::geocentricasvalidas(xyz[0], xyz[1], xyz[2])) return falla(dominio::fueradelatierra());
    const auto g = caracgeo(xyz[0], xyz[1], xyz[2], p.elipsoide, p.decimales);
    if (!g) return nocalculable(g.error());
    k.latitud = g->latitud;
    k.longitud = g->longitud;
    k.altura = g->altura;
    k.x = xyz[0];
    k.y = xyz[1];
    k.z = xyz[2];
    return {};
}

Resultado<void> leeplanas(std::span<ValorCampo> c, const Proceso& p, const interno::OrigenLeido& origen, Coordenadas& k) {
    const auto x = numerode(c[2]);
    if (!x) return falla(noesnumero("la coordenada X", c[2]));
    const auto y = numerode(c[3]);
    if (!y) return falla(noesnumero("la coordenada Y", c[3]));
    const char* const fuera = "las coordenadas X, Y dan un punto fuera de la zona de la representación plana "
                              "(a más de 20 grados de su meridiano central, o en un polo)";
    if (!std::isfinite(*x) || !std::isfinite(*y)) return falla(fuera);
    const auto g = interno::plaageoleido(*x, *y, p.elipsoide, p.representacion, origen, p.decimales);
    if (!g || !dominio::enlazona(gmsagra(g->latitud), gmsagra(g->longitud), origen.longitud, true)) return falla(fuera);
    k.latitud = g->latitud;
    k.longitud = g->longitud;
    k.xplana = *x;
    k.yplana = *y;
    return {};
}

}  // namespace

Resultado<void> revisa(const Proceso& p) {
    if (auto r = dominio::revisa(p.elipsoide); !r)
        return falla("no se puede calcular con el elipsoide \"" + p.nombreelipsoide + "\": " + r.error().motivo);
    const bool conplanas = p.modo == ModoDatos::planas || !p.nombrerepresentacion.empty();
    if (auto r = dominio::revisa(p.representacion); conplanas && !r)
        return falla("no se puede calcular con la representación plana \"" + p.nombrerepresentacion +
                     "\": " + r.error().motivo);
    return {};
}

namespace {

// The record of a point whose coordinates were read: the other kinds of
// coordinates computed, the height coefficient, and the plane quantities when
// there is a representation.
Resultado<void> completa(std::span<ValorCampo> c, const Proceso& p, const interno::OrigenLeido& origen,
                         const Coordenadas& k, std::string& destino) {
    const Decimales& d = p.decimales;
    const bool conplanas = p.modo == ModoDatos::planas || !p.nombrerepresentacion.empty();
    RegistroPunto r;
    r[colpunto] = std::move(c[0]);
    r[colatributo] = std::move(c[1]);
    const double latgrados = gmsagra(k.latitud);
    const double longrados = gmsagra(k.longitud);
    if (p.modo == ModoDatos::cartesianas) {
        r[colx] = k.x;
        r[coly] = k.y;
        r[colz] = k.z;
    } else {
        const auto xyz = interno::geoacargrados(latgrados, longrados, k.altura, p.elipsoide, d);
        if (!xyz) return nocalculable(xyz.error());
        r[colx] = xyz->x;
        r[coly] = xyz->y;
        r[colz] = xyz->z;
    }
    const auto coeficiente = interno::coefaltgrados(latgrados, k.altura, p.elipsoide);
    if (!coeficiente) return nocalculable(coeficiente.error());
    if (conplanas) {
        if (!dominio::enlazona(latgrados, longrados, origen.longitud, false))
            return falla("el punto está a más de " + textonumero(apartamientomaximo) +
                         " grados del meridiano central de la representación plana");
        const auto planas = interno::geoaplagrados(latgrados, longrados, p.elipsoide, p.representacion, origen, d);
        if (!planas) return nocalculable(planas.error());
        r[colxplana] = p.modo == ModoDatos::planas ? k.xplana : planas->x;
        r[colyplana] = p.modo == ModoDatos::planas ? k.yplana : planas->y;
        r[colfactor] = redondea(planas->factorescala, 8);
        r[colconvergencia] = sinblancosiniciales(reparacoma(planas->convergencia));
    } else {
        r[colxplana] = 0.0;
        r[colyplana] = 0.0;
        r[colfactor] = 0.0;
        r[colconvergencia] = std::string();
    }
    r[collatitud] = sinblancosiniciales(k.latitud);
    r[collongitud] = sinblancosiniciales(k.longitud);
    r[colaltura] = k.altura;
    r[colcoefaltura] = redondea(*coeficiente, 8);
    r[colelipsoide] = p.nombreelipsoide;
    r[colrepresentacion] = p.nombrerepresentacion;
    grabapunto(destino, r);
    return {};
}

}  // namespace

Recuento procesa(std::istream& datos, std::ostream& resultados, const Proceso& p, const Avance& avance) {
    Salida salida(resultados);
    // The origin is read once per run.
    const interno::OrigenLeido origen = interno::leeorigen(p.representacion, p.elipsoide);
    // Called from two threads at once: it keeps its work in its own locals.
    const auto cada = [&p, &origen](std::span<ValorCampo> c, std::string& destino) -> Resultado<void> {
        Coordenadas k;
        const Resultado<void> leido = p.modo == ModoDatos::geodesicas    ? leegeodesicas(c, p, k)
                                      : p.modo == ModoDatos::cartesianas ? leecartesianas(c, p, k)
                                                                         : leeplanas(c, p, origen, k);
        if (!leido) return leido;
        return completa(c, p, origen, k, destino);
    };
    return recorre(datos, &salida, p.modo == ModoDatos::planas ? 4 : 5, avance, cada, true);
}

}  // namespace rumbal
