#pragma once
// The bytes of a record line that delimit fields, 64 at a time, as bit
// masks: bit i of a mask is byte i of the 64.
//
// Processors that have them classify with 32-byte comparisons and a
// carry-less multiplication; any other with 16-byte ones (or byte by byte
// where there are none). Every way gives the same masks.

#include <cstdint>

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

// p points to 64 readable bytes.
using Clasificador = Mascaras (*)(const char* p);

// The fastest way this processor has, found once.
Clasificador clasificador();

namespace interno {
Mascaras clasificacomun(const char* p);  // any processor
// Null where the processor lacks what it needs.
Clasificador clasificadorancho();
}  // namespace interno

}  // namespace rumbal
