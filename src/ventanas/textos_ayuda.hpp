#pragma once
// The texts of the help windows: the credits of the about window, and the
// guide text of the user guide window, whose last paragraph names the guide
// document and the program folder that holds it. UTF-8, like the windows'.

#include <string>
#include <string_view>

namespace rumbal {

// The guide document, built beside the program and its catalogues.
inline constexpr std::string_view nombreguia = "Rumbal 1.0.1 Guía del usuario.pdf";

// Paragraphs separated by an empty line.
std::string textocreditos();

// The full path of the guide document in the program folder.
std::string rutaguia(std::string_view carpeta);

// Five paragraphs separated by an empty line (CR LF twice); the folder is
// named without a trailing separator.
std::string textoguia(std::string_view carpeta);

}  // namespace rumbal
