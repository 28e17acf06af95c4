// The crossing between the core's Windows-1252 bytes and Qt's texts, and the
// file types as the desktop's dialog takes them.

#include "ventanas/texto_qt.hpp"

#include <gtest/gtest.h>

#include "ventanas/plataforma_qt.hpp"

namespace rumbal {
namespace {

TEST(TextoQt, Windows1252EnAmbosSentidos) {
    // Bytes 0x80 to 0x9F are where Windows-1252 and Latin-1 differ; 0x81 is
    // undefined and crosses as the control character U+0081.
    const std::string bytes = "\x80 \x8C \x93x\x94 \xE9\xF1\xD1 V\xE9rtice \x81";
    const QString texto = aqt(bytes);
    EXPECT_EQ(texto, QStringLiteral("€ Œ “x” éñÑ Vértice \u0081"));
    EXPECT_EQ(acp1252(texto), bytes);
}

TEST(TextoQt, CaracterSinLugarEnLaPaginaDeCodigos) { EXPECT_EQ(acp1252(QStringLiteral("a\u4E2Db")), "a?b"); }

TEST(PlataformaQt, TiposDeArchivo) {
    EXPECT_EQ(PlataformaQt::filtroqt(QStringLiteral("Texto(*.txt)|*.txt")), QStringLiteral("Texto(*.txt) (*.txt)"));
    EXPECT_EQ(PlataformaQt::filtroqt(QStringLiteral("Texto(*.txt)|*.txt|Todos los archivos(*.*)|*.*")),
              QStringLiteral("Texto(*.txt) (*.txt);;Todos los archivos(*.*) (*.*)"));
}

}  // namespace
}  // namespace rumbal
