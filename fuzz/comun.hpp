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


}  // namespace rumbal::fuzz
