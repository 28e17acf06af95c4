#include "textos/numero_texto.hpp"

#include <algorithm>
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
// factors to 8 decimals). The smallest k for which a whole number n below
// 10^15 with n / 10^k == ax gives a decimal of at most 15 digits
// that reads back as ax, and so the digits of ax rounded to 15 digits, without
// the cost of a general conversion. Values outside the plain range, and those
// needing more digits, take the general path.
bool digitosrapidos(double ax, Digitos& d) {
    if (!(ax >= 1e-4 && ax < 1e15)) return false;
    for (int k = 0; k <= 15; ++k) {
        const double escalado = ax * potencias10[k];
        if (escalado >= 1e15) return false;
        // The product carries at most half an ulp of error: only a whole
        // number within a few ulps can be the decimal, and the division
        // decides.
        const double n = static_cast<double>(static_cast<std::int64_t>(escalado + 0.5));
        if (std::fabs(escalado - n) > escalado * 0x1p-50) continue;
        if (n / potencias10[k] != ax) continue;
        // Digits two at a time, from the end of the field backwards.
        static constexpr char pares[] =
            "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
            "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
            "8081828384858687888990919293949596979899";
        std::uint64_t entero = static_cast<std::uint64_t>(n);
        int largo = 1;
        for (std::uint64_t tope = 10; tope <= entero && largo < 16; tope *= 10) ++largo;
        char* fin = d.cifras.data() + largo;
        while (entero >= 100) {
            const auto par = static_cast<std::size_t>(entero % 100) * 2;
            entero /= 100;
            *--fin = pares[par + 1];
            *--fin = pares[par];
        }
        if (entero >= 10) {
            const auto par = static_cast<std::size_t>(entero) * 2;
            *--fin = pares[par + 1];
            *--fin = pares[par];
        } else {
            *--fin = static_cast<char>('0' + entero);
        }
        d.cantidad = largo;
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
    Digitos d;
    if (!digitosrapidos(std::fabs(x), d)) d = digitosde(std::fabs(x));
    const char* cifras = d.cifras.data();
    const auto cantidad = static_cast<std::size_t>(d.cantidad);
    // At most 15 digits, a sign, a point, four zeros and an exponent.
    char texto[40];
    char* p = texto;
    if (x < 0) *p++ = '-';
    if (d.exponente < -4 || d.exponente > 14) {
        *p++ = cifras[0];
        if (cantidad > 1) {
            *p++ = '.';
            p = std::copy(cifras + 1, cifras + cantidad, p);
        }
        *p++ = 'E';
        *p++ = d.exponente < 0 ? '-' : '+';
        const int ae = std::abs(d.exponente);
        if (ae >= 100) *p++ = static_cast<char>('0' + ae / 100);
        *p++ = static_cast<char>('0' + ae / 10 % 10);
        *p++ = static_cast<char>('0' + ae % 10);
    } else if (d.exponente < 0) {
        if (ceroantesdelpunto) *p++ = '0';
        *p++ = '.';
        p = std::fill_n(p, -d.exponente - 1, '0');
        p = std::copy(cifras, cifras + cantidad, p);
    } else {
        const auto enteras = static_cast<std::size_t>(d.exponente + 1);
        if (cantidad <= enteras) {
            p = std::copy(cifras, cifras + cantidad, p);
            p = std::fill_n(p, enteras - cantidad, '0');
        } else {
            p = std::copy(cifras, cifras + enteras, p);
            *p++ = '.';
            p = std::copy(cifras + enteras, cifras + cantidad, p);
        }
    }
    destino.append(texto, static_cast<std::size_t>(p - texto));
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
