#pragma once
// What every file algorithm shares: progress, cancelling, the counts it
// returns, and buffered appending to the output.
//
// The algorithms stream record by record (memory does not grow with the
// file), call the progress function every few thousand records with the count
// so far, and stop when it answers false, keeping everything written. A run
// that cannot go on (a record that cannot be read, a value that is not a
// number, a point the computation refuses) stops with a message naming the
// record and its line; what was written before it stays.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <istream>
#include <mutex>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <thread>

#include "base/resultado.hpp"
#include "textos/campos.hpp"
#include "textos/lector_campos.hpp"

namespace rumbal {

// Called with the records read so far; false stops the run.
using Avance = std::function<bool(std::int64_t registros)>;

inline constexpr std::int64_t registrosporavance = 4096;

enum class Estado { completo, cancelado, fallo };

struct Recuento {
    // The count the window shows: records processed, copied or selected, and
    // when writing failed, those whose lines are in the output.
    std::int64_t registros = 0;
    Estado estado = Estado::completo;
    std::string mensaje;  // when estado is fallo: Spanish, Windows-1252
    bool marcautf8 = false;  // the input started with a UTF-8 byte-order mark, passed over
    // The first record that did not take exactly one line (records are read
    // wherever their fields stand, so every later one may be out of step);
    // 0 when every record took one line.
    std::int64_t desfase = 0;
    std::int64_t lineadesfase = 0;
    // Lines of the output file after the run, when the caller counted them.
    std::optional<std::int64_t> lineasarchivo;
};

class Anexo;

// Closes the results file of a run and adds to the count the lines it holds
// and, when the run had not failed yet, the failure of its closing.
void cierraresultados(Anexo& resultados, Recuento& r);

// Appends to an output stream through a buffer of whole lines. When it grows
// past 64 KiB during the run it is handed to a thread of its own that writes
// it while the run reads and computes the next lines (entrega), or written
// at once (vacia) by a run whose two threads are busy already; at the end of
// the run, whatever its end, everything is written. Memory: two such
// buffers where there was one.
class Salida {
public:
    explicit Salida(std::ostream& destino) : destino_(destino) { memoria_.reserve(1 << 17); }
    ~Salida();
    Salida(const Salida&) = delete;
    Salida& operator=(const Salida&) = delete;
    std::string& memoria() { return memoria_; }
    bool llena() const { return memoria_.size() >= (1 << 16); }
    // Hands the buffer to the writing thread once it has written the one
    // before; false when the stream failed (a write fails at most one buffer
    // after it was handed over, and nothing is left being written then).
    bool entrega();
    // Writes everything handed over and in the buffer; false when the stream failed.
    bool vacia();
    // Line ends that reached the stream; asked after entrega or vacia.
    std::int64_t lineas() const { return lineas_; }
    // Why the stream failed, when it can tell (a results file does).
    std::string motivo() const;

private:
    // Writes bytes to the stream; false when it failed.
    bool escribe(const std::string& bytes);
    // Waits until the writing thread has written what it was handed.
    void espera();
    void trabaja();

    std::ostream& destino_;
    std::string memoria_;
    std::string entregada_;  // being written by the writing thread
    std::int64_t lineas_ = 0;
    bool bien_ = true;  // no write failed
    std::thread hilo_;
    std::mutex m_;
    std::condition_variable cv_;
    bool pendiente_ = false;  // entregada_ is not written yet
    bool fin_ = false;
};

// Reads records of n fields until the end of the input or a failure, and hands
// each to cada, which appends what the record gives to destino, or answers the
// reason it cannot go on. Reports progress, flushes the
// output at every end, and names the record and line of any failure in the
// message. registros counts the records read.
//
// Records are read in blocks of at most registrosporavance records or
// about 1 MiB of input, so memory stays the same whatever the file. A write
// that fails stops the run at once; registros then counts the records whose
// lines reached the output. An exception thrown by cada (memory exhausted)
// stops the run with a message like any other failure.
//
// With enparalelo, two threads share the run; cada must then touch nothing
// but its arguments and data that does not change. Records computed from
// their values: this thread reads each block and computes a part of it, the
// other thread the rest, while this one reads the next. Records copied as
// they stand (into an output): reading is most of the work, so both threads
// read, each taking the next piece of a quarter of a MiB cut after a line
// end as soon as it is free (see pedazos.hpp for why that is the same
// reading), lines of plain records delimited 64 bytes at a time
// (renglones_llanos.hpp), and whichever thread finishes a piece appends and
// writes the pieces done, in file order. Either way the output is appended
// in file order, the same bytes as one thread gives. Progress is told by one
// thread at a time (copying: by either, whichever appends), never while a
// thread reads the input, so that avance may ask the input where it stands
// (copying: at every registrosporavance records, and after a piece that
// held fewer). An exception on the other thread reaches the caller as if
// thrown on this one.
using CadaRegistro = std::function<Resultado<void>(std::span<ValorCampo> campos, std::string& destino)>;
Recuento recorre(std::istream& entrada, Salida* salida, std::size_t n, const Avance& avance, const CadaRegistro& cada,
                 bool enparalelo = false);

// The same run, cada given the fields as they stand (valordecampo takes the
// value of those it needs, grabacampo copies them): for the algorithms that
// copy fields rather than compute with them. Where cada reads only some
// fields, usados names them (empty: all): the others may then be given
// empty, which spares delimiting them one by one.
using CadaCrudo = std::function<Resultado<void>(std::span<const CampoCrudo> campos, std::string& destino)>;
Recuento recorre(std::istream& entrada, Salida* salida, std::size_t n, const Avance& avance, const CadaCrudo& cada,
                 bool enparalelo = false, std::span<const std::size_t> usados = {});

// Why the record numbered registro (from 1) cannot be read, as every file
// algorithm words it: "Registro N (renglon L): <reason>." in Windows-1252. The
// line is where an unclosed quote was found, or where the record the file ends
// inside started.
std::string mensajedelectura(std::int64_t registro, const LectorCampos& lector, Lectura falla);

// Why a run stops when the input stream fails for a reason other than its end.
inline constexpr const char* mensajesinlectura = "No se puede leer el archivo de datos.";

// A value that must be a number: a bare number, or a text that is one number.
std::optional<double> numerode(const ValorCampo& v);

// Why such a value cannot be used: "falta <que>" when it is empty, else
// "<que> (<value>) no es un número".
std::string noesnumero(const char* que, const ValorCampo& v);

}  // namespace rumbal
