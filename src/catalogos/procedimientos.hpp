#pragma once
// Changing a catalogue file: adding one entry, deleting every entry of a name,
// replacing the whole file.
//
// Adding appends one line (after a line end, if the file's last line lacks
// one). Deleting and replacing never leave the user without a catalogue: the
// new content is written completely to the scratch file transi.txt beside the
// catalogue, flushed to the disk, and then put in the catalogue's place by a
// rename, so an interruption at any moment leaves the old catalogue or the new
// one. A transi.txt left behind by an interrupted change is discarded first.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalogos/entradas.hpp"
#include "catalogos/resultado.hpp"

namespace rumbal {

// The message for a full catalogue (Windows-1252, as every text of the core).
std::string_view mensajecatalogolleno();

enum class Agregado { agregado, lleno };

// Appends the entry when the table read at the window's opening (cuenta
// entries) holds fewer than 20; with 20 or more nothing is written and the
// answer is lleno (the caller shows mensajecatalogolleno).
Resultado<Agregado> agregaentrada(const std::filesystem::path& carpeta, const Catalogo& c, const Renglon& entrada,
                                  std::size_t cuenta);

// Removes every entry whose name (field 1) is nombre, exactly, keeping the
// order of the others; returns the entries kept.
Resultado<std::vector<Renglon>> borraentrada(const std::filesystem::path& carpeta, const Catalogo& c,
                                             const std::string& nombre);

// Replaces the file with the given lines.
Resultado<void> reemplazaarchivo(const std::filesystem::path& carpeta, const Catalogo& c,
                                 const std::vector<Renglon>& renglones);

}  // namespace rumbal
