#pragma once
// The one crossing between the core's Windows-1252 bytes and Qt's texts. A
// character the code page lacks (typed by the user) becomes "?".

#include <QString>
#include <string>
#include <string_view>

namespace rumbal {

QString aqt(const std::string& cp1252);
std::string acp1252(const QString& texto);

// A message of the core (lower-case start, as the core words its reasons)
// as a sentence for a message box: its first letter upper case.
QString frase(const std::string& cp1252);

// The windows' own UTF-8 texts (plain logic, tables of captions).
inline QString desdeutf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace rumbal
