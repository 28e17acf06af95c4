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

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "archivos/mascaras.hpp"
#include "archivos/pedazos.hpp"
#include "textos/campos.hpp"

namespace rumbal {

class RenglonesLlanos {
public:
    // Bit k of usados set for each field k to be given. Records of more than
    // 64 fields are left to the field reader.
    RenglonesLlanos(const Trozo& t, std::size_t n, std::uint64_t usados = ~std::uint64_t{0});

    // The fields in usados of the next line into campos (n of them), their
    // texts where they lie in the stretch, the others left as they were;
    // false at the end of the stretch or at a line that is not plain.
    bool siguiente(std::span<CampoCrudo> campos);
    // After siguiente answered false: every line was plain and the stretch
    // ended with the last one.
    bool completo() const { return !malo_ && desde_ == largo_; }
    std::size_t registros() const { return registros_; }

private:
    bool avanza();
    bool falla();  // the stretch is not plain

    std::size_t n_;
    std::uint64_t usados_;
    const char* b_;
    std::size_t largo_;
    bool malo_ = false;
    bool cargado_ = false;
    std::size_t base_ = 0;           // first byte of the block in fines_
    std::uint64_t fines_ = 0;        // field ends of the block not delimited yet
    std::uint64_t lineas_ = 0;       // the line ends among its field ends
    bool dentro_ = false;            // the block before ended between quotes
    std::uint64_t finalprevio_ = 0;  // its last byte ended a field
    bool pendientecomilla_ = false;  // its last byte was a closing quote
    bool pendientecr_ = false;       // or a CR
    std::size_t desde_ = 0;          // where the next field starts
    std::size_t registros_ = 0;
};

}  // namespace rumbal
