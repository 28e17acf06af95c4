#include "ventanas/texto_qt.hpp"

#include <QStringDecoder>
#include <QStringEncoder>

namespace rumbal {

QString aqt(const std::string& cp1252) {
    QStringDecoder decodificador("windows-1252");
    return decodificador.decode(QByteArrayView(cp1252.data(), static_cast<qsizetype>(cp1252.size())));
}

std::string acp1252(const QString& texto) {
    QStringEncoder codificador("windows-1252", QStringConverter::Flag::ConvertInvalidToNull);
    const QByteArray bytes = codificador.encode(texto);
    std::string s(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    for (char& c : s)
        if (c == '\0') c = '?';
    return s;
}

QString frase(const std::string& cp1252) {
    QString texto = aqt(cp1252);
    if (!texto.isEmpty()) texto[0] = texto[0].toUpper();
    return texto;
}

}  // namespace rumbal
