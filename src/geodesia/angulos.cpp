#include "geodesia/angulos.hpp"

#include <cmath>

#include "textos/lectura_numero.hpp"
#include "textos/numero_texto.hpp"
#include "textos/redondeo.hpp"

namespace rumbal {

double gmsagra(std::string_view entrada) {
    std::string t(entrada);
    if (const std::size_t coma = t.find(','); coma != std::string::npos) t[coma] = '.';
    const std::size_t primero = t.find_first_not_of(' ');
    t.erase(0, primero == std::string::npos ? t.size() : primero);
    bool negativo = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negativo = t.front() == '-';
        t.erase(0, 1);
    }
    // Positions counted from 1 as the layout is described; 0 means none.
    const std::size_t b1 = t.find(' ');
    const std::size_t p1 = b1 == std::string::npos ? 0 : b1 + 1;
    std::size_t p2 = 0;
    if (p1 != 0) {
        const std::size_t b2 = t.find(' ', p1);
        p2 = b2 == std::string::npos ? 0 : b2 + 1;
    }
    const std::string_view v(t);
    const double grados = p1 == 0 ? leenumero(v) : leenumero(v.substr(0, p1));
    const double minutos = p1 == 0 ? 0 : leenumero(v.substr(p1 - 1, 3));
    const double segundos = p2 == 0 ? 0 : leenumero(v.substr(p2 - 1));
    const double valor = grados + minutos / 60 + segundos / 3600;
    return negativo ? -valor : valor;
}

double texarad(std::string_view texto) { return (gmsagra(texto) * PI) / 180; }

std::string gratex(double x, int n) {
    if (!std::isfinite(x)) return {};
    const int signo = x < 0 ? -1 : (x > 0 ? 1 : 0);
    const double a = std::fabs(x);
    const double f = std::trunc(x);
    const double fraccion = a - std::floor(a);
    const double m = std::floor(fraccion * 60);
    const double s = (fraccion * 60 - m) * 60;
    const double sr = redondea(s, n);

    std::string minutos = m < 10 ? " 0" : " ";
    minutos += textonumero(m);

    std::string segundos;
    if (std::trunc(sr) < 10)
        segundos = " 0" + textonumero(sr);
    else
        segundos = textoconsigno(sr);
    if (const std::size_t punto = segundos.find('.'); punto != std::string::npos) segundos[punto] = ',';

    const std::string d = textonumero(f);
    std::string resultado;
    switch (d.size()) {
        case 1: resultado = (signo == -1 ? "   -" : "    ") + d; break;
        case 2: resultado = "  " + d; break;
        case 3: resultado = " " + d; break;
        default: resultado = d; break;
    }
    return resultado + minutos + segundos;
}

std::string gratexgeo(double grados, const Decimales& d) { return gratex(grados, decimalesentero(d.geograficas)); }

std::string gratexang(double grados, const Decimales& d) { return gratex(grados, decimalesentero(d.angulos)); }

std::string radatexgeo(double radianes, const Decimales& d) { return gratexgeo((radianes * 180) / PI, d); }

std::string radatexang(double radianes, const Decimales& d) { return gratexang((radianes * 180) / PI, d); }

}  // namespace rumbal
