#include "archivos/procesamiento.hpp"

#include <algorithm>
#include <cctype>

#include "archivos/registro_punto.hpp"
#include "geodesia/angulos.hpp"
#include "geodesia/calculo_interno.hpp"
#include "geodesia/geocentricas.hpp"
#include "geodesia/proyeccion.hpp"
#include "textos/lectura_numero.hpp"
#include "textos/numero_texto.hpp"
#include "textos/redondeo.hpp"

namespace rumbal {

namespace {

// The angle text of a latitude or longitude field: decimal degrees are
// written as an angle text, an angle text is kept as read. Anything that does
// not start like a number is refused.
bool textodeangulo(const ValorCampo& v, const Decimales& d, std::string& texto) {
    if (v.esnumero()) {
        texto = gratexgeo(v.numero(), d);
        return true;
    }
    if (!v.estexto()) return false;
    if (const auto grados = leenumeroestricto(v.texto())) {
        texto = gratexgeo(*grados, d);
        return true;
    }
    std::string_view t = v.texto();
    t.remove_prefix(std::min(t.find_first_not_of(' '), t.size()));
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) t.remove_prefix(1);
    if (t.empty() || !(std::isdigit(static_cast<unsigned char>(t.front())) || t.front() == '.')) return false;
    texto = v.texto();
    return true;
}

std::string noesangulo(const char* que, const ValorCampo& v) {
    if (v.esvacio()) return std::string("falta ") + que;
    return std::string(que) + " (" + textovisible(v) + ") no es un número ni un ángulo";
}

const char* const nocalculable = "el punto no se puede calcular con el elipsoide y la representación plana elegidos";

}  // namespace

Recuento procesa(std::istream& datos, std::ostream& resultados, const Proceso& p, const Avance& avance) {
    Salida salida(resultados);
    const Decimales& d = p.decimales;
    const bool conplanas = p.modo == ModoDatos::planas || !p.nombrerepresentacion.empty();
    const std::size_t campos = p.modo == ModoDatos::planas ? 4 : 5;
    // Each angle text is read once per record, the origin once per run.
    const interno::OrigenLeido origen = interno::leeorigen(p.representacion, p.elipsoide);

    // Called from two threads at once: it keeps its work in its own locals.
    const auto cada = [&p, &d, &origen, conplanas](std::span<ValorCampo> c, std::string& destino) -> std::string {
        RegistroPunto r;
        std::string latitud, longitud;
        r[colpunto] = std::move(c[0]);
        r[colatributo] = std::move(c[1]);
        double altura = 0;
        switch (p.modo) {
            case ModoDatos::geodesicas: {
                if (!textodeangulo(c[2], d, latitud)) return noesangulo("la latitud", c[2]);
                if (!textodeangulo(c[3], d, longitud)) return noesangulo("la longitud", c[3]);
                const bool sinaltura = c[4].esvacio() || (c[4].estexto() && c[4].texto().empty());
                if (!sinaltura) {
                    const auto h = numerode(c[4]);
                    if (!h) return noesnumero("la altura", c[4]);
                    altura = *h;
                }
                break;
            }
            case ModoDatos::cartesianas: {
                const char* const nombres[] = {"la coordenada x", "la coordenada y", "la coordenada z"};
                double xyz[3];
                for (int i = 0; i < 3; ++i) {
                    const auto v = numerode(c[static_cast<std::size_t>(2 + i)]);
                    if (!v) return noesnumero(nombres[i], c[static_cast<std::size_t>(2 + i)]);
                    xyz[i] = *v;
                }
                const auto g = caracgeo(xyz[0], xyz[1], xyz[2], p.elipsoide, d);
                if (!g) return nocalculable;
                latitud = g->latitud;
                longitud = g->longitud;
                altura = g->altura;
                r[colx] = xyz[0];
                r[coly] = xyz[1];
                r[colz] = xyz[2];
                break;
            }
            case ModoDatos::planas: {
                const auto x = numerode(c[2]);
                if (!x) return noesnumero("la coordenada X", c[2]);
                const auto y = numerode(c[3]);
                if (!y) return noesnumero("la coordenada Y", c[3]);
                const auto g = interno::plaageoleido(*x, *y, p.elipsoide, p.representacion, origen, d);
                if (!g) return nocalculable;
                latitud = g->latitud;
                longitud = g->longitud;
                r[colxplana] = *x;
                r[colyplana] = *y;
                break;
            }
        }
        const double latgrados = gmsagra(latitud);
        const double longrados = gmsagra(longitud);
        if (p.modo != ModoDatos::cartesianas) {
            const auto xyz = interno::geoacargrados(latgrados, longrados, altura, p.elipsoide, d);
            if (!xyz) return nocalculable;
            r[colx] = xyz->x;
            r[coly] = xyz->y;
            r[colz] = xyz->z;
        }
        const auto coeficiente = interno::coefaltgrados(latgrados, altura, p.elipsoide);
        if (!coeficiente) return nocalculable;
        if (conplanas) {
            const auto planas = interno::geoaplagrados(latgrados, longrados, p.elipsoide, p.representacion, origen, d);
            if (!planas) return nocalculable;
            if (p.modo != ModoDatos::planas) {
                r[colxplana] = planas->x;
                r[colyplana] = planas->y;
            }
            r[colfactor] = redondea(planas->factorescala, 8);
            r[colconvergencia] = sinblancosiniciales(reparacoma(planas->convergencia));
        } else {
            r[colxplana] = 0.0;
            r[colyplana] = 0.0;
            r[colfactor] = 0.0;
            r[colconvergencia] = std::string();
        }
        r[collatitud] = sinblancosiniciales(latitud);
        r[collongitud] = sinblancosiniciales(longitud);
        r[colaltura] = altura;
        r[colcoefaltura] = redondea(*coeficiente, 8);
        r[colelipsoide] = p.nombreelipsoide;
        r[colrepresentacion] = p.nombrerepresentacion;
        grabapunto(destino, r);
        return {};
    };
    return recorre(datos, &salida, campos, avance, cada, true);
}

}  // namespace rumbal
