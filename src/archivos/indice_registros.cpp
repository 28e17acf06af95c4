#include "archivos/indice_registros.hpp"

#include <algorithm>

namespace rumbal {

namespace {

Recuento detiene(std::int64_t registros, Estado estado, std::string mensaje = {}) {
    Recuento r;
    r.registros = registros;
    r.estado = estado;
    r.mensaje = std::move(mensaje);
    return r;
}

}  // namespace

Indexado indexa(std::istream& entrada, std::size_t campos, const Avance& avance, std::int64_t paso) {
    Indexado x;
    IndiceRegistros& indice = x.indice;
    indice.campos = campos;
    indice.paso = paso;
    LectorCampos lector(entrada);
    while (lector.quedandatos()) {
        const LugarLectura inicio = lector.lugar();
        const Lectura l = lector.saltacampos(campos);
        if (l != Lectura::correcta) {
            x.recuento = detiene(indice.registros, Estado::fallo, mensajedelectura(indice.registros + 1, lector, l));
            return x;
        }
        if (indice.registros % paso == 0) indice.lugares.push_back(inicio);
        ++indice.registros;
        if (indice.registros % registrosporavance == 0 && avance && !avance(indice.registros)) {
            x.recuento = detiene(indice.registros, Estado::cancelado);
            return x;
        }
    }
    const bool fallo = lector.fallolectura();
    x.recuento = detiene(indice.registros, fallo ? Estado::fallo : Estado::completo, fallo ? mensajesinlectura : "");
    return x;
}

std::vector<Fila> leefilas(std::istream& entrada, const IndiceRegistros& indice, std::span<const std::size_t> columnas,
                           std::int64_t desde, std::int64_t cuantos) {
    std::vector<Fila> filas;
    const std::int64_t hasta = std::min(desde + cuantos, indice.registros);
    if (desde < 0 || desde >= hasta) return filas;
    const LugarLectura& lugar = indice.lugares[static_cast<std::size_t>(desde / indice.paso)];
    entrada.clear();
    if (!entrada.seekg(lugar.byte)) return filas;
    LectorCampos lector(entrada, lugar);
    for (std::int64_t i = desde - desde % indice.paso; i < desde; ++i)
        if (!lector.quedandatos() || lector.saltacampos(indice.campos) != Lectura::correcta) return filas;
    std::vector<ValorCampo> campos(indice.campos);
    filas.reserve(static_cast<std::size_t>(hasta - desde));
    for (std::int64_t i = desde; i < hasta; ++i) {
        if (!lector.quedandatos() || lector.leecampos(campos) != Lectura::correcta) break;
        filas.push_back(filade(campos, columnas));
    }
    return filas;
}

}  // namespace rumbal
