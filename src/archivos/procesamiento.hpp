#pragma once
// Processing a file of coordinates of one kind into complete point records.
//
// Data records are five fields (point, attribute, latitude, longitude, height;
// or point, attribute, x, y, z) or four (point, attribute, X, Y), read wherever
// they stand. Each becomes one line of the complete point file, appended:
// the point and attribute as read (same kind), the other two kinds of
// coordinates computed on the given ellipsoid and plane representation, the
// height coefficient and scale factor to 8 decimals, the convergence with a
// period before its decimals, and the names of the ellipsoid and
// representation. Latitude and longitude given as decimal degrees (a number,
// or a text that is only a number) are written as computed angle texts, with
// a comma before the decimals of the seconds; given as angle texts they are
// written as read, without leading blanks.
//
// Without a representation name (geodetic and geocentric data) the plane
// quantities are not computed: X, Y and the scale factor are written 0 and
// the convergence as an empty text. Plane data always need one.

#include <istream>
#include <ostream>
#include <string>

#include "archivos/recorrido.hpp"
#include "base/resultado.hpp"
#include "geodesia/constantes.hpp"

namespace rumbal {

enum class ModoDatos { geodesicas, cartesianas, planas };

struct Proceso {
    ModoDatos modo = ModoDatos::geodesicas;
    Elipsoide elipsoide;
    std::string nombreelipsoide;
    RepresentacionPlana representacion;
    std::string nombrerepresentacion;
    Decimales decimales;
};

// Whether the ellipsoid of p, and its plane representation when plane
// quantities are computed, can be computed with; the reason names the entry.
Resultado<void> revisa(const Proceso& p);

Recuento procesa(std::istream& datos, std::ostream& resultados, const Proceso& proceso, const Avance& avance = {});

}  // namespace rumbal
