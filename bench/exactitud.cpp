// How far the program's Transverse Mercator lies from an exact one
// (GeographicLib's TransverseMercatorExact, Lee's formulation to round-off),
// in zone 5 (central meridian -60, origin latitude -90, k0 = 1) on WGS 84,
// from 0.5 to 6 degrees east of the central meridian, at latitudes across
// Argentina; and the closure of projecting and projecting back.
//
// The decimals are set to 6, 8, 6 (micrometres, 1E-08 seconds) so that the
// figures show the formulas, not the rounding of what is written.

#include <GeographicLib/TransverseMercatorExact.hpp>

#include <cmath>
#include <cstdio>

#include "geodesia/angulos.hpp"
#include "geodesia/proyeccion.hpp"

int main() {
    using namespace rumbal;
    const Elipsoide wgs84{6378137, 6356752.31424518, 0.00335281066474748, 0.00669437999014111, 0.00673949674227625};
    const RepresentacionPlana faja5{"-60", 5500000, 0, "-90", 1};
    const Decimales d{6, 8, 6};
    const GeographicLib::TransverseMercatorExact exacta(6378137, 1 / 298.257223563, 1);
    double x0 = 0, y0 = 0;
    exacta.Forward(-60, -90, -60, x0, y0);  // y0: minus the meridian quadrant

    const double latitudes[] = {-22, -26, -30, -34, -38, -42, -46, -50, -55};
    std::printf("| distancia al meridiano central | dX máx. (mm) | dY máx. (mm) | cierre ida y vuelta máx. (mm) |\n");
    std::printf("|---|---|---|---|\n");
    for (double dl : {0.5, 1.5, 3.0, 4.5, 6.0}) {
        double dxmax = 0, dymax = 0, cierremax = 0;
        for (double lat : latitudes) {
            const std::string tlat = gratexgeo(lat, d);
            const std::string tlon = gratexgeo(-60 + dl, d);
            const auto p = geoapla(tlat, tlon, wgs84, faja5, d);
            double x = 0, y = 0;
            exacta.Forward(-60, gmsagra(tlat), gmsagra(tlon), x, y);
            if (!p) continue;
            dxmax = std::fmax(dxmax, std::fabs(p->x - (y - y0)) * 1000);
            dymax = std::fmax(dymax, std::fabs(p->y - (5500000 + x)) * 1000);
            const auto g = plaageo(p->x, p->y, wgs84, faja5, d);
            if (!g) continue;
            // Seconds of arc to metres on the ground, near enough for millimetres.
            const double radianes = 3.14159265358979 / 180;
            const double db = (gmsagra(g->latitud) - gmsagra(tlat)) * radianes * 6367000;
            const double dlon = (gmsagra(g->longitud) - gmsagra(tlon)) * radianes * 6378000 * std::cos(lat * radianes);
            cierremax = std::fmax(cierremax, std::hypot(db, dlon) * 1000);
        }
        std::printf("| %.1f° | %.3f | %.3f | %.3f |\n", dl, dxmax, dymax, cierremax);
    }
}
