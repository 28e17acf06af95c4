#include "archivos/renglones_llanos.hpp"

#include <bit>
#include <cstring>

// The index is built and read with AVX2, PCLMUL, BMI1, BMI2 and POPCNT, compiled
// for them whatever the build's target; they run only where indexable says
// the processor has them.
#if RUMBAL_ANCHO
#include <cpuid.h>
#define RUMBAL_INDICE 1
#define RUMBAL_PARA_INDICE target("avx2,pclmul,bmi,bmi2,popcnt")
#define RUMBAL_CON_INDICE __attribute__((RUMBAL_PARA_INDICE))
#define RUMBAL_CON_INDICE_EN_LINEA __attribute__((RUMBAL_PARA_INDICE, always_inline)) inline
#else
#define RUMBAL_INDICE 0
#define RUMBAL_CON_INDICE
#define RUMBAL_CON_INDICE_EN_LINEA inline
#endif

namespace rumbal {

namespace {

constexpr std::uint64_t bit63 = std::uint64_t{1} << 63;

#if RUMBAL_INDICE
// Hygon's processors (family 18h) are AMD's family 17h under another name,
// which the compiler's processor checks do not know.
bool eshygon() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (__get_cpuid(0, &a, &b, &c, &d) == 0) return false;
    char vendedor[12];
    std::memcpy(vendedor, &b, 4);
    std::memcpy(vendedor + 4, &d, 4);
    std::memcpy(vendedor + 8, &c, 4);
    return std::string_view(vendedor, sizeof vendedor) == "HygonGenuine";
}

// Field ends of the stretch before its byte p.
RUMBAL_CON_INDICE_EN_LINEA std::uint32_t rangode(const std::uint64_t* fines, const std::uint32_t* previos,
                                                 std::size_t p) {
    const std::size_t j = p >> 6;
    return previos[j] + static_cast<std::uint32_t>(__builtin_popcountll(_bzhi_u64(fines[j], p & 63)));
}

// The offset of the field end of rank r (0 for the first of the stretch),
// in the block of desde or after it: in the last block with at most r ends
// before it. The next three blocks are compared all at once, which covers
// the fields of most lines; a longer line walks on from there.
RUMBAL_CON_INDICE_EN_LINEA std::size_t findelrango(const std::uint64_t* fines, const std::uint32_t* previos,
                                                   std::size_t desde, std::uint32_t r) {
    std::size_t j = desde >> 6;
    j += (previos[j + 1] <= r) + (previos[j + 2] <= r) + (previos[j + 3] <= r);
    while (previos[j + 1] <= r) ++j;
    return j * 64 + _tzcnt_u64(_pdep_u64(std::uint64_t{1} << (r - previos[j]), fines[j]));
}
#endif

}  // namespace

bool RenglonesLlanos::indexable() {
#if RUMBAL_INDICE
    static const bool si = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("bmi") &&
               __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt") && !__builtin_cpu_is("amdfam15h") &&
               !__builtin_cpu_is("amdfam17h") && !eshygon();
    }();
    return si;
#else
    return false;
#endif
}

RenglonesLlanos::RenglonesLlanos(const Trozo& t, std::size_t n, std::uint64_t usados, bool indexar)
    : n_(n),
      usados_(n < 64 ? usados & ((std::uint64_t{1} << n) - 1) : usados),
      b_(t.bytes.data()),
      largo_(t.bytes.size()) {
    malo_ = n == 0 || n > 64 || t.bytes.empty() || t.bytes.back() != '\n' ||
            (t.byte == 0 && t.bytes.starts_with("\xEF\xBB\xBF"));
    // For every field, the index measured a tenth slower than taking the
    // ends one by one; for three of fifteen, half as fast again.
    indexado_ = indexar && !malo_ && 2 * static_cast<std::size_t>(std::popcount(usados_)) <= n &&
                largo_ < (std::size_t{1} << 31) && indexable();
}

