#include "archivos/recorrido.hpp"

#include <vector>

#include "textos/lector_campos.hpp"
#include "textos/lectura_numero.hpp"

namespace rumbal {

bool Salida::vacia() {
    if (!memoria_.empty()) {
        destino_.write(memoria_.data(), static_cast<std::streamsize>(memoria_.size()));
        memoria_.clear();
    }
    destino_.flush();
    return static_cast<bool>(destino_);
}

std::optional<double> numerode(const ValorCampo& v) {
    if (v.esnumero()) return v.numero();
    if (v.estexto()) return leenumeroestricto(v.texto());
    return std::nullopt;
}

namespace {

std::string mensajederegistro(std::int64_t registro, std::int64_t linea, const std::string& motivo) {
    return "Registro " + std::to_string(registro) + " (renglón " + std::to_string(linea) + "): " + motivo + ".";
}

}  // namespace

Recuento recorre(std::istream& entrada, Salida* salida, std::size_t n, const Avance& avance, const CadaRegistro& cada) {
    LectorCampos lector(entrada);
    std::vector<ValorCampo> campos(n);
    Recuento r;
    const auto termina = [&](Estado estado, std::string mensaje) {
        r.estado = estado;
        r.mensaje = std::move(mensaje);
        if (salida && !salida->vacia() && r.estado != Estado::fallo) {
            r.estado = Estado::fallo;
            r.mensaje = "No se puede escribir el archivo de resultados.";
        }
        return r;
    };
    while (lector.quedandatos()) {
        const std::int64_t numero = r.registros + 1;
        const Lectura l = lector.leecampos(std::span<ValorCampo>(campos));
        if (l == Lectura::comillassincerrar)
            return termina(Estado::fallo, mensajederegistro(numero, lector.linea(), "falta la comilla que cierra un texto"));
        if (l == Lectura::finderegistro)
            return termina(Estado::fallo,
                           mensajederegistro(numero, lector.linearegistro(), "el archivo termina dentro del registro"));
        const std::string motivo = cada(campos);
        if (!motivo.empty()) return termina(Estado::fallo, mensajederegistro(numero, lector.linearegistro(), motivo));
        r.registros = numero;
        if (salida) salida->tal_vez_vacia();
        if (r.registros % registrosporavance == 0 && avance && !avance(r.registros))
            return termina(Estado::cancelado, {});
    }
    if (lector.fallolectura()) return termina(Estado::fallo, "No se puede leer el archivo de datos.");
    return termina(Estado::completo, {});
}

}  // namespace rumbal
