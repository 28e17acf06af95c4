#include "archivos/transformacion_archivo.hpp"

#include "geodesia/dominio.hpp"
#include "geodesia/transformacion.hpp"

namespace rumbal {

Recuento transformaarchivo(std::istream& datos, std::ostream& resultados, const Transformacion& t,
                           const Decimales& d, const Avance& avance) {
    Salida salida(resultados);
    // Point and attribute are copied as they stand where that gives the bytes
    // their values would (grabacampo of a CampoCrudo); only x, y, z are read.
    const CadaCrudo cada = [&](std::span<const CampoCrudo> c, std::string& destino) -> Resultado<void> {
        double xyz[3];
        const char* const nombres[] = {"la coordenada x", "la coordenada y", "la coordenada z"};
        for (std::size_t i = 0; i < 3; ++i) {
            const ValorCampo valor = valordecampo(c[2 + i]);
            const auto v = numerode(valor);
            if (!v) return falla(noesnumero(nombres[i], valor));
            xyz[i] = *v;
        }
        if (!dominio::geocentricasvalidas(xyz[0], xyz[1], xyz[2])) return falla(dominio::fueradelatierra());
        const auto nuevo = transforma(xyz[0], xyz[1], xyz[2], t, d);
        if (!nuevo) return falla("el punto no se puede transformar: " + nuevo.error().motivo);
        grabacampo(destino, c[0], false);
        grabacampo(destino, c[1], false);
        const ValorCampo xyznuevos[] = {nuevo->x, nuevo->y, nuevo->z};
        grabalinea(destino, xyznuevos);
        return {};
    };
    return recorre(datos, &salida, 5, avance, cada, true);
}

}  // namespace rumbal
