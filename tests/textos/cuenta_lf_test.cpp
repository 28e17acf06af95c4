// Line ends are counted 16 bytes at a time, the sums kept in bytes that are
// added up every 255 blocks: lengths on both sides of 16 and of 255 blocks
// (4,080 bytes), from unaligned starts, all bytes line ends or none, count
// as byte by byte does; bytes just past the end are not counted.

#include "textos/cuenta_lf.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace rumbal {
namespace {

TEST(CuentaLf, ComoByteAByte) {
    std::mt19937 azar(20261206);
    for (const std::size_t largo : {0UL, 1UL, 15UL, 16UL, 17UL, 4079UL, 4080UL, 4081UL, 8160UL, 8161UL, 70000UL}) {
        for (const std::size_t inicio : {0UL, 3UL}) {
            for (const int cada : {0, 1, 2, 7}) {  // every byte a LF (1), none (0), or one in cada at random
                std::string bytes(inicio + largo + 16, '\n');
                for (std::size_t i = inicio; i < inicio + largo; ++i)
                    bytes[i] = cada == 1 || (cada > 1 && azar() % cada == 0) ? '\n' : static_cast<char>('\n' ^ 0x80);
                const char* p = bytes.data() + inicio;
                EXPECT_EQ(cuentalf(p, largo), std::count(p, p + largo, '\n'))
                    << "largo " << largo << ", inicio " << inicio << ", uno en " << cada;
            }
        }
    }
}

}  // namespace
}  // namespace rumbal
