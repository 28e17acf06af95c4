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
    for (std::size_t largo = 0, inicio = 0; largo <= 50; ++largo, inicio = largo % 16) {
        for (const char parada : {tope, '\r', '\n'}) {
            for (std::size_t k = 0; k <= largo; ++k) {
                // From an unaligned start: stops from k on (none when k is the
                // length), of which the first must be found; after the bytes
                // searched, one that is not and then stops, which a search
                // reading too far would find.
                std::string bytes(inicio + largo + 16, parada);
                bytes[inicio + largo] = 'x';
                for (std::size_t i = 0; i < k; ++i) bytes[inicio + i] = relleno[i % relleno.size()];
                const char* p = bytes.data() + inicio;
                EXPECT_EQ(buscatope<tope>(p, p + largo) - p, static_cast<std::ptrdiff_t>(k))
                    << "largo " << largo << ", parada " << int(parada);
            }
        }
    }
}

TEST(BusquedaTope, ComaOFinDeLineaEnCadaLugar) { buscaentodaspartes<','>("a\"1 .\t\xFF\x80\x8D\x8A\xAC"); }

TEST(BusquedaTope, ComillaOFinDeLineaEnCadaLugar) { buscaentodaspartes<'"'>("a,1 .\t\xFF\x80\x8D\x8A\xA2"); }

}  // namespace
}  // namespace rumbal
