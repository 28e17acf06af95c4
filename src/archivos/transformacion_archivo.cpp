#include "archivos/transformacion_archivo.hpp"

#include "geodesia/dominio.hpp"
#include "geodesia/transformacion.hpp"

namespace rumbal {

Recuento transformaarchivo(std::istream& datos, std::ostream& resultados, const Transformacion& t,
                           const Decimales& d, const Avance& avance) {
    Salida salida(resultados);
    const auto cada = [&](std::span<ValorCampo> c, std::string& destino) -> Resultado<void> {
        double xyz[3];
        const char* const nombres[] = {"la coordenada x", "la coordenada y", "la coordenada z"};
        for (std::size_t i = 0; i < 3; ++i) {
            const auto v = numerode(c[2 + i]);
            if (!v) return falla(noesnumero(nombres[i], c[2 + i]));
            xyz[i] = *v;
        }
        if (!dominio::geocentricasvalidas(xyz[0], xyz[1], xyz[2])) return falla(dominio::fueradelatierra());
        const auto nuevo = transforma(xyz[0], xyz[1], xyz[2], t, d);
        if (!nuevo) return falla("el punto no se puede transformar: " + nuevo.error().motivo);
        c[2] = nuevo->x;
        c[3] = nuevo->y;
        c[4] = nuevo->z;
        grabalinea(destino, c);
        return {};
    };
    return recorre(datos, &salida, 5, avance, cada, true);
}

}  // namespace rumbal
