#include "textos/codigo_1252.hpp"

#include <array>
#include <cstdint>

namespace rumbal {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> altos = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void agregautf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

char32_t caracter1252(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? altos[byte - 0x80] : byte; }

std::optional<char> byte1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < altos.size(); ++i)
        if (altos[i] == c) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

std::string autf8(std::string_view cp1252) {
    std::string s;
    s.reserve(cp1252.size());
    for (char b : cp1252) agregautf8(s, caracter1252(static_cast<unsigned char>(b)));
    return s;
}

std::optional<std::string> deutf8(std::string_view utf8) {
    std::string s;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        int largo = 0;
        char32_t c = 0;
        if (b < 0x80) {
            largo = 1;
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            largo = 2;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            largo = 3;
            c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            largo = 4;
            c = b & 0x07;
        } else {
            return std::string(utf8);  // not UTF-8: already bytes of the code page
        }
        if (i + static_cast<std::size_t>(largo) > utf8.size()) return std::string(utf8);
        for (int k = 1; k < largo; ++k) {
            const auto sig = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            if ((sig & 0xC0) != 0x80) return std::string(utf8);
            c = (c << 6) | (sig & 0x3F);
        }
        const auto byte = byte1252(c);
        if (!byte) return std::nullopt;
        s += *byte;
        i += static_cast<std::size_t>(largo);
    }
    return s;
}

}  // namespace rumbal
