#include <cstdlib>
#include <iostream>
#include <system_error>

#include "lote/lote.hpp"
#include "programa/carpeta_programa.hpp"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // Nothing is asked of a person here, and standard input may be read on
    // another thread than the one that writes standard output.
    std::cin.tie(nullptr);
    std::vector<std::string> argumentos(argv + 1, argv + argc);
    std::error_code ec;
    const auto ejecutable = std::filesystem::read_symlink("/proc/self/exe", ec);
    // The program's own folder, the one the windows use: the folder of the
    // executable in a build, the user's data folder once installed.
    const auto carpeta = rumbal::preparacarpeta(
        ec ? std::filesystem::absolute(argv[0]).parent_path() : ejecutable.parent_path(),
        rumbal::carpetausuario(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")), rumbal::relativainstalada());
    if (!carpeta.aviso.empty()) std::cerr << "rumbal-lote: " << carpeta.aviso << '\n';
    return rumbal::ejecutalote(argumentos, {std::cin, std::cout, std::cerr, 0, 1}, carpeta.carpeta);
}
