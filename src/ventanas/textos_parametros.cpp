#include "ventanas/textos_parametros.hpp"

#include "textos/numero_texto.hpp"

namespace rumbal {

std::array<std::string, 5> textoselipsoide(const Elipsoide& e, bool abreviado) {
    return {"Semieje mayor = " + textovista(e.a) + " m. ", "Semieje menor = " + textovista(e.b) + " m.",
            "Aplastamiento = " + textovista(e.f),
            (abreviado ? "1ra.excentr. = " : "1ra.excentricidad = ") + textovista(e.e2),
            (abreviado ? "2da.excentr. = " : "2da.excentricidad = ") + textovista(e.ep2)};
}

std::array<std::string, 5> textosrepresentacion(const RepresentacionPlana& r) {
    return {"Longitud del origen= " + r.longitudorigen, "Falso Este= " + textovista(r.falsoeste) + " m.",
            "Latitud del origen= " + r.latitudorigen, "Falso Norte= " + textovista(r.falsonorte) + " m.",
            "Factor Escala= " + textovista(r.factorescala)};
}

std::array<std::string, 7> textostransformacion(const Transformacion& t) {
    return {"Dx= " + textovista(t.dx) + " m.",    "Dy= " + textovista(t.dy) + " m.",
            "Dz= " + textovista(t.dz) + " m.",    "Rx= " + textovista(t.rx) + "rad.",
            "Ry= " + textovista(t.ry) + "rad.",   "Rz= " + textovista(t.rz) + "rad.",
            " k= " + textovista(t.k) + " ppm"};
}

}  // namespace rumbal
