#pragma once
// Counting the line ends (LF) of bytes written, which is how the output
// files' lines are counted: every byte written passes through here, so the
// count takes 16 bytes at a time where the processor has the instructions
// for it (SSE2 is part of every x86-64) and byte by byte elsewhere.

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rumbal {

inline std::int64_t cuentalf(const char* p, std::size_t n) {
    std::int64_t cuenta = 0;
    const char* final = p + n;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cero = _mm_setzero_si128();
    // Each byte of the sum counts at most 255 blocks before it is added up.
    while (final - p >= 16) {
        __m128i suma = cero;
        for (int k = 0; k < 255 && final - p >= 16; ++k, p += 16)
            suma = _mm_sub_epi8(suma, _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), lf));
        const __m128i mitades = _mm_sad_epu8(suma, cero);
        cuenta += _mm_cvtsi128_si32(mitades) + _mm_cvtsi128_si32(_mm_srli_si128(mitades, 8));
    }
#endif
    for (; p < final; ++p) cuenta += *p == '\n';
    return cuenta;
}

}  // namespace rumbal
