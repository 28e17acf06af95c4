#include "geodesia/angulos.hpp"

#include <algorithm>
#include <cmath>

#include "textos/lectura_numero.hpp"
#include "textos/numero_texto.hpp"
#include "textos/redondeo.hpp"

namespace rumbal {

double gmsagra(std::string_view entrada) {
    // The first comma counts as a period: the text is read from a copy with it
    // replaced (on the stack when short).
    char corto[64];
    std::string largo;
    std::string_view t = entrada;
    if (const std::size_t coma = entrada.find(','); coma != std::string_view::npos) {
        char* copia = corto;
        if (entrada.size() > sizeof corto) {
            largo.assign(entrada);
            copia = largo.data();
        } else {
            std::copy(entrada.begin(), entrada.end(), corto);
        }
        copia[coma] = '.';
        t = std::string_view(copia, entrada.size());
    }
    t.remove_prefix(std::min(t.find_first_not_of(' '), t.size()));
    bool negativo = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negativo = t.front() == '-';
        t.remove_prefix(1);
    }
    // Positions counted from 1 as the layout is described; 0 means none.
    const std::size_t b1 = t.find(' ');
    const std::size_t p1 = b1 == std::string_view::npos ? 0 : b1 + 1;
    std::size_t p2 = 0;
    if (p1 != 0) {
        const std::size_t b2 = t.find(' ', p1);
        p2 = b2 == std::string_view::npos ? 0 : b2 + 1;
    }
    const double grados = p1 == 0 ? leenumero(t) : leenumero(t.substr(0, p1));
    const double minutos = p1 == 0 ? 0 : leenumero(t.substr(p1 - 1, 3));
    const double segundos = p2 == 0 ? 0 : leenumero(t.substr(p2 - 1));
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

    // Written in place, without a text per field: degrees, minutes, seconds.
    char texto[3 * largomaximonumero];
    char* p = texto;
    // Degree field: five characters wide for one character, four otherwise.
    char grados[largomaximonumero];
    const auto largogrados = static_cast<std::size_t>(escribetextonumero(grados, f, false) - grados);
    switch (largogrados) {
        case 1: p = std::copy_n(signo == -1 ? "   -" : "    ", 4, p); break;
        case 2: p = std::copy_n("  ", 2, p); break;
        case 3: *p++ = ' '; break;
        default: break;
    }
    p = std::copy_n(grados, largogrados, p);
    // Minute field: a blank and two digits.
    const int minutos = static_cast<int>(m);
    *p++ = ' ';
    *p++ = static_cast<char>('0' + minutos / 10);
    *p++ = static_cast<char>('0' + minutos % 10);
    // Second field: " 0" before a single-digit number, the comma as decimal mark.
    *p++ = ' ';
    if (std::trunc(sr) < 10) *p++ = '0';
    char* const segundos = p;
    p = escribetextonumero(p, sr, false);
    if (char* punto = std::find(segundos, p, '.'); punto != p) *punto = ',';
    return std::string(texto, p);
}

std::string gratexgeo(double grados, const Decimales& d) { return gratex(grados, decimalesentero(d.geograficas)); }

std::string gratexang(double grados, const Decimales& d) { return gratex(grados, decimalesentero(d.angulos)); }

std::string radatexgeo(double radianes, const Decimales& d) { return gratexgeo((radianes * 180) / PI, d); }

std::string radatexang(double radianes, const Decimales& d) { return gratexang((radianes * 180) / PI, d); }

}  // namespace rumbal
