#include "base/resultado.hpp"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace rumbal {
namespace {

TEST(ResultadoSinValor, UnExitoNoTraeError) {
    const Resultado<void> r{};
    EXPECT_TRUE(r.bien());
    EXPECT_TRUE(static_cast<bool>(r));
    EXPECT_EQ(r.error().motivo, "");
    EXPECT_EQ(r.error().linea, 0);
}

// A failure is one whatever its Error says, an empty one included.
TEST(ResultadoSinValor, UnFalloLoEsAunConErrorVacio) {
    const Resultado<void> r = Error{};
    EXPECT_FALSE(r.bien());
    EXPECT_FALSE(static_cast<bool>(r));
}

TEST(ResultadoSinValor, ElFalloGuardaArchivoRenglonYMotivoAlCopiarseYMoverse) {
    const Resultado<void> r = Error{"datos.txt", "/tmp/datos.txt", 7, "falta la latitud"};
    std::vector<Resultado<void>> copias{r, Resultado<void>{}};
    Resultado<void> movido = std::move(copias[0]);
    const Resultado<void>& movidoconst = movido;
    for (const Resultado<void>* x : {&r, &movidoconst}) {
        ASSERT_FALSE(x->bien());
        EXPECT_EQ(x->error().archivo, "datos.txt");
        EXPECT_EQ(x->error().ruta, "/tmp/datos.txt");
        EXPECT_EQ(x->error().linea, 7);
        EXPECT_EQ(x->error().motivo, "falta la latitud");
    }
    EXPECT_TRUE(copias[1].bien());
    // A success given over a failure is a success.
    movido = Resultado<void>{};
    EXPECT_TRUE(movido.bien());
}

// Assigning copies: a failure over a success, a success over a failure, a
// result over itself; the one copied from is left as it was.
TEST(ResultadoSinValor, AsignarCopiaElFalloOElExito) {
    const Resultado<void> fallo = Error{"a.txt", "/x/a.txt", 3, "falta la altura"};
    const Resultado<void> exito{};
    Resultado<void> r{};
    r = fallo;
    ASSERT_FALSE(r.bien());
    EXPECT_EQ(r.error().archivo, "a.txt");
    EXPECT_EQ(r.error().ruta, "/x/a.txt");
    EXPECT_EQ(r.error().linea, 3);
    EXPECT_EQ(r.error().motivo, "falta la altura");
    ASSERT_FALSE(fallo.bien());
    EXPECT_EQ(fallo.error().motivo, "falta la altura");
    const Resultado<void>& mismo = r;
    r = mismo;
    ASSERT_FALSE(r.bien());
    EXPECT_EQ(r.error().motivo, "falta la altura");
    r = exito;
    EXPECT_TRUE(r.bien());
    EXPECT_EQ(r.error().motivo, "");
    EXPECT_TRUE(exito.bien());
}

}  // namespace
}  // namespace rumbal