// The masks m of 64 bytes checked after those a left: their field ends
// (commas and line ends outside quotes) and the line ends among them; false
// where the bytes show what the masks cannot vouch for.
// Inlined in both ways: a call for every 64 bytes measured a sixth of the index's time.
__attribute__((always_inline)) inline bool RenglonesLlanos::compruebabloque(const Mascaras& m, Arrastre& a,
                                                                            std::uint64_t& fines,
                                                                            std::uint64_t& finesdelinea) {
    const std::uint64_t comillas = m.comillas, comas = m.comas, lf = m.lf, cr = m.cr;
    const std::uint64_t dentro = m.impares ^ (a.dentro ? ~std::uint64_t{0} : 0);
    fines = (comas | lf) & ~dentro;
    finesdelinea = lf & fines;
    const std::uint64_t inicios = (fines << 1) | (a.cargado ? a.finalprevio : 1);
    // Bytes followed by a comma or line end; the last one's follower is in
    // the next block, checked there.
    const std::uint64_t antesdefin = (comas | lf | cr) >> 1;
    const bool seguido = ((comas | lf | cr) & 1) != 0;
    const bool bien =
        // Where the last block left a closing quote or a CR, a field or line end.
        (!a.pendientecomilla || seguido) && (!a.pendientecr || (lf & 1) != 0) &&
        // No line end between quotes, CR only before LF.
        (lf & dentro) == 0 && (cr & ~(lf >> 1) & ~bit63) == 0 &&
        // Every quote opens a field or closes one just before its end.
        (comillas & ~((dentro & inicios) | (~dentro & antesdefin)) & ~bit63) == 0 &&
        // No field starts with a blank.
        (m.blancos & inicios) == 0;
    // A quote in the last byte opens a field there, or closes one and waits for its end.
    const bool abre = (dentro & bit63) != 0;
    if ((comillas & bit63) != 0 && abre && (inicios & bit63) == 0) return false;
    a.pendientecomilla = (comillas & bit63) != 0 && !abre;
    a.pendientecr = (cr & bit63) != 0;
    a.dentro = abre;
    a.finalprevio = fines >> 63;
    a.cargado = true;
    return bien;
}

// The 64 bytes from base; past the end of the stretch, zeros in resto.
const char* RenglonesLlanos::bloque(std::size_t base, char (&resto)[64]) const {
    if (largo_ - base >= 64) return b_ + base;
    std::memset(resto, 0, sizeof resto);
    std::memcpy(resto, b_ + base, largo_ - base);
    return resto;
}

