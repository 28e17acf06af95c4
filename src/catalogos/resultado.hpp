#pragma once
// The outcome of reading or changing a catalogue: a value, or an error that
// names the file and, where there is one, the line.

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace rumbal {

struct ErrorCatalogo {
    std::string archivo;     // file name, as the user knows it
    std::string ruta;        // full path
    std::int64_t linea = 0;  // from 1; 0 when the error is not on a line
    std::string motivo;      // Spanish, lower case start, no final period

    // The whole message for a message box, in Spanish.
    std::string mensaje() const;
};

template <class T>
class Resultado {
public:
    Resultado(T valor) : v_(std::move(valor)) {}
    Resultado(ErrorCatalogo error) : v_(std::move(error)) {}

    bool bien() const { return std::holds_alternative<T>(v_); }
    const T& valor() const { return std::get<T>(v_); }
    T& valor() { return std::get<T>(v_); }
    const ErrorCatalogo& error() const { return std::get<ErrorCatalogo>(v_); }

private:
    std::variant<T, ErrorCatalogo> v_;
};

}  // namespace rumbal
