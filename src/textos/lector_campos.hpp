#pragma once
// Reading record lines.
//
// Fields are read one after another from a stream of bytes: a comma or a line
// end ends a field, and a record is simply the next n fields, across line ends
// if needed (a line with fewer fields takes the rest from the next line; the
// system's own writers never produce one). Leading blanks of a field are
// skipped. A field that starts with a double quote is a text up to the next
// double quote, and whatever stands between that quote and the next comma or
// line end is skipped. Any other field is empty, a number (sign, digits,
// optional period and digits, optional exponent; blanks after it allowed) or
// else a text.
//
// Line ends are CR LF, or a lone LF or CR, so files from any system read alike.
// Blank lines before a record are passed over, so blank lines after the last
// record end the reading like the end of the file.
//
// Three ways of going wrong are reported, never guessed around: a quoted text
// whose closing quote is missing on its line, a file that ends inside a
// record, and a line longer than 64 KiB (no line of the system comes near it:
// the limit keeps memory flat whatever the input, a file of zero bytes
// without line ends included). The reader names the line (counting from 1)
// where it found them.
//
// A UTF-8 byte-order mark at the start of a file, which some editors add, can
// be passed over before the first record.
//
// A reader can tell where it stands between records (lugar) and a new reader
// can resume reading there, so a file can be read from any record on once the
// places of its records are known.

#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "textos/campos.hpp"

namespace rumbal {

enum class Lectura {
    correcta,
    comillassincerrar,  // a quoted text has no closing quote on its line
    finderegistro,      // the file ends inside a record
    renglonlargo,       // a line is longer than largomaximorenglon
};

inline constexpr std::int64_t largomaximorenglon = 65536;  // bytes, line end excluded

// A field read but not yet taken as a value: its bytes (a CampoCrudo's) lie in
// a text shared by the fields of many records, from desde.
struct CampoLeido {
    std::size_t desde = 0;
    std::size_t largo = 0;
    bool entrecomillas = false;

    CampoCrudo en(const std::string& textos) const { return {std::string_view(textos).substr(desde, largo), entrecomillas}; }
};

// Where a reader stands between two records: what a new reader needs to go on
// from there exactly as this one would.
struct LugarLectura {
    std::int64_t byte = 0;   // offset from the start of the stream
    std::int64_t linea = 1;  // line from 1
    bool alprincipiodelinea = true;  // the previous field ended its line (quedandatos() differs within a line)
    std::int64_t iniciorenglon = 0;  // offset where the current line starts (its length is limited)

    bool operator==(const LugarLectura&) const = default;
};

class LectorCampos {
public:
    explicit LectorCampos(std::istream& entrada);
    // Resumes at a place another reader of the same bytes reported between two
    // records; the caller has sought entrada to desde.byte.
    LectorCampos(std::istream& entrada, const LugarLectura& desde);
    // Reads bytes in memory where they are, as a reader of a stream that
    // ends after them and stands at desde (its byte is that of bytes[0]).
    LectorCampos(std::string_view bytes, const LugarLectura& desde);

    // True while a record can start: something other than blanks and line ends
    // is left. Passes over the blank lines before it.
    bool quedandatos();

    // The next n fields, wherever they stand (leecampos of the record syntax).
    Lectura leecampos(std::size_t n, std::vector<ValorCampo>& campos);
    Lectura leecampos(std::span<ValorCampo> campos);
    // The same fields, delimited and failing alike, but kept as they stand
    // (valordecampo takes their values): the bytes of each are appended to
    // textos, and the field tells where they are in it.
    Lectura leecampos(std::span<CampoLeido> campos, std::string& textos);

    // At the start of the stream, passes over a UTF-8 byte-order mark (EF BB
    // BF); tells whether there was one.
    bool saltamarcautf8();

    // Whether the last record read took exactly one line: it started a line
    // and its last field ended it. The system's writers always write so.
    bool registroenunrenglon() const { return empezorenglon_ && alprincipiodelinea_ && linea_ - linearegistro_ <= 1; }

