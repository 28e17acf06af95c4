#pragma once
// What the fuzz targets share: the check of a property that must hold for
// every input. A broken one aborts, so libFuzzer keeps the input as a crash.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#define VERIFICA(condicion) \
    ((condicion) ? void(0) : ::rumbal::fuzz::incumplida(#condicion, __FILE__, __LINE__))

namespace rumbal::fuzz {

[[noreturn]] inline void incumplida(const char* condicion, const char* archivo, int linea) {
    std::fprintf(stderr, "%s:%d: no se cumple: %s\n", archivo, linea, condicion);
    std::abort();
}

// The same double to the bit (minus zero is not zero), or both NaN.
inline bool mismodoble(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Faults found and not mended yet (fuzz/hallazgos/README.md) are left out of
// the properties, so that a run looks for new ones; with the environment
// variable RUMBAL_FUZZ_HALLAZGOS set they are checked too, to see whether one
// is still there.
inline bool conhallazgos() {
    static const bool si = std::getenv("RUMBAL_FUZZ_HALLAZGOS") != nullptr;
    return si;
}

// Whether the number text of x reads back as a number. Fifteen significant
// digits write the few doubles from 1.797693134862315E+308 up to the largest
// as 1.79769313486232E+308, above the largest double, which reads back as no
// number.
inline bool serelee(double x) { return conhallazgos() || std::fabs(x) < 1.797693134862315e308; }

}  // namespace rumbal::fuzz
