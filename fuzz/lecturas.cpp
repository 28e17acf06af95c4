// Number readings and angle text readings on any text: the whole input is the
// text. None may throw or crash, and each keeps what it promises: a leading
// number is never NaN, a strict reading is finite and agrees with from_chars
// and with the leading reading, the first comma and the leading blanks are
// all that the repairs touch, and an angle reads the same with its sign, its
// blanks and its comma moved as the layout allows. The first nine bytes are
// also a double and a number of decimals, for the number text and the
// rounding that every reading here is read back through.

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "comun.hpp"
#include "geodesia/angulos.hpp"
#include "geodesia/dominio.hpp"
#include "textos/lectura_numero.hpp"
#include "textos/numero_texto.hpp"
#include "textos/redondeo.hpp"

using namespace rumbal;
using namespace rumbal::fuzz;

namespace {

// Every reader of an angle text, and whether a value it gives is always
// finite. Nothing is a text the reader refuses. A new reader is one more line.
struct LectorAngulo {
    std::optional<double> (*lee)(std::string_view texto);
    bool finito;
};

const LectorAngulo lectoresdeangulo[] = {
    {[](std::string_view t) -> std::optional<double> { return gmsagra(t); }, false},
    {[](std::string_view t) -> std::optional<double> { return texarad(t); }, false},
    {dominio::leeangulo, true},
};

// The value of a whole number text by the standard library: nothing when it
// is out of the range of a double and not one of the texts that round to the
// largest double's 15 digits.
std::optional<double> valorstd(std::string_view numero) {
    bool negativo = false;
    if (!numero.empty() && (numero.front() == '+' || numero.front() == '-')) {
        negativo = numero.front() == '-';
        numero.remove_prefix(1);
    }
    double v = 0;
    const auto r = std::from_chars(numero.data(), numero.data() + numero.size(), v);
    if (r.ec == std::errc::result_out_of_range) {
        // Just past the largest double, up to its 15-digit text
        // 1.79769313486232E+308, the program reads the largest double.
        long double ancho = 0;
        std::from_chars(numero.data(), numero.data() + numero.size(), ancho);
        if (ancho < 1 || ancho > 1.79769313486232E+308L) return std::nullopt;
        v = std::numeric_limits<double>::max();
    } else {
        VERIFICA(r.ec == std::errc{} && r.ptr == numero.data() + numero.size());
    }
    return negativo ? -v : v;
}

void numeros(std::string_view t) {
    const double inicial = leenumero(t);
    VERIFICA(!std::isnan(inicial));
    // Blanks, tabs and line feeds anywhere are as if they were not there.
    std::string juntos;
    for (char c : t)
        if (c != ' ' && c != '\t' && c != '\n') juntos += c;
    VERIFICA(mismodoble(leenumero(juntos), inicial));

    const std::size_t largo = largonumero(t);
    VERIFICA(largo <= t.size());
    const std::string_view numero = t.substr(0, largo);
    VERIFICA(largonumero(numero) == largo);
    const bool sinblancos = t.find_first_of(" \t\n") == std::string_view::npos;
    if (largo == 0) {
        VERIFICA(!leenumeroestricto(numero));
        if (sinblancos) VERIFICA(mismodoble(inicial, 0));
    } else {
        const auto estricto = leenumeroestricto(numero);
        const auto esperado = valorstd(numero);
        VERIFICA(estricto.has_value() == esperado.has_value());
        if (estricto) {
            VERIFICA(mismodoble(*estricto, *esperado));
            if (sinblancos) VERIFICA(mismodoble(inicial, *estricto));
        } else if (sinblancos) {
            // Out of range: an infinity of its sign, or a zero.
            VERIFICA(std::isinf(inicial) || inicial == 0);
        }
    }

    if (const auto estricto = leenumeroestricto(t)) {
        VERIFICA(std::isfinite(*estricto));
        VERIFICA(mismodoble(*estricto, inicial));
        // Written in the number text form and read again: the double of its
        // 15 significant digits.
        const auto releido = leenumeroestricto(textonumero(*estricto));
        VERIFICA(releido.has_value());
        VERIFICA(*releido == redondea15(*estricto));
    }

    const std::string reparado = reparacoma(std::string(t));
    VERIFICA(reparado.size() == t.size());
    const std::size_t coma = t.find(',');
    for (std::size_t i = 0; i < t.size(); ++i) VERIFICA(reparado[i] == (i == coma ? '.' : t[i]));

    const std::string sinblancosiniciales_ = sinblancosiniciales(std::string(t));
    VERIFICA(sinblancosiniciales_ == t.substr(std::min(t.find_first_not_of(' '), t.size())));
}

void angulos(std::string_view t) {
    for (const LectorAngulo& lector : lectoresdeangulo) {
        const auto v = lector.lee(t);
        if (v && lector.finito) VERIFICA(std::isfinite(*v));
    }

    const double grados = gmsagra(t);
    VERIFICA(mismodoble(texarad(t), (grados * PI) / 180));
    // Leading blanks are passed over; a sign before the text changes the sign.
    VERIFICA(mismodoble(gmsagra(" " + std::string(t)), grados));
    if (!t.empty() && t.front() != ' ' && t.front() != '+' && t.front() != '-') {
        VERIFICA(mismodoble(gmsagra("-" + std::string(t)), -grados));
        VERIFICA(mismodoble(gmsagra("+" + std::string(t)), grados));
    }
    // The strict reading of a data file's angle takes what gmsagra reads.
    if (const auto estricto = dominio::leeangulo(t)) VERIFICA(mismodoble(*estricto, grados));
    // The first comma reads as a period.
    const std::size_t coma = t.find(',');
    if (coma != std::string_view::npos && t.find(',', coma + 1) == std::string_view::npos)
        VERIFICA(mismodoble(gmsagra(reparacoma(std::string(t))), grados));

    // An angle written in the layout reads back within half its last
    // decimal, strictly too.
    if (std::isfinite(grados) && std::fabs(grados) <= 360) {
        for (int n = 0; n <= 6; ++n) {
            const std::string texto = gratex(grados, n);
            VERIFICA(!texto.empty());
            VERIFICA(std::fabs(gmsagra(texto) - grados) <= 0.5 * std::pow(10.0, -n) / 3600 + 1e-12);
            const auto estricto = dominio::leeangulo(texto);
            VERIFICA(estricto.has_value());
            VERIFICA(mismodoble(*estricto, gmsagra(texto)));
        }
    }
}

// x rounded to n decimals through its exact decimal expansion: the rounding
// every fast path must agree with.
double redondeoexacto(double x, int n) {
    std::array<char, 800> texto{};
    const auto escrito = std::to_chars(texto.data(), texto.data() + texto.size(), x, std::chars_format::fixed, n);
    VERIFICA(escrito.ec == std::errc{});
    double r = 0;
    VERIFICA(std::from_chars(texto.data(), escrito.ptr, r).ec == std::errc{});
    return r;
}

// The first eight bytes as a double and the ninth as decimals: the number
// text of any double reads back as its 15 digits, and its rounding is the
// exact one.
void dobles(const std::uint8_t* datos, std::size_t tamano) {
    if (tamano < 9) return;
    double x = 0;
    std::memcpy(&x, datos, sizeof x);
    if (!std::isfinite(x)) {
        VERIFICA(textonumero(x).empty());
        return;
    }
    const auto releido = leenumeroestricto(textonumero(x));
    VERIFICA(releido.has_value());
    VERIFICA(*releido == redondea15(x));
    const int n = datos[8] % 32;
    VERIFICA(mismodoble(redondea(x, n), redondeoexacto(x, n)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);
    numeros(texto);
    angulos(texto);
    dobles(datos, tamano);
    return 0;
}
