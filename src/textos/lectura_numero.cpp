#include "textos/lectura_numero.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "textos/potencias10.hpp"

namespace rumbal {

namespace {

bool esdigito(char c) { return c >= '0' && c <= '9'; }

// Value of a text that largonumero accepted in full.
std::optional<double> valorde(std::string_view numero) {
    bool negativo = false;
    if (!numero.empty() && (numero.front() == '+' || numero.front() == '-')) {
        negativo = numero.front() == '-';
        numero.remove_prefix(1);
    }
    // Up to 15 digits without exponent: n / 10^k of two exact doubles, one
    // correctly rounded division, is the double nearest to the decimal, the
    // same that from_chars gives, at a fraction of its cost.
    std::uint64_t n = 0;
    int cifras = 0;
    int decimales = -1;
    bool simple = true;
    for (char c : numero) {
        if (c == '.' && decimales < 0) {
            decimales = 0;
        } else if (c >= '0' && c <= '9') {
            n = n * 10 + static_cast<std::uint64_t>(c - '0');
            if (n != 0 || decimales >= 0) ++cifras;
            if (decimales >= 0) ++decimales;
        } else {
            simple = false;
            break;
        }
    }
    if (simple && cifras <= 15 && decimales <= 15) {
        double valor = static_cast<double>(n);
        if (decimales > 0) valor /= potencias10[decimales];
        return negativo ? -valor : valor;
    }
    double valor = 0;
    const auto r = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
    if (r.ec == std::errc::result_out_of_range) {
        // The largest doubles (from 1.797693134862315E+308 up) are written
        // with 15 digits as 1.79769313486232E+308, just past the largest
        // double: that text reads back as the largest double.
        long double ancho = 0;
        const auto l = std::from_chars(numero.data(), numero.data() + numero.size(), ancho);
        if (l.ec != std::errc{} || ancho > 1.79769313486232E+308L || ancho < 1) return std::nullopt;
        valor = std::numeric_limits<double>::max();
        return negativo ? -valor : valor;
    }
    if (r.ec != std::errc{}) return 0.0;
    return negativo ? -valor : valor;
}

}  // namespace

std::size_t largonumero(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t cifras = 0;
    while (i < t.size() && esdigito(t[i])) ++i, ++cifras;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && esdigito(t[i])) ++i, ++cifras;
    }
    if (cifras == 0) return 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        const std::size_t inicio = j;
        while (j < t.size() && esdigito(t[j])) ++j;
        if (j > inicio) i = j;
    }
    return i;
}

double leenumero(std::string_view texto) {
    // Blanks, tabs and line feeds are dropped; a short text is gathered on the
    // stack, a long one in a string.
    char corto[64];
    std::string largo;
    std::size_t n = 0;
    for (char c : texto) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        if (n < sizeof corto) {
            corto[n++] = c;
        } else {
            if (largo.empty()) largo.assign(corto, n);
            largo += c;
        }
    }
    const std::string_view sinblancos = largo.empty() ? std::string_view(corto, n) : std::string_view(largo);
    const std::size_t medida = largonumero(sinblancos);
    if (medida == 0) return 0;
    const std::string_view numero(sinblancos.data(), medida);
    if (auto v = valorde(numero)) return *v;
    // Out of range: an exponent too large gives an infinity, too small gives 0.
    const std::size_t e = numero.find_first_of("Ee");
    const bool exponentenegativo = e != std::string_view::npos && e + 1 < numero.size() && numero[e + 1] == '-';
    if (exponentenegativo) return numero.front() == '-' ? -0.0 : 0.0;
    return numero.front() == '-' ? -std::numeric_limits<double>::infinity()
                                 : std::numeric_limits<double>::infinity();
}

std::optional<double> leenumeroestricto(std::string_view texto) {
    const std::size_t inicio = texto.find_first_not_of(' ');
    if (inicio == std::string_view::npos) return std::nullopt;
    const std::size_t fin = texto.find_last_not_of(' ');
    const std::string_view numero = texto.substr(inicio, fin - inicio + 1);
    if (largonumero(numero) != numero.size()) return std::nullopt;
    return valorde(numero);
}

std::string reparacoma(std::string texto) {
    const std::size_t coma = texto.find(',');
    if (coma != std::string::npos) texto[coma] = '.';
    return texto;
}

std::string sinblancosiniciales(std::string texto) {
    texto.erase(0, std::min(texto.find_first_not_of(' '), texto.size()));
    return texto;
}

}  // namespace rumbal
