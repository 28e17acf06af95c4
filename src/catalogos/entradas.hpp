#pragma once
// Catalogue entries and the description of the five catalogue files.
//
// Each catalogue is a text file of record lines in the program folder, one
// entry per line, fields in a fixed order. The tables that windows build from
// them hold 21 entries (3 for the frame pair); the editors never let a
// catalogue grow past 20.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "geodesia/constantes.hpp"
#include "textos/campos.hpp"

namespace rumbal {

// Entries keep the line of their catalogue they were loaded from (0 when they
// were not loaded), so that an entry the computation cannot use is named by
// file and line.
struct EntradaElipsoide {
    std::string nombre;
    Elipsoide valores;
    std::int64_t linea = 0;
};

struct EntradaRepresentacion {
    std::string nombre;
    RepresentacionPlana valores;
    std::int64_t linea = 0;
};

struct EntradaMarco {
    std::string nombre;
    std::string elipsoide;  // name of an entry of elipsoide.txt
    ParametrosMarco parametros;
    std::int64_t linea = 0;
};

// A catalogue file: its name, the kind of each field ('T' text, 'N' number)
// and the number of table slots.
struct Catalogo {
    std::string_view archivo;
    std::string_view formato;
    std::size_t capacidad;
};

inline constexpr std::size_t maximoentradas = 20;  // what an editor lets a catalogue hold

inline constexpr Catalogo catalogoelipsoides{"elipsoide.txt", "TNNNNN", 21};
inline constexpr Catalogo catalogorepresentaciones{"parametros.txt", "TTNNTN", 21};
inline constexpr Catalogo catalogoatributos{"atributos.txt", "T", 21};
inline constexpr Catalogo catalogodecimales{"varios.txt", "NNN", 1};
inline constexpr Catalogo catalogomarcos{"marref.txt", "TTNNNNNNN", 3};
// The five catalogues of the program folder.
inline constexpr std::array<const Catalogo*, 5> catalogosdelprograma = {
    &catalogoelipsoides, &catalogorepresentaciones, &catalogoatributos, &catalogodecimales, &catalogomarcos};
inline constexpr std::string_view archivotransitorio = "transi.txt";

using Renglon = std::vector<ValorCampo>;

// Whether ruta is one of the catalogues of the program folder carpeta (or its
// scratch file): a results file must never be one, or the program cannot start
// the next time.
bool escatalogo(const std::filesystem::path& ruta, const std::filesystem::path& carpeta);

// Entries from checked lines (every field of the kind the format says) and back.
EntradaElipsoide aelipsoide(const Renglon& r);
EntradaRepresentacion arepresentacion(const Renglon& r);
EntradaMarco amarco(const Renglon& r);
Decimales adecimales(const Renglon& r);
Renglon renglonde(const EntradaElipsoide& e);
Renglon renglonde(const EntradaRepresentacion& e);
Renglon renglonde(const EntradaMarco& e);
Renglon renglonde(const Decimales& d);
Renglon renglondeatributo(const std::string& nombre);

}  // namespace rumbal
