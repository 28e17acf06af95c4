#include "archivos/renglones_llanos.hpp"

#include <cstring>

namespace rumbal {

namespace {

constexpr std::uint64_t bit63 = std::uint64_t{1} << 63;

}  // namespace

RenglonesLlanos::RenglonesLlanos(const Trozo& t, std::size_t n, std::uint64_t usados)
    : n_(n), usados_(usados), b_(t.bytes.data()), largo_(t.bytes.size()) {
    malo_ = n == 0 || n > 64 || t.bytes.empty() || t.bytes.back() != '\n' ||
            (t.byte == 0 && t.bytes.starts_with("\xEF\xBB\xBF"));
}

bool RenglonesLlanos::siguiente(std::span<CampoCrudo> campos) {
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
    if (cargado_) base_ += 64;
    if (base_ >= largo_) return false;
    char resto[64];
    const char* p = b_ + base_;
    if (largo_ - base_ < 64) {
        std::memset(resto, 0, sizeof resto);
        std::memcpy(resto, p, largo_ - base_);
        p = resto;
    }
    const Mascaras m = clasifica(p);
    const std::uint64_t comillas = m.comillas, comas = m.comas, lf = m.lf, cr = m.cr;
    const std::uint64_t dentro = m.impares ^ (dentro_ ? ~std::uint64_t{0} : 0);
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
        (comillas & ~((dentro & inicios) | (~dentro & antesdefin)) & ~bit63) == 0 &&
        // No field starts with a blank.
        (m.blancos & inicios) == 0;
    // A quote in the last byte opens a field there, or closes one and waits for its end.
    const bool abre = (dentro & bit63) != 0;
    if ((comillas & bit63) != 0 && abre && (inicios & bit63) == 0) return falla();
    pendientecomilla_ = (comillas & bit63) != 0 && !abre;
    pendientecr_ = (cr & bit63) != 0;
    dentro_ = abre;
    finalprevio_ = fines >> 63;
    fines_ = fines;
    lineas_ = lf & fines;
    cargado_ = true;
    return bien || falla();
}

}  // namespace rumbal
