#pragma once
// Reading a file in pieces that two threads read at once.
//
// Where a record starts is known only once the record before it is read (a
// record may run over a line end). But every record the system writes takes
// exactly one line, so a stretch of the input that starts just after a line
// end can be read on its own as if a record started there. Such a reading is
// taken only when it shows the guess was right: every record in the stretch
// read whole and each took exactly one line, the last one ending the stretch.
// A reader standing between records at the start of a line goes on exactly
// as a new reader started at that place would, so the stretches taken, one
// after another, are the very reading of the file from its start. At the
// first stretch that does not read so, one reader reads on from where the
// reading really stands, to the end of the run.

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "archivos/recorrido.hpp"
#include "textos/lector_campos.hpp"

namespace rumbal {

// The fields of records read into a block: n per record, their bytes in textos.
struct Leidos {
    std::vector<CampoLeido> campos;
    std::string textos;
};

// A stretch of the input that starts at the start of a line, read on its
// own; on cache lines of its own, as each thread writes one per record.
struct alignas(64) Trozo {
    std::int64_t byte = 0;  // offset in the input of its first byte
    std::string_view bytes;
    Leidos datos;                      // n fields per record
    std::vector<std::int64_t> lineas;  // the line each record took, the stretch's first line being 1
    std::size_t registros = 0;
    std::int64_t renglones = 0;  // line ends in the stretch
    bool marcautf8 = false;      // at the start of the input, a UTF-8 byte-order mark was passed over
    // Every record read whole on a line of its own, and nothing else but
    // blank lines: the stretch read as the whole file reads it.
    bool fiel = false;
};

// Reads t.bytes as records of n fields, setting everything else in t.
void leetrozo(Trozo& t, std::size_t n);

// Cuts an input stream into pieces of about tamano bytes, each ending just
// after a line end (the last at the end of the input). The last pieces read
// stay where they are while the next ones are read (they take turns in
// memorias memories), so threads can work on them while another reads.
class Pedazos {
public:
    Pedazos(std::istream& entrada, std::size_t tamano, int memorias);
    Pedazos(const Pedazos&) = delete;
    Pedazos& operator=(const Pedazos&) = delete;
    ~Pedazos();

    // Reads the next piece into the memory of the piece memorias pieces
    // before it, which must no longer be in use. False when there is none
    // that can be read on its own: at the end of the input (the piece is
    // then empty), when no line ends in a piece's length, or when the input
    // failed.
    bool siguiente();
    std::string_view pieza() const { return {memorias_[actual_].get(), largos_[actual_]}; }
    std::int64_t byte() const { return bytes_[actual_]; }  // offset in the input of the piece's first byte

    // What is left of the input from its offset byte on, which must lie in
    // one of the last pieces read (as many as there are memories), the one
    // at hand included: the rest of the pieces and whatever of the input was
    // not read into them. It fails (bad) where the input failed. Valid until
    // the next call.
    std::istream& resto(std::int64_t byte);

private:
    class Encadenado;

    std::size_t siguientede(std::size_t k) const { return (k + 1) % memorias_.size(); }

    std::istream& entrada_;
    std::size_t tamano_;
    // In each memory, a piece and then what was read after its last line end
    // (which the next piece starts with). Left uninitialised: a short input
    // touches only what it fills.
    std::vector<std::unique_ptr<char[]>> memorias_;
    std::vector<std::size_t> largos_;  // bytes of each memory's piece
    std::vector<std::int64_t> bytes_;  // offset in the input of each one's first byte
    std::size_t actual_ = 0;           // the piece at hand
    std::size_t guardados_ = 0;        // bytes in its memory
    std::size_t leidas_ = 0;           // pieces read, counted up to the number of memories
    bool agotada_ = false;  // the input ended or failed
    std::unique_ptr<Encadenado> encadenado_;
    std::unique_ptr<std::istream> resto_;
};

namespace interno {

// recorre with enparalelo, its input cut into pieces of about pieza
// bytes (a quarter of a MiB in the program), so that the tests can put the cuts
// anywhere.
Recuento recorre(std::istream& entrada, Salida& salida, std::size_t n, const Avance& avance, const CadaRegistro& cada,
                 std::size_t pieza);
Recuento recorre(std::istream& entrada, Salida& salida, std::size_t n, const Avance& avance, const CadaCrudo& cada,
                 std::size_t pieza, std::span<const std::size_t> usados = {});

}  // namespace interno

}  // namespace rumbal
