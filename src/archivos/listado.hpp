#pragma once
// Listing a complete point file for the three viewers: every record (fifteen
// fields, wherever they stand) becomes one row of the shown columns, each
// cell the field as a person reads it (a text unchanged, a number in the
// display form, an empty field empty).

#include <array>
#include <cstddef>
#include <functional>
#include <istream>
#include <span>
#include <string>
#include <vector>

#include "archivos/recorrido.hpp"

namespace rumbal {

// Columns shown by each viewer, counting "Punto" as 0.
inline constexpr std::array<std::size_t, 7> columnasgeodesicas = {0, 1, 2, 3, 4, 12, 13};
inline constexpr std::array<std::size_t, 5> columnascartesianas = {0, 1, 5, 6, 7};
inline constexpr std::array<std::size_t, 7> columnasplanas = {0, 1, 8, 9, 10, 11, 14};

using Fila = std::vector<std::string>;

// The row of one record: its fields at columnas, each as a person reads it.
Fila filade(std::span<const ValorCampo> campos, std::span<const std::size_t> columnas);

Recuento lista(std::istream& completo, std::span<const std::size_t> columnas,
               const std::function<void(Fila&& fila)>& agrega, const Avance& avance = {});

}  // namespace rumbal
