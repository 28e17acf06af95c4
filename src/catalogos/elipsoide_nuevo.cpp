#include "catalogos/elipsoide_nuevo.hpp"

#include <cmath>

#include "textos/lectura_numero.hpp"
#include "textos/numero_texto.hpp"

namespace rumbal {

Resultado<ElipsoideNuevo> derivaelipsoide(std::string_view semiejemayor, std::string_view aplastamientoinverso) {
    const auto a = leenumeroestricto(semiejemayor);
    if (!a) return falla("el semieje mayor no es un número");
    const auto r = leenumeroestricto(aplastamientoinverso);
    if (!r) return falla("la inversa del aplanamiento no es un número");
    if (*a == 0 || *r == 0) return falla("el semieje mayor y la inversa del aplanamiento no pueden ser 0");
    const double b = *a * (1 - 1 / *r);
    if (b == 0 || !std::isfinite(b)) return falla("el semieje menor sería 0 o no sería un número finito");
    ElipsoideNuevo n;
    n.b = textovista(b);
    n.f = textovista(1 / *r);
    const double bmostrado = leenumero(n.b);
    const double cociente = bmostrado / *a;
    const double inverso = *a / bmostrado;
    const double e2 = 1 - cociente * cociente;
    const double ep2 = inverso * inverso - 1;
    if (!std::isfinite(e2) || !std::isfinite(ep2)) return falla("las excentricidades no serían números finitos");
    n.e2 = textovista(e2);
    n.ep2 = textovista(ep2);
    return n;
}

}  // namespace rumbal
