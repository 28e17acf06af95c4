#pragma once
// Powers of ten for the number paths of the core, in one place.

#include <array>
#include <cstdint>

namespace rumbal {

// 10^0 to 10^22, each a double exactly (10^22 is the largest power of ten that
// a double holds exactly).
inline constexpr std::array<double, 23> potencias10 = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// 10^0 to 10^19, every power of ten a 64-bit unsigned whole number holds.
inline constexpr std::array<std::uint64_t, 20> potencias10enteras = [] {
    std::array<std::uint64_t, 20> t{};
    std::uint64_t p = 1;
    for (auto& v : t) {
        v = p;
        p *= 10;
    }
    return t;
}();

}  // namespace rumbal
