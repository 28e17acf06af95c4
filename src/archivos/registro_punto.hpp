#pragma once
// The complete point file: one point a line, fifteen fields in a fixed order,
// appended to by point saving and file processing, read by the selections and
// the viewers. Its lines follow the record-line syntax of every file of the
// system.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "textos/campos.hpp"
#include "textos/lector_campos.hpp"

namespace rumbal {

inline constexpr std::size_t columnaspunto = 15;

using RegistroPunto = std::array<ValorCampo, columnaspunto>;

// Column names in file order, as offered for selection.
inline constexpr std::array<std::string_view, columnaspunto> nombrescolumnas = {
    "Punto",        "Atributo",     "Latitud",      "Longitud",    "Altura",
    "x Cart.Geoc.", "y Cart.Geoc.", "z Cart.Geoc.", "X plana",     "Y plana",
    "Fact.Escala",  "Conv.Meridianos", "Coef.de Altura", "Elipsoide", "Nombre Rep.Plana"};

// Column positions, counting "Punto" as 0.
enum Columna : std::size_t {
    colpunto, colatributo, collatitud, collongitud, colaltura, colx, coly, colz,
    colxplana, colyplana, colfactor, colconvergencia, colcoefaltura, colelipsoide, colrepresentacion
};

// Appends the line of one point record.
void grabapunto(std::string& destino, const RegistroPunto& registro);

// Reads the next fifteen fields; the caller asks quedandatos() first.
Lectura leepunto(LectorCampos& lector, RegistroPunto& registro);

}  // namespace rumbal
