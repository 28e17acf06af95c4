#include "archivos/listado.hpp"

#include "archivos/registro_punto.hpp"

namespace rumbal {

Fila filade(std::span<const ValorCampo> campos, std::span<const std::size_t> columnas) {
    Fila fila;
    fila.reserve(columnas.size());
    for (std::size_t columna : columnas) fila.push_back(textovisible(campos[columna]));
    return fila;
}

Recuento lista(std::istream& completo, std::span<const std::size_t> columnas,
               const std::function<void(Fila&& fila)>& agrega, const Avance& avance) {
    const auto cada = [&](std::span<ValorCampo> c, std::string&) -> Resultado<void> {
        agrega(filade(c, columnas));
        return {};
    };
    return recorre(completo, nullptr, columnaspunto, avance, cada);
}

}  // namespace rumbal
