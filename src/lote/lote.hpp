#pragma once
// The batch tool: the processing, frame transformation, column selection and
// attribute selection of the windows, for files named on the command line.
//
// Exit status: 0 done; 1 a run that could not go on (the message names the
// record and the line; what was written before it stays); 2 a refusal before
// anything is written or created (a wrong option or argument, an unknown
// name, a catalogue or input file that cannot be read).

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace rumbal {

struct Consola {
    std::istream& entrada;  // DATOS "-"
    std::ostream& salida;   // RESULTADOS "-", and the usage text
    std::ostream& errores;  // counts and messages, UTF-8
};

// argumentos: the words after the program name, as the terminal gives them
// (UTF-8). carpetaprograma: the folder of the executable, where the
// catalogues are unless --carpeta names another.
int ejecutalote(const std::vector<std::string>& argumentos, Consola consola,
                const std::filesystem::path& carpetaprograma);

}  // namespace rumbal
