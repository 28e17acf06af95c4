#include "textos/numero_texto.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "textos/potencias10.hpp"

namespace rumbal {

namespace {

__extension__ typedef unsigned __int128 entero128;

// |x| rounded half to even to 15 significant digits: the whole number
// 10^14 <= cifras < 10^15 and the decimal exponent of its first digit, so that
// the rounded value is cifras * 10^(exponente - 14).
struct Quince {
    std::uint64_t cifras = 0;
    int exponente = 0;
};

// Exact rounding by whole numbers, for 1e-4 <= ax < 1e15 (the plain range,
// where nearly every number the system writes lies). ax = m * 2^q with m below
// 2^53 and -66 <= q <= -3, so ax * 10^s = m * 10^s / 2^-q with s <= 19: the
// product m * 10^s fits 128 bits, its top part is the whole part and its low
// -q bits the exact fraction, which decides the rounding, halves to even.
bool quincerapido(double ax, Quince& r) {
    if (!(ax >= 1e-4 && ax < 1e15)) return false;
    const auto bits = std::bit_cast<std::uint64_t>(ax);
    const int exponentebinario = static_cast<int>(bits >> 52) - 1023;  // ax in [2^eb, 2^(eb+1))
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int corrimiento = 52 - exponentebinario;  // -q, from 3 to 66
    // floor(eb * log10(2)) for |eb| < 1650: the decimal exponent of ax or one
    // less.
    int exponente = (exponentebinario * 78913) >> 18;
    entero128 producto = static_cast<entero128>(m) * potencias10enteras[static_cast<std::size_t>(14 - exponente)];
    std::uint64_t entera = static_cast<std::uint64_t>(producto >> corrimiento);
    if (entera >= potencias10enteras[15]) {
        ++exponente;
        producto = static_cast<entero128>(m) * potencias10enteras[static_cast<std::size_t>(14 - exponente)];
        entera = static_cast<std::uint64_t>(producto >> corrimiento);
    }
    const entero128 fraccion = producto & ((entero128{1} << corrimiento) - 1);
    const entero128 mitad = entero128{1} << (corrimiento - 1);
    if (fraccion > mitad || (fraccion == mitad && (entera & 1) != 0)) ++entera;
    if (entera == potencias10enteras[15]) {
        entera = potencias10enteras[14];
        ++exponente;
    }
    r.cifras = entera;
    r.exponente = exponente;
    return true;
}

// Any finite non-zero ax: std::to_chars with a precision rounds the exact
// binary value half to even.
Quince quinceexacto(double ax) {
    std::array<char, 32> texto{};
    const auto escrito = std::to_chars(texto.data(), texto.data() + texto.size(), ax,
                                       std::chars_format::scientific, 14);
    // d.dddddddddddddde[+-]xx[x]
    Quince r;
    r.cifras = static_cast<std::uint64_t>(texto[0] - '0');
    for (std::size_t i = 2; i < 16; ++i) r.cifras = r.cifras * 10 + static_cast<std::uint64_t>(texto[i] - '0');
    const char* e = texto.data() + 17;
    if (*e == '+') ++e;
    std::from_chars(e, escrito.ptr, r.exponente);
    return r;
}

constexpr char pares[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The two digits of 0 <= v < 100 at p.
void par(char* p, std::uint32_t v) { std::memcpy(p, pares + 2 * v, 2); }

// The eight digits of v < 10^8 at p.
void ocho(char* p, std::uint32_t v) {
    const std::uint32_t alto = v / 10000;
    const std::uint32_t bajo = v % 10000;
    par(p, alto / 100);
    par(p + 2, alto % 100);
    par(p + 4, bajo / 100);
    par(p + 6, bajo % 100);
}

}  // namespace

char* escribetextonumero(char* p, double x, bool ceroantesdelpunto) {
    if (!std::isfinite(x)) return p;
    if (x == 0) {
        *p++ = '0';
        return p;
    }
    const double ax = std::fabs(x);
    Quince q;
    if (!quincerapido(ax, q)) q = quinceexacto(ax);

    // The fifteen digits, then the count without trailing zeros.
    char cifras[16];
    const auto alto = static_cast<std::uint32_t>(q.cifras / 100000000);  // seven digits
    const auto bajo = static_cast<std::uint32_t>(q.cifras % 100000000);  // eight digits
    cifras[0] = static_cast<char>('0' + alto / 1000000);
    const std::uint32_t resto = alto % 1000000;
    par(cifras + 1, resto / 10000);
    par(cifras + 3, resto / 100 % 100);
    par(cifras + 5, resto % 100);
    ocho(cifras + 7, bajo);
    std::size_t cantidad = 15;
    while (cantidad > 1 && cifras[cantidad - 1] == '0') --cantidad;

    if (x < 0) *p++ = '-';
    const int exponente = q.exponente;
    if (exponente < -4 || exponente > 14) {
        *p++ = cifras[0];
        if (cantidad > 1) {
            *p++ = '.';
            std::memcpy(p, cifras + 1, cantidad - 1);
            p += cantidad - 1;
        }
        *p++ = 'E';
        *p++ = exponente < 0 ? '-' : '+';
        const int ae = std::abs(exponente);
        if (ae >= 100) *p++ = static_cast<char>('0' + ae / 100);
        par(p, static_cast<std::uint32_t>(ae % 100));
        p += 2;
    } else if (exponente < 0) {
        if (ceroantesdelpunto) *p++ = '0';
        *p++ = '.';
        for (int i = -1; i > exponente; --i) *p++ = '0';
        std::memcpy(p, cifras, cantidad);
        p += cantidad;
    } else {
        // The whole part is every digit up to the point, zeros included.
        const auto enteras = static_cast<std::size_t>(exponente + 1);
        std::memcpy(p, cifras, enteras);
        p += enteras;
        if (cantidad > enteras) {
            *p++ = '.';
            std::memcpy(p, cifras + enteras, cantidad - enteras);
            p += cantidad - enteras;
        }
    }
    return p;
}

void agregatextonumero(std::string& destino, double x) {
    char texto[largomaximonumero];
    destino.append(texto, static_cast<std::size_t>(escribetextonumero(texto, x, false) - texto));
}

std::string textonumero(double x) {
    char texto[largomaximonumero];
    return std::string(texto, escribetextonumero(texto, x, false));
}

std::string textoconsigno(double x) {
    if (!std::isfinite(x)) return {};
    char texto[largomaximonumero + 1];
    char* p = texto;
    if (!(x < 0)) *p++ = ' ';
    return std::string(texto, escribetextonumero(p, x, false));
}

std::string textovista(double x) {
    char texto[largomaximonumero];
    return std::string(texto, escribetextonumero(texto, x, true));
}

}  // namespace rumbal
