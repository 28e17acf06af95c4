#include "textos/redondeo.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "textos/potencias10.hpp"

namespace rumbal {

namespace {

constexpr int maximodecimales = 350;

// Rounding through the exact decimal expansion: std::to_chars in fixed form
// rounds the exact value half to even, std::from_chars returns the nearest
// double.
double redondealento(double x, int n) {
    std::array<char, 400 + maximodecimales> texto{};
    auto escrito = std::to_chars(texto.data(), texto.data() + texto.size(), x,
                                 std::chars_format::fixed, n);
    if (escrito.ec != std::errc{}) return x;  // cannot happen with this buffer
    double resultado = x;
    std::from_chars(texto.data(), escrito.ptr, resultado, std::chars_format::fixed);
    return resultado;
}

}  // namespace

int decimalesentero(double ajuste) {
    if (!(ajuste > 0)) return 0;  // negative, zero and NaN
    if (ajuste >= maximodecimales) return maximodecimales;
    return static_cast<int>(std::nearbyint(ajuste));  // default mode: half to even
}

double redondea(double x, int n) {
    if (!std::isfinite(x)) return x;
    if (n < 0) n = 0;
    if (n > maximodecimales) n = maximodecimales;
    // Fast path: y = x * 10^n carries an error of at most half an ulp of y. When
    // y is below 2^52 in magnitude and more than two ulps away from a half,
    // rounding y gives the same integer k as rounding the exact product, and
    // k / 10^n (both exact, one correctly rounded division) is the double
    // nearest to the decimal, the same double from_chars would give.
    if (n < static_cast<int>(potencias10.size())) {
        const double escala = potencias10[static_cast<std::size_t>(n)];
        const double y = x * escala;
        const double ay = std::fabs(y);
        if (ay < 4503599627370496.0) {  // 2^52
            const double piso = static_cast<double>(static_cast<std::int64_t>(ay));  // floor: 0 <= ay < 2^52
            const double fraccion = ay - piso;  // exact
            // ay * 2^-50 is at least two ulps of ay.
            if (std::fabs(fraccion - 0.5) > ay * 0x1p-50) {
                double k = fraccion < 0.5 ? piso : piso + 1;
                if (y < 0) k = -k;
                const double r = k / escala;
                return r == 0 ? std::copysign(0.0, x) : r;
            }
        }
    }
    return redondealento(x, n);
}

double redondea15(double x) {
    if (!std::isfinite(x) || x == 0) return x;
    std::array<char, 32> texto{};
    auto escrito = std::to_chars(texto.data(), texto.data() + texto.size(), x,
                                 std::chars_format::scientific, 14);
    double resultado = x;
    // The largest doubles round past the range; their text reads back as the
    // largest double.
    if (std::from_chars(texto.data(), escrito.ptr, resultado).ec == std::errc::result_out_of_range)
        return std::copysign(std::numeric_limits<double>::max(), x);
    return resultado;
}

}  // namespace rumbal
