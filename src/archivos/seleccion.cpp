#include "archivos/seleccion.hpp"

#include "archivos/registro_punto.hpp"
#include "textos/numero_texto.hpp"

namespace rumbal {

Recuento seleccionacolumnas(std::istream& completo, std::ostream& generado, std::span<const std::size_t> columnas,
                            const Avance& avance) {
    Salida salida(generado);
    // Each field copied as it stands where that gives the bytes its value
    // would (grabalinea of CampoCrudo).
    const CadaCrudo cada = [&](std::span<const CampoCrudo> c, std::string& destino) -> Resultado<void> {
        grabalinea(destino, c, columnas);
        return {};
    };
    return recorre(completo, &salida, columnaspunto, avance, cada, true, columnas);
}

Recuento seleccionaatributo(std::istream& completo, std::ostream& generado, const std::string& atributo,
                            const Avance& avance) {
    Salida salida(generado);
    const CadaCrudo cada = [&](std::span<const CampoCrudo> c, std::string& destino) -> Resultado<void> {
        const ValorCampo v = valordecampo(c[colatributo]);
        const bool igual = v.estexto() ? v.texto() == atributo
                                       : (v.esnumero() ? textonumero(v.numero()) == atributo : atributo.empty());
        if (igual) grabalinea(destino, c);
        return {};
    };
    Recuento r = recorre(completo, &salida, columnaspunto, avance, cada, true);
    // The count is of the records selected: one line each, all of them
    // written unless writing failed.
    r.registros = salida.lineas();
    return r;
}

}  // namespace rumbal
