// The whole geodetic point of bench_nucleo, a given number of times, for an
// instruction count that does not depend on the machine's load:
//
//   valgrind --tool=callgrind --callgrind-out-file=punto.out build/normal/bin/perfil_punto 100000
//   callgrind_annotate --inclusive=yes punto.out
//
// Divide the counts by the number of points for the cost of one.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "punto_completo.hpp"

int main(int argc, char** argv) {
    const long puntos = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    std::string linea;
    std::size_t largo = 0;
    for (long i = 0; i < puntos; ++i) {
        rumbal::banco::puntocompleto(linea);
        largo += linea.size();
    }
    std::printf("%ld puntos, %zu bytes\n", puntos, largo);
    return 0;
}