bool RenglonesLlanos::siguiente(std::span<CampoCrudo> campos) {
    if (indexado_) return siguienteindexado(campos);
    // Kept in locals, written back when the line ends: the fields written
    // to campos could otherwise be this object's members, for the compiler.
    const char* const inicio = b_ + desde_;
    const char* desde = inicio;
    std::size_t bloque = base_;  // an offset: past the end once the stretch is done
    std::uint64_t fines = fines_, lineas = lineas_;
    const std::uint64_t usados = usados_;
    const std::size_t n = n_;
    std::size_t k = 0;
    // The masks vouched for the quotes: a field that starts with one is a
    // quoted text whose closing quote ends it. An empty field's first byte
    // is the comma, CR or line end after it.
    const auto campo = [&](const char* hasta) {
        const bool comillas = *desde == '"';
        campos[k] = CampoCrudo{std::string_view(desde + comillas, hasta - desde - 2 * comillas), comillas};
    };
    for (;;) {
        while (fines == 0) {
            if (malo_ || !avanza()) return false;
            bloque = base_;
            fines = fines_;
            lineas = lineas_;
        }
        const auto i = static_cast<unsigned>(__builtin_ctzll(fines));
        fines &= fines - 1;
        if (k == n) return falla();
        const char* const fin = b_ + bloque + i;
        if ((lineas >> i & 1) == 0) {
            if (usados >> k & 1) campo(fin);
            ++k;
            desde = fin + 1;
            continue;
        }
        // A CR before the line end is the line end's (there is no other CR).
        const char* const hasta = fin > desde && fin[-1] == '\r' ? fin - 1 : fin;
        if (usados >> k & 1) campo(hasta);
        fines_ = fines;
        desde_ = static_cast<std::size_t>(fin + 1 - b_);
        // Exactly n fields, not blank, within the reader's length.
        if (k + 1 != n || hasta == inicio || static_cast<std::size_t>(hasta - inicio) >= largomaximorenglon)
            return falla();
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
    if (arrastre_.cargado) base_ += 64;
    if (base_ >= largo_) return false;
    char resto[64];
    return compruebabloque(clasifica(bloque(base_, resto)), arrastre_, fines_, lineas_) || falla();
}

RUMBAL_CON_INDICE bool RenglonesLlanos::siguienteindexado(std::span<CampoCrudo> campos) {
#if RUMBAL_INDICE
    if (!hecho_) indexa();
    if (linea_ == lineasindexadas_) return false;
    const std::uint64_t* const fines = finesbloque_.data();
    const std::uint32_t* const previos = previos_.data();
    const std::size_t desde = desde_, final = finales_[linea_];
    const std::uint32_t primero = rangodesde_;
    const char* const inicio = b_ + desde;
    const char* const finlinea = b_ + final;
    // A CR before the line end is the line end's (there is no other CR).
    const char* const hasta = final > desde && finlinea[-1] == '\r' ? finlinea - 1 : finlinea;
    // Exactly n fields (the n-th end from the line's start is its line end),
    // not blank, within the reader's length.
    if (rangode(fines, previos, final) - primero + 1 != n_ || hasta == inicio ||
        static_cast<std::size_t>(hasta - inicio) >= largomaximorenglon) {
        linea_ = lineasindexadas_;
        return falla();
    }
    // Field k runs from after end k - 1 (at hand when field k - 1 was just
    // given) to end k. The masks vouched for the quotes: a field that starts
    // with one is a quoted text whose closing quote ends it. An empty
    // field's first byte is the comma, CR or line end after it.
    // Each end is looked for from the line's start, not from the end found
    // before it: the searches of a line then do not wait for one another.
    const char* siguientedesde = inicio;
    std::uint32_t siguientek = 0;
    for (std::uint64_t u = usados_; u != 0; u = _blsr_u64(u)) {
        const auto k = static_cast<std::uint32_t>(_tzcnt_u64(u));
        const char* const a =
            k == siguientek ? siguientedesde : b_ + findelrango(fines, previos, desde, primero + k - 1) + 1;
        const char* const z = k + 1 == n_ ? hasta : b_ + findelrango(fines, previos, desde, primero + k);
        const bool comillas = *a == '"';
        campos[k] = CampoCrudo{std::string_view(a + comillas, z - a - 2 * comillas), comillas};
        siguientedesde = z + 1;
        siguientek = k + 1;
    }
    rangodesde_ = primero + static_cast<std::uint32_t>(n_);
    desde_ = final + 1;
    ++linea_;
    ++registros_;
    return true;
#else
    (void)campos;
    return false;
#endif
}

// Every block checked in turn, up to the first that is not plain: its field
// ends, how many came before it, and where its lines end.
RUMBAL_CON_INDICE void RenglonesLlanos::indexa() {
#if RUMBAL_INDICE
    hecho_ = true;
    const std::size_t bloques = (largo_ + 63) / 64;
    finesbloque_.resize(bloques);
    // Past the last block checked, more ends than any rank: the search for
    // the block of a rank stops there.
    previos_.assign(bloques + 4, UINT32_MAX);
    finales_.resize(bloques + 64);
    std::uint32_t antes = 0;  // field ends before the block
    std::size_t lineas = 0;
    Arrastre a;
    char resto[64];
    for (std::size_t j = 0; j < bloques; ++j) {
        std::uint64_t fines = 0, finesdelinea = 0;
        if (!compruebabloque(clasificaancho(bloque(j * 64, resto)), a, fines, finesdelinea)) {
            malo_ = true;
            break;
        }
        finesbloque_[j] = fines;
        previos_[j] = antes;
        antes += static_cast<std::uint32_t>(__builtin_popcountll(fines));
        // Nearly every block has one line end or none: the first is written
        // either way and counted only when there is one.
        if (lineas + 64 > finales_.size()) finales_.resize(2 * finales_.size());
        const auto base = static_cast<std::uint32_t>(j * 64);
        finales_[lineas] = base + static_cast<std::uint32_t>(_tzcnt_u64(finesdelinea));
        lineas += finesdelinea != 0;
        for (finesdelinea = _blsr_u64(finesdelinea); finesdelinea != 0; finesdelinea = _blsr_u64(finesdelinea))
            finales_[lineas++] = base + static_cast<std::uint32_t>(_tzcnt_u64(finesdelinea));
    }
    lineasindexadas_ = lineas;
#endif
}

}  // namespace rumbal
