#include "archivos/renglones_llanos.hpp"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rumbal {

namespace {

// 64 bytes loaded once and compared with one byte value at a time: bit i of
// a mask is byte i.
class Sesenta4 {
public:
#if defined(__SSE2__)
    // Written out rather than looped: the compiler keeps such loops.
    explicit Sesenta4(const char* p) : a_(carga(p)), b_(carga(p + 16)), c_(carga(p + 32)), d_(carga(p + 48)) {}
    std::uint64_t es(char c) const {
        const __m128i v = _mm_set1_epi8(c);
        return bits(a_, v) | bits(b_, v) << 16 | bits(c_, v) << 32 | bits(d_, v) << 48;
    }

private:
    static __m128i carga(const char* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
    static std::uint64_t bits(__m128i x, __m128i v) {
        return static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, v)));
    }

    __m128i a_, b_, c_, d_;
#else
    explicit Sesenta4(const char* p) { std::memcpy(b_, p, 64); }
    std::uint64_t es(char c) const {
        std::uint64_t m = 0;
        for (int i = 0; i < 64; ++i) m |= static_cast<std::uint64_t>(b_[i] == c) << i;
        return m;
    }

private:
    char b_[64];
#endif
};

// Bit i set where the bits up to i of x hold an odd count: between an
// opening quote (included) and its closing one (excluded).
std::uint64_t xorprefijo(std::uint64_t x) {
    x ^= x << 1;
    x ^= x << 2;
    x ^= x << 4;
    x ^= x << 8;
    x ^= x << 16;
    x ^= x << 32;
    return x;
}

constexpr std::uint64_t bit63 = std::uint64_t{1} << 63;

}  // namespace

RenglonesLlanos::RenglonesLlanos(const Trozo& t, std::size_t n) : n_(n), b_(t.bytes.data()), largo_(t.bytes.size()) {
    malo_ = n == 0 || t.bytes.empty() || t.bytes.back() != '\n' || (t.byte == 0 && t.bytes.starts_with("\xEF\xBB\xBF"));
}

bool RenglonesLlanos::siguiente(std::span<CampoCrudo> campos) {
    // Kept in locals, written back when the line ends: the fields written
    // to campos could otherwise be this object's members, for the compiler.
    const char* const b = b_;
    const std::size_t inicio = desde_;
    std::size_t desde = desde_, base = base_, k = 0;
    std::uint64_t fines = fines_;
    for (;;) {
        while (fines == 0) {
            if (malo_ || !avanza()) return false;
            base = base_;
            fines = fines_;
        }
        const std::size_t fin = base + static_cast<std::size_t>(__builtin_ctzll(fines));
        fines &= fines - 1;
        // The masks vouched for the quotes: a field that starts with one is
        // a quoted text whose closing quote ends it. An empty field's first
        // byte is the comma or line end that ends it.
        const char primero = b[desde];
        if (k == n_ || primero == ' ' || primero == '\t') return falla();
        const bool comillas = primero == '"';
        if (b[fin] != '\n') {
            campos[k++] = CampoCrudo{std::string_view(b + desde + comillas, fin - desde - 2 * comillas), comillas};
            desde = fin + 1;
            continue;
        }
        // A CR before the line end is the line end's (there is no other CR).
        const std::size_t hasta = fin > desde && b[fin - 1] == '\r' ? fin - 1 : fin;
        campos[k++] = CampoCrudo{std::string_view(b + desde + comillas, hasta - desde - 2 * comillas), comillas};
        desde = fin + 1;
        fines_ = fines;
        desde_ = desde;
        // Exactly n fields, not blank, within the reader's length.
        if (k != n_ || hasta == inicio || hasta - inicio >= largomaximorenglon) return falla();
        ++registros_;
        return true;
    }
}

bool RenglonesLlanos::falla() {
    malo_ = true;
    return false;
}

// Moves on to the next 64 bytes and their field ends; false at the end of
// the stretch, or where they show what the masks cannot vouch for.
bool RenglonesLlanos::avanza() {
    if (cargado_) base_ += 64;
    if (base_ >= largo_) return false;
    char resto[64];
    const char* p = b_ + base_;
    if (largo_ - base_ < 64) {
        std::memset(resto, 0, sizeof resto);
        std::memcpy(resto, p, largo_ - base_);
        p = resto;
    }
    const Sesenta4 bytes(p);
    const std::uint64_t comillas = bytes.es('"'), comas = bytes.es(','), lf = bytes.es('\n'), cr = bytes.es('\r');
    const std::uint64_t dentro = xorprefijo(comillas) ^ (dentro_ ? ~std::uint64_t{0} : 0);
    const std::uint64_t fines = (comas | lf) & ~dentro;
    const std::uint64_t inicios = (fines << 1) | (cargado_ ? finalprevio_ : 1);
    // Bytes followed by a comma or line end; the last one's follower is in
    // the next block, checked there.
    const std::uint64_t antesdefin = (comas | lf | cr) >> 1;
    const bool seguido = ((comas | lf | cr) & 1) != 0;
    const bool bien =
        // Where the last block left a closing quote or a CR, a field or line end.
        (!pendientecomilla_ || seguido) && (!pendientecr_ || (lf & 1) != 0) &&
        // No line end between quotes, CR only before LF.
        (lf & dentro) == 0 && (cr & ~(lf >> 1) & ~bit63) == 0 &&
        // Every quote opens a field or closes one just before its end.
        (comillas & ~((dentro & inicios) | (~dentro & antesdefin)) & ~bit63) == 0;
    // A quote in the last byte opens a field there, or closes one and waits for its end.
    const bool abre = (dentro & bit63) != 0;
    if ((comillas & bit63) != 0 && abre && (inicios & bit63) == 0) return falla();
    pendientecomilla_ = (comillas & bit63) != 0 && !abre;
    pendientecr_ = (cr & bit63) != 0;
    dentro_ = abre;
    finalprevio_ = fines >> 63;
    fines_ = fines;
    cargado_ = true;
    return bien || falla();
}

}  // namespace rumbal
