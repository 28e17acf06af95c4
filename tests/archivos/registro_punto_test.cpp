#include "archivos/registro_punto.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace rumbal {
namespace {

RegistroPunto sinplanas() {
    return {"P1", "Mojón", "-34 36 12.5", "-58 22 54.3", 25.0, 2766613.957, -4495289.171, -3597813.486, 0.0, 0.0,
            0.0,  "",      0.99999608,    "WGS 84",      ""};
}

TEST(RegistroPunto, LeerYEscribirDaLosMismosBytes) {
    std::string original;
    grabapunto(original, sinplanas());
    RegistroPunto otro = sinplanas();
    otro[colpunto] = "Pérez, Juan";
    grabapunto(original, otro);
    std::istringstream entrada(original);
    LectorCampos lector(entrada);
    std::string copia;
    RegistroPunto r;
    int n = 0;
    while (lector.quedandatos()) {
        ASSERT_EQ(leepunto(lector, r), Lectura::correcta);
        grabapunto(copia, r);
        ++n;
    }
    EXPECT_EQ(n, 2);
    EXPECT_EQ(copia, original);
    EXPECT_EQ(r[colpunto], ValorCampo("Pérez, Juan"));
}

}  // namespace
}  // namespace rumbal
