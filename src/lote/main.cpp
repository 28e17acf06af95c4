#include <iostream>
#include <system_error>

#include "lote/lote.hpp"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> argumentos(argv + 1, argv + argc);
    std::error_code ec;
    const auto ejecutable = std::filesystem::read_symlink("/proc/self/exe", ec);
    const auto carpeta = ec ? std::filesystem::absolute(argv[0]).parent_path() : ejecutable.parent_path();
    return rumbal::ejecutalote(argumentos, {std::cin, std::cout, std::cerr, 0, 1}, carpeta);
}
