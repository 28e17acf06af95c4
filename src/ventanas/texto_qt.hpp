#pragma once
// The one crossing between the core's Windows-1252 bytes and Qt's texts. A
// character the code page lacks (typed by the user) becomes "?".

#include <QString>
#include <string>

namespace rumbal {

QString aqt(const std::string& cp1252);
std::string acp1252(const QString& texto);

}  // namespace rumbal
