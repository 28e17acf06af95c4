#pragma once
// The three catalogue editors (ellipsoids, plane representations, attributes)
// are one window with three designs: in add mode ("eliagr") the data frame
// takes a new entry, in delete mode ("elibor") the list offers the names to
// delete. What differs is held here as data. Texts are UTF-8.
//
// The boxes run top to bottom in screen order; each says which field of the
// catalogue line it holds, since the plane representations store their two
// angle texts apart (name, origin longitude, false easting, false northing,
// origin latitude, scale factor) while the screen shows them in pairs. The
// boxes are the array Text1(1), Text1(2), ... with their captions Label1(1),
// Label1(2), ...; a design of one box names it Text1, without an index.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogos/entradas.hpp"

namespace rumbal {

struct CajaEditor {
    std::string_view texto;  // the caption
    std::size_t campo;       // field of the catalogue line, from 0
};

// The names of the box and of its caption at place i (from 0) of a design of
// n boxes.
std::string nombrecaja(std::size_t i, std::size_t n);
std::string nombrerotulo(std::size_t i);

// When the prompt "Para confirmar clikee Agregar" appears in add mode.
enum class AvisoAgregar { alcargar, alentrarenagregar, alsalirdelacaja };

struct DisenoEditor {
    std::string_view nombre;            // "forelipsoides"
    std::string_view titulo;            // design caption, replaced at load
    std::string_view tituloagregar, tituloborrar;
    std::string_view marcodatos;        // Frame2's caption
    std::string_view marcolista;        // Frame1's caption
    std::string_view lista;             // "lst_elipso"
    std::string_view agregar, borrar, terminar;  // the buttons' names
    std::string_view indicaagregar, indicaborrar;  // Label3 at load, per mode
    std::string_view agregado, borrado;            // Label3 after each
    bool muestraelegido;                // a chosen entry fills the boxes (not for attributes)
    bool limpiaalborrar;                // the boxes blanked after a delete
    AvisoAgregar avisoagregar;
    const Catalogo* catalogo;
    std::span<const CajaEditor> cajas;
};

inline constexpr std::array<CajaEditor, 6> cajaselipsoide = {{{"Nombre", 0}, {"Semieje  mayor", 1}, {"Semieje menor", 2},
                                                               {"Aplastamiento", 3}, {"1ra.excentricidad", 4},
                                                               {"2da.excentricidad", 5}}};

// Latitude of the origin before false northing on the screen, after it in the line.
inline constexpr std::array<CajaEditor, 6> cajasrepresentacion = {{{"Nombre", 0}, {"Longitud del origen", 1},
                                                                   {"Falso Este", 2}, {"Latitud del origen", 4},
                                                                   {"Falso Norte", 3}, {"Factor de Escala", 5}}};

inline constexpr std::array<CajaEditor, 1> cajasatributo = {{{"Nombre", 0}}};

inline constexpr DisenoEditor editorelipsoides{
    "forelipsoides", "Modificar Listado de Elipsoides", "Agregar Elipsoides", "Borrar Elipsoides",
    "Datos del elipsóide ", "Listado de elipsoides ", "lst_elipso", "BotAgrEli", "BotBorEli", "BotTerEli",
    "Para confirmar clikee Agregar", "Seleccione el nombre de elipsoide a borrar", "Se Agregó un Elipsoide",
    "Se borró un elipsoide", true, true, AvisoAgregar::alcargar, &catalogoelipsoides, cajaselipsoide};

inline constexpr DisenoEditor editorrepresentaciones{
    "forparametros", "Modificar Listado de Parámetros G.K.", "Agregar Representación plana",
    "Borrar Representación plana", "Parámetros de la Representación plana", "Listado de Representación plana",
    "lst_param", "BotAgrPar", "BotBorPar", "BotTerPar", "Ingrese los datos",
    "Seleccione el nombre de la rep.plana a borrar", "Se agregó una repres.plana", "Se borró una repres.plana", true,
    true, AvisoAgregar::alentrarenagregar, &catalogorepresentaciones, cajasrepresentacion};

inline constexpr DisenoEditor editoratributos{
    "foratributos", "Modificar Listado de Atributos", "Agregar Atributos", "Borrar Atributos", "Atributo",
    "Listado de atributos", "lst_Atrib", "BotAgrAtr", "BotBorAtr", "BotTerAtr",
    "Seleccione el nombre del atributo a agregar", "Seleccione el nombre de atributo a borrar",
    "Se agregó un atributo", "Se borró un atributo", false, false, AvisoAgregar::alsalirdelacaja, &catalogoatributos, cajasatributo};

// The catalogue line of what the boxes hold (texts in Windows-1252, in screen
// order): a text field as typed, a number field by the leading-number
// reading (letters or nothing give 0).
Renglon renglondecajas(const DisenoEditor& d, const std::vector<std::string>& cajas);

// The boxes' texts for a catalogue line, in screen order: a text unchanged, a
// number in the display form.
std::vector<std::string> cajasderenglon(const DisenoEditor& d, const Renglon& renglon);

}  // namespace rumbal
