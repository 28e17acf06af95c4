#include "archivos/listado.hpp"

#include "archivos/registro_punto.hpp"

namespace rumbal {

Recuento lista(std::istream& completo, std::span<const std::size_t> columnas,
               const std::function<void(Fila&& fila)>& agrega, const Avance& avance) {
    const auto cada = [&](std::span<ValorCampo> c, std::string&) -> std::string {
        Fila fila;
        fila.reserve(columnas.size());
        for (std::size_t columna : columnas) fila.push_back(textovisible(c[columna]));
        agrega(std::move(fila));
        return {};
    };
    return recorre(completo, nullptr, columnaspunto, avance, cada);
}

}  // namespace rumbal
