#include "archivos/mascaras.hpp"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace rumbal {

namespace {

std::uint64_t xorprefijo(std::uint64_t x) {
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
std::uint64_t bits16(__m128i x, char c1, char c2) {
    const __m128i iguales = _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(c1)), _mm_cmpeq_epi8(x, _mm_set1_epi8(c2)));
    return static_cast<std::uint16_t>(_mm_movemask_epi8(iguales));
}

// Written out rather than looped: the compiler keeps such loops.
std::uint64_t bits64(const __m128i (&x)[4], char c1, char c2) {
    return bits16(x[0], c1, c2) | bits16(x[1], c1, c2) << 16 | bits16(x[2], c1, c2) << 32 | bits16(x[3], c1, c2) << 48;
}
#endif

#if defined(__x86_64__)
#define RUMBAL_ANCHO __attribute__((target("avx2,pclmul")))

RUMBAL_ANCHO inline std::uint64_t bits32(__m256i x, char c) {
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(x, _mm256_set1_epi8(c))));
}

RUMBAL_ANCHO inline std::uint64_t bits64(__m256i bajo, __m256i alto, char c) {
    return bits32(bajo, c) | bits32(alto, c) << 32;
}

RUMBAL_ANCHO Mascaras clasificaancho(const char* p) {
    const __m256i bajo = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i alto = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
    Mascaras m;
    m.comillas = bits64(bajo, alto, '"');
    m.comas = bits64(bajo, alto, ',');
    m.lf = bits64(bajo, alto, '\n');
    m.cr = bits64(bajo, alto, '\r');
    m.blancos = bits64(bajo, alto, ' ') | bits64(bajo, alto, '\t');
    // Multiplying by all ones without carries xors every shift of the mask.
    const __m128i unos = _mm_set1_epi8(-1);
    const __m128i comillas = _mm_set_epi64x(0, static_cast<long long>(m.comillas));
    m.impares = static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_clmulepi64_si128(comillas, unos, 0)));
    return m;
}
#endif

}  // namespace

namespace interno {

Mascaras clasificacomun(const char* p) {
    Mascaras m;
#if defined(__SSE2__)
    const __m128i x[4] = {_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16)),
                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32)),
                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 48))};
    m.comillas = bits64(x, '"', '"');
    m.comas = bits64(x, ',', ',');
    m.lf = bits64(x, '\n', '\n');
    m.cr = bits64(x, '\r', '\r');
    m.blancos = bits64(x, ' ', '\t');
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
    m.impares = xorprefijo(m.comillas);
    return m;
}

Clasificador clasificadorancho() {
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("pclmul")) return clasificaancho;
#endif
    return nullptr;
}

}  // namespace interno

Clasificador clasificador() {
    static const Clasificador elegido = [] {
        const Clasificador ancho = interno::clasificadorancho();
        return ancho ? ancho : interno::clasificacomun;
    }();
    return elegido;
}

}  // namespace rumbal
