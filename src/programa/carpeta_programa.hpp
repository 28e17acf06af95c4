#pragma once
// The program folder: the one folder that holds the catalogues the user edits,
// the save sound and the user guide, and that every window and message names.
// In a build it is the folder of the executable, as it always was. Once the
// program is installed, the installed files are not the user's to change: the
// program folder is then the user's data folder, which gets a copy of every
// installed default it lacks. Plain C++ without Qt, so that rumbal-lote
// chooses the folder the program chooses. Messages are Spanish, UTF-8.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/resultado.hpp"

namespace rumbal {

// The files the program folder starts with: the five catalogues, the save
// sound and the user guide.
const std::vector<std::string>& archivospredeterminados();

// The user's data folder for the application "Rumbal", given the values of
// XDG_DATA_HOME and HOME (null when unset): the folder Qt names
// AppDataLocation for an application of that name and no organisation.
// XDG_DATA_HOME is taken as given when it is set and not empty (relative
// too, as Qt takes it); otherwise HOME (the root folder when HOME is unset
// or empty) followed by .local/share.
std::filesystem::path carpetausuario(const char* xdgdatahome, const char* home);

struct EleccionCarpeta {
    std::filesystem::path carpeta;          // the program folder
    std::filesystem::path predeterminados;  // where the defaults it lacks come from; empty: none
};

// The decision, with the answers about the file system given:
// - instalado (the installed defaults are there, at
//   <ejecutable>/<relativa>): the user's folder, filled from them;
// - otherwise, a folder of the executable that can be written (a build): that
//   folder, nothing copied;
// - otherwise (a build folder copied where the user cannot write): the
//   user's folder, filled from the folder of the executable.
EleccionCarpeta eligecarpeta(const std::filesystem::path& ejecutable, const std::filesystem::path& usuario,
                             std::string_view relativa, bool instalado, bool escribible);

// Copies into carpeta (made when it does not exist) every default of
// predeterminados that it lacks; a file carpeta holds is never replaced, so
// the catalogues the user changed stay, and one deleted there comes back as
// the default on the next start. A default missing from predeterminados is
// passed over (loading the catalogues reports it). Each copy is written under
// a scratch name and renamed into place, so a catalogue is never seen half
// copied. An error says what could not be made or copied.
Resultado<void> completacarpeta(const std::filesystem::path& carpeta, const std::filesystem::path& predeterminados);

// Where the installed defaults are, from the folder of the installed
// executables ("../share/rumbal" for the usual layout).
std::string_view relativainstalada();

// The program folder of this run, with the file system asked: the decision
// above (the installed defaults looked for at <ejecutable>/<relativa>, the
// folder of the executable writable when the user may create files in it),
// then the user's folder filled. aviso: what went wrong filling it, empty
// when nothing did.
struct CarpetaPrograma {
    std::filesystem::path carpeta;
    std::string aviso;
};
CarpetaPrograma preparacarpeta(const std::filesystem::path& ejecutable, const std::filesystem::path& usuario,
                               std::string_view relativa);

}  // namespace rumbal
