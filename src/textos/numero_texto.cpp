#include "textos/numero_texto.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace rumbal {

namespace {

// Significant digits of |x| rounded to 15 digits, without trailing zeros, and
// the decimal exponent of the first digit: x = 0.d1d2d3... * 10^(exponente + 1).
struct Digitos {
    std::array<char, 24> cifras{};
    int cantidad = 0;
    int exponente = 0;
};

Digitos digitosde(double ax) {
    Digitos d;
    std::array<char, 40> texto{};
    // The shortest text that reads back as x: when it has at most 15 digits it
    // is also x rounded to 15 digits (half an ulp is far below half a unit of
    // the fifteenth digit); otherwise round the exact value to 15 digits.
    auto escrito = std::to_chars(texto.data(), texto.data() + texto.size(), ax,
                                 std::chars_format::scientific);
    const char* e = static_cast<const char*>(std::memchr(texto.data(), 'e', escrito.ptr - texto.data()));
    int cifrasmantisa = 0;
    for (const char* p = texto.data(); p < e; ++p)
        if (*p != '.') ++cifrasmantisa;
    if (cifrasmantisa > 15) {
        escrito = std::to_chars(texto.data(), texto.data() + texto.size(), ax,
                                std::chars_format::scientific, 14);
        e = static_cast<const char*>(std::memchr(texto.data(), 'e', escrito.ptr - texto.data()));
    }
    for (const char* p = texto.data(); p < e; ++p)
        if (*p != '.') d.cifras[static_cast<std::size_t>(d.cantidad++)] = *p;
    while (d.cantidad > 1 && d.cifras[static_cast<std::size_t>(d.cantidad - 1)] == '0') --d.cantidad;
    const char* q = e + 1;
    if (*q == '+') ++q;
    std::from_chars(q, escrito.ptr, d.exponente);
    return d;
}

constexpr double potencias10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Most numbers the system writes carry few decimals (metres to the millimetre,
// factors to 8 decimals). The smallest k for which n = ax * 10^k is a whole
// number below 10^15 with n / 10^k == ax gives a decimal of at most 15 digits
// that reads back as ax, and so the digits of ax rounded to 15 digits, without
// the cost of a general conversion. Values outside the plain range, and those
// needing more digits, take the general path.
bool digitosrapidos(double ax, Digitos& d) {
    if (!(ax >= 1e-4 && ax < 1e15)) return false;
    for (int k = 0; k <= 15; ++k) {
        const double escalado = ax * potencias10[k];
        if (escalado >= 1e15) return false;
        const auto truncado = static_cast<std::int64_t>(escalado);
        if (static_cast<double>(truncado) != escalado) continue;
        const double n = escalado;
        if (n / potencias10[k] != ax) continue;
        std::uint64_t entero = static_cast<std::uint64_t>(n);
        char invertidas[20];
        int largo = 0;
        while (entero > 0) {
            invertidas[largo++] = static_cast<char>('0' + entero % 10);
            entero /= 10;
        }
        d.cantidad = 0;
        for (int i = largo - 1; i >= 0; --i) d.cifras[static_cast<std::size_t>(d.cantidad++)] = invertidas[i];
        while (d.cantidad > 1 && d.cifras[static_cast<std::size_t>(d.cantidad - 1)] == '0') --d.cantidad;
        d.exponente = largo - 1 - k;
        return true;
    }
    return false;
}

void agregatexto(std::string& destino, double x, bool ceroantesdelpunto) {
    if (!std::isfinite(x)) return;
    if (x == 0) {
        destino += '0';
        return;
    }
    if (x < 0) destino += '-';
    Digitos d;
    if (!digitosrapidos(std::fabs(x), d)) d = digitosde(std::fabs(x));
    const auto cifra = [&d](int i) { return d.cifras[static_cast<std::size_t>(i)]; };
    if (d.exponente < -4 || d.exponente > 14) {
        destino += cifra(0);
        if (d.cantidad > 1) {
            destino += '.';
            destino.append(d.cifras.data() + 1, static_cast<std::size_t>(d.cantidad - 1));
        }
        destino += 'E';
        destino += d.exponente < 0 ? '-' : '+';
        const int ae = std::abs(d.exponente);
        if (ae < 10) destino += '0';
        destino += std::to_string(ae);
        return;
    }
    if (d.exponente < 0) {
        if (ceroantesdelpunto) destino += '0';
        destino += '.';
        destino.append(static_cast<std::size_t>(-d.exponente - 1), '0');
        destino.append(d.cifras.data(), static_cast<std::size_t>(d.cantidad));
        return;
    }
    const int enteras = d.exponente + 1;
    for (int i = 0; i < enteras; ++i) destino += i < d.cantidad ? cifra(i) : '0';
    if (d.cantidad > enteras) {
        destino += '.';
        destino.append(d.cifras.data() + enteras, static_cast<std::size_t>(d.cantidad - enteras));
    }
}

}  // namespace

void agregatextonumero(std::string& destino, double x) { agregatexto(destino, x, false); }

std::string textonumero(double x) {
    std::string s;
    agregatexto(s, x, false);
    return s;
}

std::string textoconsigno(double x) {
    if (!std::isfinite(x)) return {};
    std::string s;
    if (!(x < 0)) s += ' ';
    agregatexto(s, x, false);
    return s;
}

std::string textovista(double x) {
    std::string s;
    agregatexto(s, x, true);
    return s;
}

}  // namespace rumbal
