#pragma once
// The three viewers of a complete point file are one window with three sets
// of columns. Texts are UTF-8; column positions count "Punto" as 0.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "archivos/listado.hpp"

namespace rumbal {

struct ConjuntoVista {
    std::string_view nombre;         // the window's name: "forvisgeo"
    std::string_view titulo;         // its caption
    std::string_view indicacion;     // the first text of Label1
    std::string_view titulodialogo;  // the file dialog's title
    std::span<const std::string_view> cabeceras;
    std::span<const std::size_t> columnas;
};

inline constexpr std::array<std::string_view, 7> cabecerasgeodesicas = {
    "Punto", "Atributo", "B (g m s)", "L (g m s)", "h (metros)", "Coef.de Altura", "Elipsoide"};
// Two headers end with a blank, as the program has always shown them.
inline constexpr std::array<std::string_view, 5> cabecerascartesianas = {"Punto", "Atributo", "x (metros)",
                                                                          "y (metros) ", "z (metros)"};
inline constexpr std::array<std::string_view, 7> cabecerasplanas = {
    "Punto", "Atributo", "X (metros)", "Y (metros) ", "Mod.Deformac.", "Conv.Merid.", "Nombre"};

inline constexpr ConjuntoVista vistageodesica{"forvisgeo", "Vista de Coordenadas Geodésicas",
                                              "Para seleccionar el Archivo presione Abrir",
                                              "abrir el archivo de coordenadas geodésicas", cabecerasgeodesicas,
                                              columnasgeodesicas};
inline constexpr ConjuntoVista vistacartesiana{"forviscar", "Vista de Coordenadas Cartesianas Geocéntricas",
                                               "Para seleccionar el Archivo presione Abrir",
                                               "abrir el archivo de coordenadas geocéntricas", cabecerascartesianas,
                                               columnascartesianas};
inline constexpr ConjuntoVista vistaplana{"forvispla", "Vista de Coordenadas planas",
                                          "Seleccione el Archivo que desea visualizar",
                                          "abrir el archivo de coordenadas Planas", cabecerasplanas, columnasplanas};

}  // namespace rumbal
