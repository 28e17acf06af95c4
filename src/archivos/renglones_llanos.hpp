#pragma once
// Delimiting a stretch of the system's own records fast, line by line.
//
// The files the system writes hold one record a line, CR LF after each (a
// lone LF is taken too), each field plain bytes or a text between two
// quotes. In such a stretch the fields can be found 64 bytes at a time: bit
// masks of its quotes, commas and line ends, and the bytes between quotes as
// the running parity of the quote mask; a field ends at a comma or line end
// outside quotes.
//
// That finds what the field reader finds only where nothing else is in the
// way, so a line is given only when it shows it: exactly n fields, not
// blank, shorter than the reader's line limit, no field starting with a
// blank, a quote only as the first and last byte of a quoted text, no line
// end between quotes, CR only before LF. The stretch as a whole reads so
// when every line did and a line end is its last byte; anything else (and a
// byte-order mark at the start of the input) leaves the stretch to the field
// reader, which tells what it is.
//
// Two ways give the same lines. Where at most half of the fields are asked
// for and the processor has what it needs (see indexable), the stretch is
// indexed first: the field ends of each 64 bytes, how many came before, and
// where the lines end; a line's field count and the ends of the fields
// asked for are then found by counting and selecting bits, with no loop
// over the line's fields. Otherwise the field ends are taken one by one as
// the blocks are checked.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "archivos/mascaras.hpp"
#include "archivos/pedazos.hpp"
#include "textos/campos.hpp"

namespace rumbal {

class RenglonesLlanos {
public:
    // Bit k of usados set for each field k to be given. Records of more than
    // 64 fields are left to the field reader. indexar false keeps to taking
    // the ends one by one (for the tests of that way).
    RenglonesLlanos(const Trozo& t, std::size_t n, std::uint64_t usados = ~std::uint64_t{0}, bool indexar = true);

    // The fields in usados of the next line into campos (n of them), their
    // texts where they lie in the stretch, the others left as they were;
    // false at the end of the stretch or at a line that is not plain.
    bool siguiente(std::span<CampoCrudo> campos);
    // After siguiente answered false: every line was plain and the stretch
    // ended with the last one.
    bool completo() const { return !malo_ && desde_ == largo_; }
    std::size_t registros() const { return registros_; }

    // This processor indexes fast: it has AVX2, PCLMUL, BMI1, BMI2 and
    // POPCNT, and its bit deposit takes a few cycles (not the hundreds of
    // AMD's and Hygon's before family 19h).
    static bool indexable();
    // The lines are taken from the index.
    bool indexado() const { return indexado_; }

private:
    // What the check of one block of 64 bytes leaves to the next.
    struct Arrastre {
        bool cargado = false;           // a block was checked
        bool dentro = false;            // it ended between quotes
        std::uint64_t finalprevio = 0;  // its last byte ended a field
        bool pendientecomilla = false;  // its last byte was a closing quote
        bool pendientecr = false;       // or a CR
    };
    // Defined, and inlined, where it is used.
    static inline bool compruebabloque(const Mascaras& m, Arrastre& a, std::uint64_t& fines,
                                       std::uint64_t& finesdelinea);

    const char* bloque(std::size_t base, char (&resto)[64]) const;
    bool avanza();
    bool falla();  // the stretch is not plain
    bool siguienteindexado(std::span<CampoCrudo> campos);
    void indexa();

    std::size_t n_;
    std::uint64_t usados_;
    const char* b_;
    std::size_t largo_;
    bool malo_ = false;
    std::size_t desde_ = 0;  // where the next line starts
    std::size_t registros_ = 0;

    // Ends taken one by one.
    std::size_t base_ = 0;      // first byte of the block in fines_
    std::uint64_t fines_ = 0;   // field ends of the block not delimited yet
    std::uint64_t lineas_ = 0;  // the line ends among its field ends
    Arrastre arrastre_;

    // The index, made at the first line, up to the first block that is not
    // plain; offsets in the stretch are 32 bits.
    bool indexado_ = false;
    [[maybe_unused]] bool hecho_ = false;
    std::vector<std::uint64_t> finesbloque_;  // field ends of each block
    std::vector<std::uint32_t> previos_;      // field ends before each block
    std::vector<std::uint32_t> finales_;      // where each line ends
    [[maybe_unused]] std::size_t lineasindexadas_ = 0;
    [[maybe_unused]] std::size_t linea_ = 0;         // the next line
    [[maybe_unused]] std::uint32_t rangodesde_ = 0;  // field ends before it
};

}  // namespace rumbal
