// The search for a field's end looks at 16 bytes at a time and byte by byte
// over the rest: the stop is found at every place, on both sides of every
// 16-byte boundary, and a stop just past the end is never seen.

#include "textos/busqueda_tope.hpp"

#include <gtest/gtest.h>

#include <string>

namespace rumbal {
namespace {

template <char tope>
void buscaentodaspartes(const std::string& relleno) {
    for (std::size_t largo = 0; largo <= 50; ++largo) {
        for (const char parada : {tope, '\r', '\n'}) {
            for (std::size_t k = 0; k <= largo; ++k) {
                // A stop at k (none when k is the length); after the bytes
                // searched, one that is not and then stops, which a search
                // reading too far would find.
                std::string bytes(largo + 16, parada);
                bytes[largo] = 'x';
                for (std::size_t i = 0; i < largo; ++i) bytes[i] = relleno[i % relleno.size()];
                if (k < largo) bytes[k] = parada;
                const char* p = bytes.data();
                EXPECT_EQ(buscatope<tope>(p, p + largo) - p, static_cast<std::ptrdiff_t>(k))
                    << "largo " << largo << ", parada " << int(parada);
            }
        }
    }
}

TEST(BusquedaTope, ComaOFinDeLineaEnCadaLugar) { buscaentodaspartes<','>("a\"1 .\t\xFF\x80"); }

TEST(BusquedaTope, ComillaOFinDeLineaEnCadaLugar) { buscaentodaspartes<'"'>("a,1 .\t\xFF\x80"); }

}  // namespace
}  // namespace rumbal
