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

static_assert(std::endian::native == std::endian::little, "digit words are read lowest byte first");

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
    // Half to even: adding half less one, and one more when the whole part is
    // odd, carries into the whole part exactly when the value rounds up.
    const entero128 mitad = entero128{1} << (corrimiento - 1);
    entera = static_cast<std::uint64_t>((producto + (mitad - 1) + (entera & 1)) >> corrimiento);
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

// The eight decimal digits of v < 10^8, one per byte, the first digit in the
// lowest byte: v is split into two halves of four digits, each half into two of
// two and each of those into two digits, all lanes of a word at once (the
// divisions by 100 and by 10 are multiplications that are exact on these
// ranges).
[[gnu::always_inline]] inline std::uint64_t ochocifras(std::uint32_t v) {
    const std::uint64_t mitades = (v / 10000) | (static_cast<std::uint64_t>(v % 10000) << 32);
    const std::uint64_t centenas = ((mitades * 10486) >> 20) & 0x0000007F0000007F;
    const std::uint64_t cuartos = ((mitades - 100 * centenas) << 16) + centenas;
    std::uint64_t decenas = ((cuartos * 103) >> 10) & 0x000F000F000F000F;
    decenas += (cuartos - 10 * decenas) << 8;
    return decenas;
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

    // The fifteen digits: seven (as eight with a leading 0) and eight. Then the
    // count without trailing zeros, eight digits at a time: a 0 digit is a zero
    // byte, and the last digit of a word its highest byte.
    const std::uint64_t alto = ochocifras(static_cast<std::uint32_t>(q.cifras / 100000000));
    const std::uint64_t bajo = ochocifras(static_cast<std::uint32_t>(q.cifras % 100000000));
    const std::size_t cantidad = bajo != 0 ? 15 - static_cast<std::size_t>(std::countl_zero(bajo)) / 8
                                           : 7 - static_cast<std::size_t>(std::countl_zero(alto)) / 8;
    // The digits as characters, the first in the lowest byte, kept in registers:
    // a group of them is written sixteen bytes at a time and the end set where
    // the group stops (the destination has room for it).
    constexpr std::uint64_t ceros = 0x3030303030303030;
    const entero128 cifras = ((static_cast<entero128>(bajo + ceros) << 64) | (alto + ceros)) >> 8;
    const auto escribe = [&p](entero128 desde, std::size_t cuantas) {
        std::memcpy(p, &desde, 16);
        p += cuantas;
    };

    if (x < 0) *p++ = '-';
    const int exponente = q.exponente;
    if (exponente < -4 || exponente > 14) {
        *p++ = static_cast<char>(cifras);
        if (cantidad > 1) {
            *p++ = '.';
            escribe(cifras >> 8, cantidad - 1);
        }
        *p++ = 'E';
        *p++ = exponente < 0 ? '-' : '+';
        const int ae = std::abs(exponente);
        if (ae >= 100) *p++ = static_cast<char>('0' + ae / 100);
        *p++ = static_cast<char>('0' + ae / 10 % 10);
        *p++ = static_cast<char>('0' + ae % 10);
    } else if (exponente < 0) {
        if (ceroantesdelpunto) *p++ = '0';
        *p++ = '.';
        for (int i = -1; i > exponente; --i) *p++ = '0';
        escribe(cifras, cantidad);
    } else {
        // The whole part is every digit up to the point, zeros included.
        const auto enteras = static_cast<std::size_t>(exponente + 1);
        escribe(cifras, enteras);
        if (cantidad > enteras) {
            *p++ = '.';
            escribe(cifras >> (8 * enteras), cantidad - enteras);
        }
    }
    return p;
}

namespace {

constexpr std::uint64_t unos = 0x0101010101010101;  // one in every byte
constexpr std::uint64_t altos = 0x80 * unos;        // the high bit of every byte

// Bit i set where byte i of the 8 in x is no digit. Each byte compared on
// its own: no carry or borrow crosses bytes.
unsigned nocifras(std::uint64_t x) {
    const std::uint64_t y = x ^ 0x30 * unos;  // a digit becomes 0 to 9
    const std::uint64_t menores = ~((y | altos) - 0x0A * unos) & ~y & altos;
    const std::uint64_t no = ~menores & altos;
    // The eight high bits gathered into the top byte.
    return static_cast<unsigned>(((no >> 7) * 0x0102040810204080) >> 56);
}

std::uint64_t ocho(const char* p) {
    std::uint64_t x;
    std::memcpy(&x, p, 8);
    return x;
}

// esformanumero of a text of 1 to 20 bytes, raros the bytes of it that are
// no digit (bit i for byte i).
bool esformaconraros(std::string_view t, unsigned raros) {
    const std::size_t n = t.size();
    const bool signo = t[0] == '-';
    raros &= ~static_cast<unsigned>(signo);
    // Besides a leading minus, at most one byte is no digit: the point.
    const bool punto = raros != 0;
    const auto donde = static_cast<std::size_t>(std::countr_zero(raros));
    if (punto && ((raros & (raros - 1)) != 0 || t[donde] != '.')) return false;
    const std::size_t enteras = (punto ? donde : n) - signo;
    const std::size_t decimales = punto ? n - donde - 1 : 0;
    if (enteras + decimales == 0) return false;         // "-"
    if (enteras > 0 && t[signo] == '0') return n == 1;  // a leading zero, or "-0"; "0" is the form of zero
    if (punto && (decimales == 0 || t[n - 1] == '0')) return false;
    std::size_t ceros = 0;
    if (enteras == 0)
        while (ceros < decimales && t[donde + 1 + ceros] == '0') ++ceros;
    // Below 1 the first significant digit stands after the zeros, at the
    // exponent -(ceros + 1), which must not be below -4.
    return enteras + decimales - ceros <= 15 && ceros <= 3;
}

// The bytes of a text of 1 to 7 bytes, then '0's (digits, so never taken
// for bytes of the text that are none): loads that cover the text and read
// nothing past it.
std::uint64_t corto(std::string_view t) {
    const std::size_t n = t.size();
    std::uint64_t x = 0;
    if (n >= 4) {
        std::uint32_t a, b;
        std::memcpy(&a, t.data(), 4);
        std::memcpy(&b, t.data() + n - 4, 4);
        x = a | std::uint64_t{b} << (8 * (n - 4));
    } else {
        const auto byte = [&](std::size_t i) { return std::uint64_t{static_cast<unsigned char>(t[i])} << (8 * i); };
        x = byte(0) | byte(n / 2) | byte(n - 1);
    }
    return x | (0x30 * unos) << (8 * n);
}

}  // namespace

bool esformanumero(std::string_view t) {
    // At most a sign, a point, three zeros after it and 15 digits.
    const std::size_t n = t.size();
    if (n == 0 || n > 20) return false;
    // Where its bytes are no digit, found at once from loads that cover it.
    const char* const p = t.data();
    unsigned raros = 0;
    if (n < 8)
        raros = nocifras(corto(t));
    else if (n <= 16)
        raros = nocifras(ocho(p)) | nocifras(ocho(p + n - 8)) << (n - 8);
    else
        raros = nocifras(ocho(p)) | nocifras(ocho(p + 8)) << 8 | nocifras(ocho(p + n - 8)) << (n - 8);
    return esformaconraros(t, raros);
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
