// The masks of 64 bytes checked against the bytes one by one, on blocks made
// of the bytes that matter and their neighbours in value.

#include "archivos/mascaras.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace rumbal {
namespace {

Mascaras unoauno(const std::string& b) {
    Mascaras m;
    bool impar = false;
    for (int i = 0; i < 64; ++i) {
        const std::uint64_t bit = std::uint64_t{1} << i;
        const char c = b[static_cast<std::size_t>(i)];
        if (c == '"') impar = !impar;
        m.comillas |= c == '"' ? bit : 0;
        m.comas |= c == ',' ? bit : 0;
        m.lf |= c == '\n' ? bit : 0;
        m.cr |= c == '\r' ? bit : 0;
        m.blancos |= c == ' ' || c == '\t' ? bit : 0;
        m.impares |= impar ? bit : 0;
    }
    return m;
}

void comparacon(const std::string& b, int caso, Mascaras (*clasificador)(const char*)) {
    const Mascaras esperadas = unoauno(b), halladas = clasificador(b.data());
    EXPECT_EQ(halladas.comillas, esperadas.comillas) << caso;
    EXPECT_EQ(halladas.comas, esperadas.comas) << caso;
    EXPECT_EQ(halladas.lf, esperadas.lf) << caso;
    EXPECT_EQ(halladas.cr, esperadas.cr) << caso;
    EXPECT_EQ(halladas.blancos, esperadas.blancos) << caso;
    EXPECT_EQ(halladas.impares, esperadas.impares) << caso;
}

std::vector<std::string> bloques() {
    // The delimiting bytes, the values next to them, a NUL and bytes with the
    // high bit set (signed chars, for the comparisons).
    const std::string alfabeto(
        "\"!#,+-\n\t\v\r\f \x1F\x00\x80\xFF"
        "a9",
        18);
    std::mt19937 azar(20261206);
    std::uniform_int_distribution<std::size_t> cual(0, alfabeto.size() - 1);
    std::vector<std::string> todos = {std::string(64, '"'), std::string(64, ','), std::string(64, 'x'),
                                      std::string(64, '\0')};
    for (int k = 0; k < 2000; ++k) {
        std::string b(64, ' ');
        for (char& c : b) c = alfabeto[cual(azar)];
        todos.push_back(b);
    }
    return todos;
}

TEST(Mascaras, SonLasDelByteAByte) {
    const std::vector<std::string> b = bloques();
    for (std::size_t k = 0; k < b.size(); ++k) comparacon(b[k], static_cast<int>(k), clasifica);
}

#if RUMBAL_ANCHO
// The 32-byte way, where this processor has it.
TEST(Mascaras, LasAnchasSonLasDelByteAByte) {
    __builtin_cpu_init();
    if (!__builtin_cpu_supports("avx2") || !__builtin_cpu_supports("pclmul")) GTEST_SKIP() << "sin AVX2 o PCLMUL";
    const std::vector<std::string> b = bloques();
    for (std::size_t k = 0; k < b.size(); ++k) comparacon(b[k], static_cast<int>(k), clasificaancho);
}
#endif

}  // namespace
}  // namespace rumbal
