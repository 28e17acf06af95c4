#include "catalogos/carga.hpp"

#include <fstream>

#include "textos/cita.hpp"
#include "textos/lector_campos.hpp"
#include "textos/numero_texto.hpp"

namespace rumbal {

namespace {

std::string descripcion(const ValorCampo& v) {
    if (v.esvacio()) return "está vacío";
    return "(" + cita(v) + ") no es un número";
}

// Checks a line's fields against the catalogue's format; texts that read as
// numbers become texts again, empty texts become empty texts.
Resultado<void> ajustaalformato(Renglon& campos, std::string_view formato) {
    if (campos.size() != formato.size())
        return falla("tiene " + std::to_string(campos.size()) + (campos.size() == 1 ? " campo" : " campos") +
                     " y debe tener " + std::to_string(formato.size()));
    for (std::size_t i = 0; i < campos.size(); ++i) {
        ValorCampo& v = campos[i];
        if (formato[i] == 'N') {
            if (!v.esnumero()) return falla("el campo " + std::to_string(i + 1) + " " + descripcion(v));
        } else if (v.esnumero()) {
            v = ValorCampo(textonumero(v.numero()));
        } else if (v.esvacio()) {
            v = ValorCampo(std::string());
        }
    }
    return {};
}

}  // namespace

Resultado<std::vector<Renglon>> leecatalogo(const std::filesystem::path& carpeta, const Catalogo& c,
                                            std::vector<std::int64_t>* lineas) {
    const std::filesystem::path ruta = carpeta / c.archivo;
    ErrorCatalogo error{std::string(c.archivo), ruta.string(), 0, {}};
    std::error_code ec;
    if (!std::filesystem::exists(ruta, ec)) {
        error.motivo = "no se encuentra el archivo en la carpeta del programa";
        return error;
    }
    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo || std::filesystem::is_directory(ruta, ec)) {
        error.motivo = "no se puede leer el archivo";
        return error;
    }
    LectorCampos lector(archivo);
    std::vector<Renglon> renglones;
    Renglon campos;
    while (lector.quedandatos()) {
        const Lectura l = lector.leerenglon(campos);
        if (l != Lectura::correcta) {
            error.linea = lector.linea();
            error.motivo = l == Lectura::renglonlargo
                               ? "el renglón pasa de " + std::to_string(largomaximorenglon) + " bytes"
                               : "falta la comilla que cierra un texto";
            return error;
        }
        error.linea = lector.linearegistro();
        if (renglones.size() == c.capacidad) {
            error.motivo = "tiene más entradas de las " + std::to_string(c.capacidad) + " que admite";
            return error;
        }
        if (auto revision = ajustaalformato(campos, c.formato); !revision) {
            error.motivo = revision.error().motivo;
            return error;
        }
        renglones.push_back(std::move(campos));
        if (lineas) lineas->push_back(lector.linearegistro());
    }
    if (lector.fallolectura()) {
        error.linea = 0;
        error.motivo = "no se puede leer el archivo";
        return error;
    }
    return renglones;
}

namespace {

template <class T, class Conversion>
Resultado<std::vector<T>> cargacon(const std::filesystem::path& carpeta, const Catalogo& c, Conversion a) {
    std::vector<std::int64_t> lineas;
    auto r = leecatalogo(carpeta, c, &lineas);
    if (!r.bien()) return r.error();
    std::vector<T> entradas;
    entradas.reserve(r.valor().size());
    for (std::size_t i = 0; i < r.valor().size(); ++i) {
        entradas.push_back(a(r.valor()[i]));
        if constexpr (requires { entradas.back().linea; }) entradas.back().linea = lineas[i];
    }
    return entradas;
}

}  // namespace

Resultado<std::vector<EntradaElipsoide>> cargaelipsoides(const std::filesystem::path& carpeta) {
    return cargacon<EntradaElipsoide>(carpeta, catalogoelipsoides, aelipsoide);
}

Resultado<std::vector<EntradaRepresentacion>> cargarepresentaciones(const std::filesystem::path& carpeta) {
    return cargacon<EntradaRepresentacion>(carpeta, catalogorepresentaciones, arepresentacion);
}

Resultado<std::vector<std::string>> cargaatributos(const std::filesystem::path& carpeta) {
    return cargacon<std::string>(carpeta, catalogoatributos, [](const Renglon& r) { return r[0].texto(); });
}

Resultado<std::vector<EntradaMarco>> cargamarcos(const std::filesystem::path& carpeta) {
    auto r = cargacon<EntradaMarco>(carpeta, catalogomarcos, amarco);
    if (r.bien() && r.valor().size() < 2) {
        const std::filesystem::path ruta = carpeta / catalogomarcos.archivo;
        return ErrorCatalogo{std::string(catalogomarcos.archivo), ruta.string(),
                             static_cast<std::int64_t>(r.valor().size()) + 1,
                             "faltan renglones: debe tener dos, el marco de los datos y el marco de destino"};
    }
    return r;
}

Resultado<Decimales> cargadecimales(const std::filesystem::path& carpeta) {
    auto r = leecatalogo(carpeta, catalogodecimales);
    if (!r.bien()) return r.error();
    if (r.valor().empty()) {
        const std::filesystem::path ruta = carpeta / catalogodecimales.archivo;
        return ErrorCatalogo{std::string(catalogodecimales.archivo), ruta.string(), 1,
                             "falta el renglón con los tres números de decimales"};
    }
    return adecimales(r.valor().front());
}

Resultado<Catalogos> cargacatalogos(const std::filesystem::path& carpeta) {
    Catalogos c;
    auto representaciones = cargarepresentaciones(carpeta);
    if (!representaciones.bien()) return representaciones.error();
    c.representaciones = std::move(representaciones.valor());
    auto elipsoides = cargaelipsoides(carpeta);
    if (!elipsoides.bien()) return elipsoides.error();
    c.elipsoides = std::move(elipsoides.valor());
    auto atributos = cargaatributos(carpeta);
    if (!atributos.bien()) return atributos.error();
    c.atributos = std::move(atributos.valor());
    auto decimales = cargadecimales(carpeta);
    if (!decimales.bien()) return decimales.error();
    c.decimales = decimales.valor();
    auto marcos = cargamarcos(carpeta);
    if (!marcos.bien()) return marcos.error();
    c.marcos = std::move(marcos.valor());
    return c;
}

}  // namespace rumbal
