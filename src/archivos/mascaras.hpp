#pragma once
// The bytes of a record line that delimit fields, 64 at a time, as bit
// masks: bit i of a mask is byte i of the 64. Made with 16-byte comparisons
// (32-byte ones and a carry-less multiplication for the quotes measured no
// faster: the time goes into bringing the bytes in, not comparing them).

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rumbal {

struct Mascaras {
    std::uint64_t comillas = 0;  // '"'
    std::uint64_t comas = 0;     // ','
    std::uint64_t lf = 0;        // '\n'
    std::uint64_t cr = 0;        // '\r'
    std::uint64_t blancos = 0;   // ' ' or '\t'
    // Bit i set where bits 0 to i of comillas hold an odd count: from an
    // opening quote (included) to its closing one (excluded).
    std::uint64_t impares = 0;
};

namespace detalle {

inline std::uint64_t xorprefijo(std::uint64_t x) {
    x ^= x << 1;
    x ^= x << 2;
    x ^= x << 4;
    x ^= x << 8;
    x ^= x << 16;
    x ^= x << 32;
    return x;
}

#if defined(__SSE2__)
// 16 bytes compared with one or two byte values: bit i is byte i.
inline std::uint64_t bits16(__m128i x, char c1, char c2) {
    const __m128i iguales = _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(c1)), _mm_cmpeq_epi8(x, _mm_set1_epi8(c2)));
    return static_cast<std::uint16_t>(_mm_movemask_epi8(iguales));
}

// Written out rather than looped: the compiler keeps such loops.
inline std::uint64_t bits64(const __m128i (&x)[4], char c1, char c2) {
    return bits16(x[0], c1, c2) | bits16(x[1], c1, c2) << 16 | bits16(x[2], c1, c2) << 32 | bits16(x[3], c1, c2) << 48;
}
#endif

}  // namespace detalle

// p points to 64 readable bytes.
inline Mascaras clasifica(const char* p) {
    Mascaras m;
#if defined(__SSE2__)
    const __m128i x[4] = {_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16)),
                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32)),
                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 48))};
    m.comillas = detalle::bits64(x, '"', '"');
    m.comas = detalle::bits64(x, ',', ',');
    m.lf = detalle::bits64(x, '\n', '\n');
    m.cr = detalle::bits64(x, '\r', '\r');
    m.blancos = detalle::bits64(x, ' ', '\t');
#else
    for (int i = 0; i < 64; ++i) {
        const std::uint64_t bit = std::uint64_t{1} << i;
        m.comillas |= p[i] == '"' ? bit : 0;
        m.comas |= p[i] == ',' ? bit : 0;
        m.lf |= p[i] == '\n' ? bit : 0;
        m.cr |= p[i] == '\r' ? bit : 0;
        m.blancos |= p[i] == ' ' || p[i] == '\t' ? bit : 0;
    }
#endif
    m.impares = detalle::xorprefijo(m.comillas);
    return m;
}

}  // namespace rumbal
