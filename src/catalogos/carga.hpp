#pragma once
// Loading the catalogue files of a folder into tables.
//
// A catalogue is read whole and checked line by line: every line must hold
// exactly the fields of its file, a number field a number, a text between
// double quotes closed on its line, and the file no more entries than its table
// has slots (21; 3 for the frame pair, which needs at least its two frames).
// Anything else is an error naming the file and the line: the program cannot
// work on a catalogue it cannot read, and guessing would give wrong results.
// Blank lines are passed over. A bare number in a text field (an attribute
// 101) is taken as its text.

#include <filesystem>
#include <string>
#include <vector>

#include "catalogos/entradas.hpp"
#include "catalogos/resultado.hpp"

namespace rumbal {

Resultado<std::vector<Renglon>> leecatalogo(const std::filesystem::path& carpeta, const Catalogo& c,
                                            std::vector<std::int64_t>* lineas = nullptr);

Resultado<std::vector<EntradaElipsoide>> cargaelipsoides(const std::filesystem::path& carpeta);
Resultado<std::vector<EntradaRepresentacion>> cargarepresentaciones(const std::filesystem::path& carpeta);
Resultado<std::vector<std::string>> cargaatributos(const std::filesystem::path& carpeta);
Resultado<std::vector<EntradaMarco>> cargamarcos(const std::filesystem::path& carpeta);
Resultado<Decimales> cargadecimales(const std::filesystem::path& carpeta);

// All five, in the order the program reads them at start-up.
struct Catalogos {
    std::vector<EntradaRepresentacion> representaciones;
    std::vector<EntradaElipsoide> elipsoides;
    std::vector<std::string> atributos;
    Decimales decimales;
    std::vector<EntradaMarco> marcos;
};

Resultado<Catalogos> cargacatalogos(const std::filesystem::path& carpeta);

}  // namespace rumbal
