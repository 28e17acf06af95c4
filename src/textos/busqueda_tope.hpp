#pragma once
// Finding where a field's bytes end: the first byte that is a given stop (a
// comma, or the closing double quote) or a line end (CR or LF).
//
// Nearly every field is a few bytes long and every byte of a file passes
// through here once, so the search looks at 16 bytes at a time where the
// processor has the instructions for it (SSE2 is part of every x86-64), and
// byte by byte over the last few bytes and elsewhere. Both ways find the same
// byte.

#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rumbal {

// The first byte of [p, final) that is tope, CR or LF; final when none is.
template <char tope>
[[gnu::always_inline]] inline const char* buscatope(const char* p, const char* final) {
#if defined(__SSE2__)
    const __m128i t = _mm_set1_epi8(tope);
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (final - p >= 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i es = _mm_or_si128(_mm_cmpeq_epi8(b, t), _mm_or_si128(_mm_cmpeq_epi8(b, cr), _mm_cmpeq_epi8(b, lf)));
        if (const int bits = _mm_movemask_epi8(es); bits != 0) return p + __builtin_ctz(static_cast<unsigned>(bits));
        p += 16;
    }
#endif
    while (p < final && *p != tope && *p != '\r' && *p != '\n') ++p;
    return p;
}

}  // namespace rumbal
