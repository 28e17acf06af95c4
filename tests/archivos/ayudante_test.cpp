// The helper thread of the file algorithms: what a task throws (memory
// exhausted, say) is thrown where the task is waited for, and the helper
// goes on taking tasks.

#include "archivos/ayudante.hpp"

#include <gtest/gtest.h>

#include <new>

namespace rumbal {
namespace {

TEST(Ayudante, LoQueLanzaLaTareaSaleAlEsperarla) {
    Ayudante ayudante(true);
    ayudante.encarga([] { throw std::bad_alloc(); });
    EXPECT_THROW(ayudante.espera(), std::bad_alloc);
    EXPECT_FALSE(ayudante.espera());  // thrown once; nothing was running
    int hechas = 0;
    ayudante.encarga([&] { ++hechas; });
    ayudante.espera();
    EXPECT_EQ(hechas, 1);
}

}  // namespace
}  // namespace rumbal
