#pragma once
// Field values and the writing of record lines.
//
// Every text file of the system is made of lines of comma-separated fields
// ended by CR LF, one byte per character (Windows-1252). A field value is empty
// (written as nothing), a number (written bare in the number text form) or a
// text (written between double quotes, unchanged). A value read from a line and
// written again keeps its kind: a quoted "007" stays "007", a bare 007 becomes
// the number 7 and is written 7.
//
// The line syntax has no escape for a double quote inside a text. Writers
// replace such a character by an apostrophe, so that the line stays readable
// and no later field is shifted.

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace rumbal {

struct Vacio {
    bool operator==(const Vacio&) const = default;
};

class ValorCampo {
public:
    ValorCampo() = default;
    ValorCampo(double numero) : valor_(numero) {}
    ValorCampo(std::string texto) : valor_(std::move(texto)) {}
    ValorCampo(const char* texto) : valor_(std::string(texto)) {}

    bool esvacio() const { return std::holds_alternative<Vacio>(valor_); }
    bool esnumero() const { return std::holds_alternative<double>(valor_); }
    bool estexto() const { return std::holds_alternative<std::string>(valor_); }
    double numero() const { return std::get<double>(valor_); }
    const std::string& texto() const { return std::get<std::string>(valor_); }

    bool operator==(const ValorCampo&) const = default;

private:
    std::variant<Vacio, double, std::string> valor_;
};

// A field as it stands in a line, before its value is taken: the bytes of a
// quoted text between its quotes, or the bytes of a bare field from its first
// non-blank up to its comma or line end.
struct CampoCrudo {
    std::string_view texto;
    bool entrecomillas = false;
};

// The value a field stands for: a quoted text is that text; a bare field is
// empty, a number (when the whole of it but trailing blanks is one) or else a
// text of its bytes.
ValorCampo valordecampo(const CampoCrudo& campo);

// Appends one field by the line syntax followed by a comma, or, when ultimo is
// set, by the line end CR LF.
void grabacampo(std::string& destino, const ValorCampo& valor, bool ultimo);

// The same bytes as grabacampo of valordecampo(campo), copied from the field
// where they are provably the same (a quoted text; a number already in the
// number text form) instead of read and written again.
void grabacampo(std::string& destino, const CampoCrudo& campo, bool ultimo);

// Appends one whole line: the values in order, the last one ending the line.
void grabalinea(std::string& destino, std::span<const ValorCampo> valores);
void grabalinea(std::string& destino, std::span<const CampoCrudo> campos);
// The line of the fields numbered in cuales, in that order (none when it is empty).
void grabalinea(std::string& destino, std::span<const CampoCrudo> campos, std::span<const std::size_t> cuales);

// A value as a person reads it: a text unchanged, a number in the display form,
// an empty value as an empty text.
std::string textovisible(const ValorCampo& valor);

}  // namespace rumbal
