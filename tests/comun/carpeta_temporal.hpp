#pragma once
// A fresh folder for one test, removed afterwards, and byte-exact file access.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace rumbal::prueba {

class CarpetaTemporal {
public:
    CarpetaTemporal() {
        std::random_device azar;
        ruta_ = std::filesystem::temp_directory_path() /
                ("rumbal-prueba-" + std::to_string(azar()) + std::to_string(azar()));
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal() {
        std::error_code ec;
        std::filesystem::remove_all(ruta_, ec);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const std::filesystem::path& ruta() const { return ruta_; }
    std::filesystem::path operator/(const std::string& nombre) const { return ruta_ / nombre; }

private:
    std::filesystem::path ruta_;
};

inline void escribe(const std::filesystem::path& ruta, const std::string& bytes) {
    std::ofstream(ruta, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string lee(const std::filesystem::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace rumbal::prueba
