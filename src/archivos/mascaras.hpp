#pragma once
// The bytes of a record line that delimit fields, 64 at a time, as bit
// masks: bit i of a mask is byte i of the 64. Made with 16-byte comparisons,
// which every x86-64 has, or with 32-byte ones where the processor has them.

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define RUMBAL_ANCHO 1
#else
#define RUMBAL_ANCHO 0
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

#if RUMBAL_ANCHO
// 64 bytes, in two 32-byte halves, compared with one byte value.
__attribute__((target("avx2"))) inline std::uint64_t bits64(__m256i a, __m256i b, char c) {
    const __m256i v = _mm256_set1_epi8(c);
    const auto baja = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(a, v)));
    const auto alta = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(b, v)));
    return baja | std::uint64_t{alta} << 32;
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

#if RUMBAL_ANCHO
// The same masks with 32-byte comparisons and a carry-less multiplication
// by all ones for the running parity, for processors that have AVX2 and
// PCLMUL (the caller asks the processor first).
__attribute__((target("avx2,pclmul"))) inline Mascaras clasificaancho(const char* p) {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
    Mascaras m;
    m.comillas = detalle::bits64(a, b, '"');
    m.comas = detalle::bits64(a, b, ',');
    m.lf = detalle::bits64(a, b, '\n');
    m.cr = detalle::bits64(a, b, '\r');
    m.blancos = detalle::bits64(a, b, ' ') | detalle::bits64(a, b, '\t');
    const __m128i producto = _mm_clmulepi64_si128(_mm_cvtsi64_si128(static_cast<long long>(m.comillas)),
                                                  _mm_set1_epi8(static_cast<char>(0xFF)), 0);
    m.impares = static_cast<std::uint64_t>(_mm_cvtsi128_si64(producto));
    return m;
}
#endif

}  // namespace rumbal
