#pragma once
// The whole work of one geodetic point, shared by bench_nucleo (time per call)
// and perfil_punto (instruction counts under callgrind): geocentric and plane
// coordinates, height coefficient and the fifteen-field line, on one point in
// the zone 5 area (WGS 84, "Faja 5", decimals 4, 4, 3). Two ways: through the
// operations that take angle texts, as a caller with one point does, and as
// rumbal-lote computes a record, each angle text read once and the origin of
// the representation once per run. Both write the same line.

#include <string>
#include <utility>

#include "archivos/registro_punto.hpp"
#include "geodesia/angulos.hpp"
#include "geodesia/calculo_interno.hpp"
#include "geodesia/geocentricas.hpp"
#include "geodesia/proyeccion.hpp"
#include "textos/redondeo.hpp"

namespace rumbal::banco {

inline const Elipsoide wgs84{6378137, 6356752.31424518, 0.00335281066474748, 0.00669437999014111,
                             0.00673949674227625};
inline const RepresentacionPlana faja5{"-60", 5500000, 0, "-90", 1};
inline const Decimales decimales{4, 4, 3};
inline const char* const latitud = "-34 36 12.5";
inline const char* const longitud = "-58 22 54.3";

// Through the operations that take angle texts: each reads the texts it is
// given, and geoapla the origin of the representation.
inline void puntocompleto(std::string& linea) {
    const auto c = *geoacar(latitud, longitud, 25, wgs84, decimales);
    auto p = *geoapla(latitud, longitud, wgs84, faja5, decimales);
    const double k = *coefalt(latitud, 25, wgs84);
    const RegistroPunto r{"P1", "Esquina", latitud, longitud, 25.0, c.x, c.y, c.z, p.x, p.y,
                          redondea(p.factorescala, 8), std::move(p.convergencia), redondea(k, 8), "WGS 84", "Faja 5"};
    linea.clear();
    grabapunto(linea, r);
}

// The origin as a run reads it once.
inline interno::OrigenLeido origen() { return interno::leeorigen(faja5, wgs84); }

// As a record of rumbal-lote: the latitude and longitude read once.
inline void puntoleido(std::string& linea, const interno::OrigenLeido& o) {
    const double b = gmsagra(latitud);
    const double l = gmsagra(longitud);
    const auto c = *interno::geoacargrados(b, l, 25, wgs84, decimales);
    const double k = *interno::coefaltgrados(b, 25, wgs84);
    auto p = *interno::geoaplagrados(b, l, wgs84, faja5, o, decimales);
    const RegistroPunto r{"P1", "Esquina", latitud, longitud, 25.0, c.x, c.y, c.z, p.x, p.y,
                          redondea(p.factorescala, 8), std::move(p.convergencia), redondea(k, 8), "WGS 84", "Faja 5"};
    linea.clear();
    grabapunto(linea, r);
}

}  // namespace rumbal::banco
