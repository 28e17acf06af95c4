#include "textos/campos.hpp"

#include "textos/numero_texto.hpp"

namespace rumbal {

namespace {

// The most characters one field and its separator (or the line end) take.
std::size_t largomaximo(const ValorCampo& valor) {
    return (valor.estexto() ? valor.texto().size() + 2 : largomaximonumero) + 2;
}

// Writes one field and its separator at p, which has room for largomaximo of
// it, and returns the end of what it wrote.
char* escribecampo(char* p, const ValorCampo& valor, bool ultimo) {
    if (valor.esnumero()) {
        p = escribetextonumero(p, valor.numero(), false);
    } else if (valor.estexto()) {
        *p++ = '"';
        for (const char c : valor.texto()) *p++ = c == '"' ? '\'' : c;
        *p++ = '"';
    }
    if (ultimo) {
        *p++ = '\r';
        *p++ = '\n';
    } else {
        *p++ = ',';
    }
    return p;
}

}  // namespace

// The line is written in place at the end of destino: room for the longest
// line the values can make, the fields, then the size cut to what was written.
void grabacampo(std::string& destino, const ValorCampo& valor, bool ultimo) {
    const std::size_t antes = destino.size();
    destino.resize(antes + largomaximo(valor));
    const char* fin = escribecampo(destino.data() + antes, valor, ultimo);
    destino.resize(static_cast<std::size_t>(fin - destino.data()));
}

void grabalinea(std::string& destino, std::span<const ValorCampo> valores) {
    std::size_t largo = 0;
    for (const ValorCampo& v : valores) largo += largomaximo(v);
    const std::size_t antes = destino.size();
    destino.resize(antes + largo);
    char* p = destino.data() + antes;
    for (std::size_t i = 0; i < valores.size(); ++i) p = escribecampo(p, valores[i], i + 1 == valores.size());
    destino.resize(static_cast<std::size_t>(p - destino.data()));
}

std::string textovisible(const ValorCampo& valor) {
    if (valor.esnumero()) return textovista(valor.numero());
    if (valor.estexto()) return valor.texto();
    return {};
}

}  // namespace rumbal
