#pragma once
// The batch tool: the processing, frame transformation, column selection and
// attribute selection of the windows, for files named on the command line.
//
// Exit status: 0 done; 1 a run that could not go on (the message names the
// record and the line, or why writing failed; what was written before it
// stays, in whole lines); 2 a refusal before anything is written or created (a
// wrong option or argument, an unknown name, a catalogue or input file that
// cannot be read, a catalogue entry the computation cannot use, a results
// file that is the input, a catalogue, a folder or a device).

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace rumbal {

struct Consola {
    Consola(std::istream& e, std::ostream& s, std::ostream& err, int de = -1, int ds = -1)
        : entrada(e), salida(s), errores(err), descriptorentrada(de), descriptorsalida(ds) {}

    std::istream& entrada;  // DATOS "-"
    std::ostream& salida;   // RESULTADOS "-", and the usage text
    std::ostream& errores;  // counts and messages, UTF-8
    // The system's descriptors behind entrada and salida (0 and 1 for a
    // terminal's program; -1 when there are none), so that a results file
    // that is the input under another name is recognised.
    int descriptorentrada = -1;
    int descriptorsalida = -1;
};

// argumentos: the words after the program name, as the terminal gives them
// (UTF-8). carpetaprograma: the folder of the executable, where the
// catalogues are unless --carpeta names another.
int ejecutalote(const std::vector<std::string>& argumentos, Consola consola,
                const std::filesystem::path& carpetaprograma);

}  // namespace rumbal
