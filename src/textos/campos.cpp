#include "textos/campos.hpp"

#include "textos/numero_texto.hpp"

namespace rumbal {

void grabacampo(std::string& destino, const ValorCampo& valor, bool ultimo) {
    if (valor.esnumero()) {
        agregatextonumero(destino, valor.numero());
    } else if (valor.estexto()) {
        const std::string& texto = valor.texto();
        destino += '"';
        const std::size_t inicio = destino.size();
        destino += texto;
        if (texto.find('"') != std::string::npos)
            for (std::size_t i = inicio; i < destino.size(); ++i)
                if (destino[i] == '"') destino[i] = '\'';
        destino += '"';
    }
    if (ultimo)
        destino += "\r\n";
    else
        destino += ',';
}

void grabalinea(std::string& destino, std::span<const ValorCampo> valores) {
    for (std::size_t i = 0; i < valores.size(); ++i) grabacampo(destino, valores[i], i + 1 == valores.size());
}

std::string textovisible(const ValorCampo& valor) {
    if (valor.esnumero()) return textovista(valor.numero());
    if (valor.estexto()) return valor.texto();
    return {};
}

}  // namespace rumbal
