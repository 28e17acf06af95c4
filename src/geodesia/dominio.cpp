#include "geodesia/dominio.hpp"

#include <cmath>

#include "geodesia/angulos.hpp"
#include "textos/lectura_numero.hpp"
#include "textos/numero_texto.hpp"

namespace rumbal::dominio {

namespace {

bool esdigito(char c) { return c >= '0' && c <= '9'; }

// Length of the run of digits that starts t.
std::size_t cifras(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && esdigito(t[i])) ++i;
    return i;
}

// Seconds: digits with a period or comma before their decimals and an
// optional exponent, as the number grammar has them.
bool sonsegundos(std::string_view t) {
    if (t.empty() || t.front() == '+' || t.front() == '-') return false;
    std::string copia(t);
    if (const std::size_t coma = copia.find(','); coma != std::string::npos) copia[coma] = '.';
    if (largonumero(copia) != copia.size()) return false;
    const auto valor = leenumeroestricto(copia);
    return valor && std::isfinite(*valor) && *valor <= 60;
}

bool finito(std::initializer_list<double> valores) {
    for (double v : valores)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

std::optional<double> leeangulo(std::string_view texto) {
    const std::size_t inicio = texto.find_first_not_of(' ');
    if (inicio == std::string_view::npos) return std::nullopt;
    const std::string_view entero = texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
    std::string_view t = entero;
    if (t.front() == '+' || t.front() == '-') t.remove_prefix(1);
    const std::size_t grados = cifras(t);
    if (grados == 0) return std::nullopt;
    if (grados < t.size()) {
        const std::string_view resto = t.substr(grados);
        if (resto.front() == ' ') {
            const std::string_view minutosysegundos = resto.substr(1);
            const std::size_t minutos = cifras(minutosysegundos);
            if (minutos == 0 || minutos > 2) return std::nullopt;
            int valorminutos = 0;
            for (std::size_t i = 0; i < minutos; ++i) valorminutos = valorminutos * 10 + (minutosysegundos[i] - '0');
            if (valorminutos >= 60) return std::nullopt;
            const std::string_view tras = minutosysegundos.substr(minutos);
            if (!tras.empty() && (tras.front() != ' ' || !sonsegundos(tras.substr(1)))) return std::nullopt;
        } else {
            // Decimal degrees, with a period or a comma.
            if (resto.front() != '.' && resto.front() != ',') return std::nullopt;
            const std::string_view decimales = resto.substr(1);
            if (decimales.empty() || cifras(decimales) != decimales.size()) return std::nullopt;
        }
    }
    const double valor = gmsagra(entero);
    if (!std::isfinite(valor)) return std::nullopt;
    return valor;
}

bool latitudvalida(double grados) { return std::fabs(grados) <= latitudmaxima; }
bool longitudvalida(double grados) { return std::fabs(grados) <= longitudmaxima; }
bool alturavalida(double metros) { return std::fabs(metros) <= alturamaxima; }

bool geocentricasvalidas(double x, double y, double z) {
    if (!finito({x, y, z})) return false;
    const double radio = std::sqrt(x * x + y * y + z * z);
    return radio >= radiominimo && radio <= radiomaximo;
}

std::string fueradelatierra() {
    return "las coordenadas x, y, z dan un punto fuera de la Tierra (a menos de " + textonumero(radiominimo) +
           " m o a más de " + textonumero(radiomaximo) + " m de su centro)";
}

bool enlazona(double latitud, double longitud, double longitudorigen, bool desdeplanas) {
    if (!finito({latitud, longitud})) return false;
    if (desdeplanas && !(std::fabs(latitud) < latitudmaxima)) return false;
    return std::fabs(longitud - longitudorigen) <= apartamientomaximo;
}

Resultado<void> revisa(const Elipsoide& e) {
    if (!finito({e.a, e.b, e.f, e.e2, e.ep2})) return falla("el elipsoide tiene un valor que no es un número finito");
    if (!(e.a > 0)) return falla("el semieje mayor a debe ser positivo");
    if (!(e.b > 0 && e.b <= e.a)) return falla("el semieje menor b debe ser positivo y no mayor que el semieje mayor a");
    if (!(e.e2 >= 0 && e.e2 < 1)) return falla("el cuadrado de la primera excentricidad debe estar entre 0 y 1, sin llegar a 1");
    if (!(e.ep2 >= 0)) return falla("el cuadrado de la segunda excentricidad no puede ser negativo");
    return {};
}

Resultado<void> revisa(const RepresentacionPlana& r) {
    if (!finito({r.falsoeste, r.falsonorte, r.factorescala}))
        return falla("la representación plana tiene un valor que no es un número finito");
    if (!(r.factorescala > 0)) return falla("el factor de escala k0 debe ser positivo");
    if (!leeangulo(r.longitudorigen)) return falla("la longitud de origen (" + r.longitudorigen + ") no es un ángulo");
    if (!leeangulo(r.latitudorigen)) return falla("la latitud de origen (" + r.latitudorigen + ") no es un ángulo");
    return {};
}

Resultado<void> revisa(const ParametrosMarco& p) {
    if (!finito({p.dx, p.dy, p.dz, p.rx, p.ry, p.rz, p.k}))
        return falla("el marco tiene un valor que no es un número finito");
    if (!(p.k > -1000000)) return falla("el cambio de escala k debe ser mayor que -1000000 ppm");
    return {};
}

Resultado<void> revisa(const Transformacion& t) {
    return revisa(ParametrosMarco{t.dx, t.dy, t.dz, t.rx, t.ry, t.rz, t.k});
}

}  // namespace rumbal::dominio
