// The whole geodetic point of bench_nucleo, a given number of times, for an
// instruction count that does not depend on the machine's load:
//
//   valgrind --tool=callgrind --callgrind-out-file=punto.out build/normal/bin/perfil_punto 100000 [leido]
//   callgrind_annotate --inclusive=yes punto.out
//
// Divide the counts by the number of points for the cost of one. With "leido"
// the point is computed as rumbal-lote computes a record (each angle text read
// once, the origin once per run); otherwise through the operations that take
// angle texts.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "punto_completo.hpp"

int main(int argc, char** argv) {
    const long puntos = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    const bool leido = argc > 2 && std::strcmp(argv[2], "leido") == 0;
    const auto origen = rumbal::banco::origen();
    std::string linea;
    std::size_t largo = 0;
    for (long i = 0; i < puntos; ++i) {
        if (leido)
            rumbal::banco::puntoleido(linea, origen);
        else
            rumbal::banco::puntocompleto(linea);
        largo += linea.size();
    }
    std::printf("%ld puntos, %zu bytes\n", puntos, largo);
    return 0;
}
