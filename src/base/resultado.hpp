#pragma once
// The outcome of an operation that can fail: a value, or an error that says
// why and, where there is one, names the file and the line. Shaped like
// std::expected, which this compiler does not have yet; Resultado<void> is the
// outcome of an operation that gives nothing but can fail.
//
// Texts are Windows-1252, as the core's (this header holds ASCII literals only,
// so code built for another character set can include it).

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>

namespace rumbal {

struct Error {
    std::string archivo;     // file name, as the user knows it; empty when no file is concerned
    std::string ruta;        // full path
    std::int64_t linea = 0;  // from 1; 0 when the error is not on a line
    std::string motivo;      // Spanish, lower case start, no final period

    // The whole message for a message box, in Spanish: "Error en el archivo
    // "X", renglón N: motivo." and the path on a line of its own.
    std::string mensaje() const;
};

// An error that concerns no file.
inline Error falla(std::string motivo) { return Error{{}, {}, 0, std::move(motivo)}; }

template <class T>
class Resultado {
public:
    Resultado(T valor) : v_(std::move(valor)) {}
    Resultado(Error error) : v_(std::move(error)) {}

    bool bien() const { return std::holds_alternative<T>(v_); }
    explicit operator bool() const { return bien(); }
    const T& valor() const { return std::get<T>(v_); }
    T& valor() { return std::get<T>(v_); }
    const T& operator*() const { return valor(); }
    T& operator*() { return valor(); }
    const T* operator->() const { return &valor(); }
    T* operator->() { return &valor(); }
    const Error& error() const { return std::get<Error>(v_); }

private:
    std::variant<T, Error> v_;
};

// Success costs one pointer: the file algorithms answer one for every
// record, and an Error held in place cost its construction (three texts)
// and, with `return {}` of a defaulted constructor, the zeroing of the whole
// object first (over a hundred bytes): 3 to 5 % of the time of a column
// selection. A failure holds its Error apart; one moved from reads as a
// success.
template <>
class Resultado<void> {
public:
    Resultado() noexcept {}
    Resultado(Error error) : error_(std::make_unique<Error>(std::move(error))) {}
    Resultado(const Resultado& otro) : error_(otro.error_ ? std::make_unique<Error>(*otro.error_) : nullptr) {}
    Resultado(Resultado&&) noexcept = default;
    Resultado& operator=(const Resultado& otro) { return *this = Resultado(otro); }
    Resultado& operator=(Resultado&&) noexcept = default;

    bool bien() const { return error_ == nullptr; }
    explicit operator bool() const { return bien(); }
    // Asked of a failure; a success answers an empty Error.
    const Error& error() const { return error_ ? *error_ : sinerror(); }

private:
    static const Error& sinerror() {
        static const Error vacio;
        return vacio;
    }
    std::unique_ptr<Error> error_;
};

}  // namespace rumbal
