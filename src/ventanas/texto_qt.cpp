#include "ventanas/texto_qt.hpp"

#include <QList>

#include "textos/codigo_1252.hpp"

namespace rumbal {

// Through the code page's one table (textos/codigo_1252), character by
// character: every character of the code page is one UTF-16 unit.
QString aqt(const std::string& cp1252) {
    QString texto(static_cast<qsizetype>(cp1252.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < cp1252.size(); ++i)
        texto[static_cast<qsizetype>(i)] = QChar(static_cast<char16_t>(caracter1252(static_cast<unsigned char>(cp1252[i]))));
    return texto;
}

std::string acp1252(const QString& texto) {
    std::string s;
    s.reserve(static_cast<std::size_t>(texto.size()));
    for (const uint c : texto.toUcs4()) s += byte1252(static_cast<char32_t>(c)).value_or('?');
    return s;
}

QString frase(const std::string& cp1252) {
    QString texto = aqt(cp1252);
    if (!texto.isEmpty()) texto[0] = texto[0].toUpper();
    return texto;
}

}  // namespace rumbal
