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
// after a line end (the last at the end of the input). A piece stays where
// it is while the next one is read: the two take turns in two memories, so
// one thread can work on a piece while another reads the next.
class Pedazos {
public:
    Pedazos(std::istream& entrada, std::size_t tamano);
    Pedazos(const Pedazos&) = delete;
    Pedazos& operator=(const Pedazos&) = delete;
    ~Pedazos();

    // Reads the next piece into the memory of the piece before the one at
    // hand, which must no longer be in use. False when there is none that
    // can be read on its own: at the end of the input (the piece is then
    // empty), when no line ends in a piece's length, or when the input failed.
    bool siguiente();
    std::string_view pieza() const { return {actual(), largo_}; }
    std::int64_t byte() const { return byte_; }  // offset in the input of the piece's first byte

    // What is left of the input from its offset byte on, which lies in the
    // piece at hand or the one before: the rest of the pieces and whatever
    // of the input was not read into them. It fails (bad) where the input
    // failed. Valid until the next call.
    std::istream& resto(std::int64_t byte);

private:
    class Encadenado;

    char* actual() const { return memorias_[actual_].get(); }
    char* otra() const { return memorias_[1 - actual_].get(); }

    std::istream& entrada_;
    std::size_t tamano_;
    // The piece, then what was read after its last line end (which the next
    // piece starts with); and the piece before. Left uninitialised: a short
    // input touches only what it fills.
    std::unique_ptr<char[]> memorias_[2];
    int actual_ = 0;
    std::size_t guardados_ = 0;  // bytes in the piece's memory
    std::size_t largo_ = 0;      // bytes of the piece
    std::int64_t byte_ = 0;
    std::size_t largoanterior_ = 0;  // of the piece before, in the other memory
    std::int64_t byteanterior_ = 0;
    bool agotada_ = false;  // the input ended or failed
    std::unique_ptr<Encadenado> encadenado_;
    std::unique_ptr<std::istream> resto_;
};

namespace interno {

// recorre with enparalelo, its input cut into pieces of about pieza
// bytes (half a MiB in the program), so that the tests can put the cuts
// anywhere.
Recuento recorre(std::istream& entrada, Salida& salida, std::size_t n, const Avance& avance, const CadaRegistro& cada,
                 std::size_t pieza);
Recuento recorre(std::istream& entrada, Salida& salida, std::size_t n, const Avance& avance, const CadaCrudo& cada,
                 std::size_t pieza, std::span<const std::size_t> usados = {});

}  // namespace interno

}  // namespace rumbal
