#pragma once
// A value quoted inside a message: what a person reads (textovisible for a
// field), cut after 60 characters with "..." so that a runaway field does not
// flood the message, and with every control byte (below 32, and 127) shown as
// \xNN so that nothing read from a file can drive the terminal that shows it.

#include <string>
#include <string_view>

#include "textos/campos.hpp"

namespace rumbal {

inline constexpr std::size_t largocita = 60;

std::string cita(std::string_view texto);
inline std::string cita(const std::string& texto) { return cita(std::string_view(texto)); }
inline std::string cita(const char* texto) { return cita(std::string_view(texto)); }
std::string cita(const ValorCampo& valor);

}  // namespace rumbal