    // Passes over the next n fields, delimited and failing exactly as leecampos
    // would read them, but building no values.
    Lectura saltacampos(std::size_t n);

    // The fields of one whole line: the line of a catalogue.
    Lectura leerenglon(std::vector<ValorCampo>& campos);

    // Line (from 1) where the last record read started, and the line where the
    // reader stands now (where a failure was found).
    std::int64_t linearegistro() const { return linearegistro_; }
    std::int64_t linea() const { return linea_; }

    // Offset in the stream of the next byte to read, and the place to resume
    // at when the reader stands between records.
    std::int64_t desplazamiento() const { return base_ + static_cast<std::int64_t>(posicion_); }
    LugarLectura lugar() const { return {desplazamiento(), linea_, alprincipiodelinea_, iniciorenglon_}; }

    // True when the stream failed for a reason other than its end.
    bool fallolectura() const { return fallo_; }

private:
    // The next byte, or -1 at the end of the file.
    int mira() { return posicion_ < fin_ ? static_cast<unsigned char>(datos_[posicion_]) : rellena(); }
    // Refills the memory from the stream; returns the next byte, or -1 at the end of the file.
    int rellena();
    void avanza();
    // Whether the line the reader stands in has grown past the limit.
    bool renglonexcedido() const { return desplazamiento() - iniciorenglon_ > largomaximorenglon; }
    // Runs over the next n fields of a record, handing each to campo, which
    // delimits it and tells whether it ended the line (or the file).
    template <class Campo>
    Lectura recorrecampos(std::size_t n, Campo campo);
    // Reads one field into valor; tells whether it ended the line (or the file).
    Lectura leecampo(ValorCampo& valor, bool& findelinea);
    // Passes over one field up to and including its comma or line end. With
    // junta, appends its text to texto: a quoted text without its quotes, or
    // the bare bytes up to the comma or line end.
    template <bool junta>
    Lectura delimitacampo(std::string& texto, bool& entrecomillas, bool& findelinea);
    // The same for a field that lies whole in the memory, its comma or line
    // end included, and within the line limit: delimited on the bytes at
    // once. False, having passed over nothing, for any other field.
    template <bool junta>
    bool delimitaenmemoria(std::string& texto, bool& entrecomillas, bool& findelinea);
    void pasafindelinea();
    // Passes over the bytes before the first tope or line end, across refills
    // of the memory, with junta appending them to texto; returns that byte, or
    // -1 at the end of the file, or -2 when the line grows past the limit.
    template <bool junta, char tope>
    int juntahasta(std::string& texto);

    std::istream* entrada_ = nullptr;  // none when reading bytes in memory
    std::vector<char> memoria_;        // what was read of the stream
    const char* datos_ = nullptr;      // the bytes read: memoria_'s or those in memory
    std::size_t posicion_ = 0;
    std::size_t fin_ = 0;
    std::int64_t base_ = 0;  // stream offset of datos_[0]
    bool agotada_ = false;
    bool fallo_ = false;
    bool alprincipiodelinea_ = true;  // the previous field ended its line
    std::int64_t linea_ = 1;
    std::int64_t linearegistro_ = 1;
    std::int64_t iniciorenglon_ = 0;  // stream offset where the current line starts
    bool empezorenglon_ = true;       // the last record started a line
    std::string texto_;
};

// Counts the lines of bytes given piece by piece: line ends (CR LF, lone LF,
// lone CR) counted, plus a last line without one; blank lines count.
class ContadorLineas {
public:
    void agrega(const char* bytes, std::size_t n);
    std::int64_t lineas() const;

private:
    std::int64_t lf_ = 0, cr_ = 0, crlf_ = 0;
    char anterior_ = 0;
    bool algo_ = false;  // a byte was given
};

// Lines of the file at ruta, as ContadorLineas counts them. Nothing when the
// file cannot be read.
std::optional<std::int64_t> cuentalineas(const std::string& ruta);

}  // namespace rumbal
