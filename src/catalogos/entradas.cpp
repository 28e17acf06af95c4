#include "catalogos/entradas.hpp"

namespace rumbal {

namespace {
const std::string& t(const Renglon& r, std::size_t i) { return r[i].texto(); }
double n(const Renglon& r, std::size_t i) { return r[i].numero(); }
}  // namespace

bool escatalogo(const std::filesystem::path& ruta, const std::filesystem::path& carpeta) {
    std::error_code ec;
    const std::filesystem::path donde = ruta.parent_path().empty() ? std::filesystem::path(".") : ruta.parent_path();
    if (!std::filesystem::equivalent(donde, carpeta, ec)) return false;
    for (const Catalogo* c : catalogosdelprograma)
        if (ruta.filename() == c->archivo) return true;
    return ruta.filename() == archivotransitorio;
}

EntradaElipsoide aelipsoide(const Renglon& r) {
    return {t(r, 0), {n(r, 1), n(r, 2), n(r, 3), n(r, 4), n(r, 5)}};
}

EntradaRepresentacion arepresentacion(const Renglon& r) {
    return {t(r, 0), {t(r, 1), n(r, 2), n(r, 3), t(r, 4), n(r, 5)}};
}

EntradaMarco amarco(const Renglon& r) {
    return {t(r, 0), t(r, 1), {n(r, 2), n(r, 3), n(r, 4), n(r, 5), n(r, 6), n(r, 7), n(r, 8)}};
}

Decimales adecimales(const Renglon& r) { return {n(r, 0), n(r, 1), n(r, 2)}; }

Renglon renglonde(const EntradaElipsoide& e) {
    const Elipsoide& v = e.valores;
    return {e.nombre, v.a, v.b, v.f, v.e2, v.ep2};
}

Renglon renglonde(const EntradaRepresentacion& e) {
    const RepresentacionPlana& v = e.valores;
    return {e.nombre, v.longitudorigen, v.falsoeste, v.falsonorte, v.latitudorigen, v.factorescala};
}

Renglon renglonde(const EntradaMarco& e) {
    const ParametrosMarco& p = e.parametros;
    return {e.nombre, e.elipsoide, p.dx, p.dy, p.dz, p.rx, p.ry, p.rz, p.k};
}

Renglon renglonde(const Decimales& d) { return {d.angulos, d.geograficas, d.metros}; }

Renglon renglondeatributo(const std::string& nombre) { return {nombre}; }

}  // namespace rumbal
