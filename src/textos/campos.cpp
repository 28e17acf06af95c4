#include "textos/campos.hpp"

#include <cstring>
#include <optional>

#include "textos/lectura_numero.hpp"
#include "textos/numero_texto.hpp"

namespace rumbal {

namespace {

// The most characters one field and its separator (or the line end) take.
std::size_t largomaximo(const ValorCampo& valor) {
    return (valor.estexto() ? valor.texto().size() + 2 : largomaximonumero) + 2;
}

char* escribetexto(char* p, std::string_view texto) {
    *p++ = '"';
    for (const char c : texto) *p++ = c == '"' ? '\'' : c;
    *p++ = '"';
    return p;
}

char* escribeseparador(char* p, bool ultimo) {
    if (ultimo) {
        *p++ = '\r';
        *p++ = '\n';
    } else {
        *p++ = ',';
    }
    return p;
}

// Writes one field and its separator at p, which has room for largomaximo of
// it, and returns the end of what it wrote.
char* escribecampo(char* p, const ValorCampo& valor, bool ultimo) {
    if (valor.esnumero()) {
        p = escribetextonumero(p, valor.numero(), false);
    } else if (valor.estexto()) {
        p = escribetexto(p, valor.texto());
    }
    return escribeseparador(p, ultimo);
}

bool esblanco(char c) { return c == ' ' || c == '\t'; }

// The bytes of a bare field without its trailing blanks.
std::string_view sinblancosfinales(std::string_view texto) {
    while (!texto.empty() && esblanco(texto.back())) texto.remove_suffix(1);
    return texto;
}

// The bytes that stand for a field's value in a line, between its quotes
// when it has them, where they are the field's own bytes: a quoted text
// with no quote in it; a number in the number text form, which reads as the
// value it is the text of, so writing that value gives back these bytes; an
// empty field. None where only reading the value tells the bytes.
// Fields are taken by reference: a copy loads the flag with the padding
// after it, 8 bytes where the delimiter has just stored 1, a load the
// processor cannot serve from that store (3 % of a column selection).
std::optional<std::string_view> copiables(const CampoCrudo& campo) {
    if (campo.entrecomillas) {
        if (campo.texto.find('"') != std::string_view::npos) return std::nullopt;
        return campo.texto;
    }
    if (campo.texto.empty()) return campo.texto;
    const std::string_view numero = sinblancosfinales(campo.texto);
    if (!esformanumero(numero)) return std::nullopt;
    return numero;
}

}  // namespace

ValorCampo valordecampo(const CampoCrudo& campo) {
    if (campo.entrecomillas) return ValorCampo(std::string(campo.texto));
    if (campo.texto.empty()) return ValorCampo();
    const std::string_view numero = sinblancosfinales(campo.texto);
    const std::optional<double> v = leenumeroestricto(numero);
    return v ? ValorCampo(*v) : ValorCampo(std::string(campo.texto));
}

// The line is written in place at the end of destino: room for the longest
// line the values can make, the fields, then the size cut to what was written.
void grabacampo(std::string& destino, const ValorCampo& valor, bool ultimo) {
    const std::size_t antes = destino.size();
    destino.resize(antes + largomaximo(valor));
    const char* fin = escribecampo(destino.data() + antes, valor, ultimo);
    destino.resize(static_cast<std::size_t>(fin - destino.data()));
}

// Appended rather than written in place: nearly every field copies its own
// bytes, and appending them costs less than making room first.
void grabacampo(std::string& destino, const CampoCrudo& campo, bool ultimo) {
    const std::optional<std::string_view> bytes = copiables(campo);
    if (!bytes) return grabacampo(destino, valordecampo(campo), ultimo);
    if (campo.entrecomillas) destino += '"';
    destino += *bytes;
    if (campo.entrecomillas) destino += '"';
    destino.append(ultimo ? "\r\n" : ",", ultimo ? 2 : 1);
}

namespace {

// cuantos fields, the k-th being campo(k), as one line of their own bytes,
// when every one has them (nearly always, in a file the system wrote): room
// for exactly that line, then the bytes. False, writing nothing, when a
// field's bytes come only from its value, or there are no fields or more
// than a record of the complete point file holds.
template <class Campo>
bool copialinea(std::string& destino, std::size_t cuantos, const Campo& campo) {
    constexpr std::size_t maximo = 16;
    if (cuantos == 0 || cuantos > maximo) return false;
    // A field's own bytes start where its text does: only their count is kept.
    std::size_t propios[maximo];
    std::size_t largo = 1;  // the line end's two bytes stand where a comma would
    for (std::size_t k = 0; k < cuantos; ++k) {
        const CampoCrudo& c = campo(k);
        const std::optional<std::string_view> bytes = copiables(c);
        if (!bytes) return false;
        propios[k] = bytes->size();
        largo += propios[k] + 1 + 2 * c.entrecomillas;
    }
    const std::size_t antes = destino.size();
    destino.resize(antes + largo);
    char* p = destino.data() + antes;
    for (std::size_t k = 0; k < cuantos; ++k) {
        const CampoCrudo& c = campo(k);
        // A quote is written either way and kept only for a text.
        *p = '"';
        p += c.entrecomillas;
        std::memcpy(p, c.texto.data(), propios[k]);
        p += propios[k];
        *p = '"';
        p += c.entrecomillas;
        *p++ = ',';
    }
    p[-1] = '\r';
    *p = '\n';
    return true;
}

// The same line field by field, where some field's bytes come from its value.
template <class Campo>
void grabalinea(std::string& destino, std::size_t cuantos, const Campo& campo) {
    if (copialinea(destino, cuantos, campo)) return;
    for (std::size_t k = 0; k < cuantos; ++k) grabacampo(destino, campo(k), k + 1 == cuantos);
}

}  // namespace

// The line is written in place at the end of destino: room for the longest
// line the values can make, the fields, then the size cut to what was written.
void grabalinea(std::string& destino, std::span<const ValorCampo> valores) {
    std::size_t largo = 0;
    for (const ValorCampo& v : valores) largo += largomaximo(v);
    const std::size_t antes = destino.size();
    destino.resize(antes + largo);
    char* p = destino.data() + antes;
    for (std::size_t k = 0; k < valores.size(); ++k) p = escribecampo(p, valores[k], k + 1 == valores.size());
    destino.resize(static_cast<std::size_t>(p - destino.data()));
}

void grabalinea(std::string& destino, std::span<const CampoCrudo> campos) {
    grabalinea(destino, campos.size(), [&](std::size_t k) -> const CampoCrudo& { return campos[k]; });
}

void grabalinea(std::string& destino, std::span<const CampoCrudo> campos, std::span<const std::size_t> cuales) {
    grabalinea(destino, cuales.size(), [&](std::size_t k) -> const CampoCrudo& { return campos[cuales[k]]; });
}

std::string textovisible(const ValorCampo& valor) {
    if (valor.esnumero()) return textovista(valor.numero());
    if (valor.estexto()) return valor.texto();
    return {};
}

}  // namespace rumbal
