// The record reader on any bytes.
//
// The first byte says how to read: its low four bits are the fields of a
// record less one (1 to 16 fields: every record size of the system and
// more); bit 4 passes over a UTF-8 byte-order mark first; bit 6 reads whole
// lines instead, as catalogues are read; with bit 7 the second byte b places
// the end of the reader's 64 KiB memory b bytes into the rest, by putting
// blank lines before it, so fields, quotes and CR LF pairs fall across a
// refill, or with bit 5 blanks on the first line, so that line grows past
// the longest a line may be. The rest is the file.
//
// Records are read until the end or the first failure. Each record must be
// the same when passed over instead of read, and when read by a new reader
// resumed at its place; its values must be of the kinds the line syntax
// allows; and the line the writers make of it must read back as the same
// values.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "comun.hpp"
#include "textos/campos.hpp"
#include "textos/lector_campos.hpp"
#include "textos/redondeo.hpp"

using namespace rumbal;
using namespace rumbal::fuzz;

namespace {

constexpr std::size_t memoriadellector = 1 << 16;
constexpr int retomados = 8;  // records checked by resuming: a new reader costs its memory

void verificavalor(const ValorCampo& v) {
    if (v.esnumero()) VERIFICA(std::isfinite(v.numero()));
    if (!v.estexto()) return;
    const std::string& t = v.texto();
    // A field ends at its line end; a quoted text at its quote, an unquoted
    // one at its comma.
    VERIFICA(t.find_first_of("\r\n") == std::string::npos);
    VERIFICA(t.find(',') == std::string::npos || t.find('"') == std::string::npos);
}

// The values a written line reads back as: texts with an apostrophe for each
// double quote, numbers to the 15 digits of their text.
ValorCampo releido(const ValorCampo& v) {
    if (v.esnumero()) return redondea15(v.numero());
    if (!v.estexto()) return v;
    std::string t = v.texto();
    for (char& c : t)
        if (c == '"') c = '\'';
    return t;
}

void verificaescritura(const std::vector<ValorCampo>& campos, bool renglon) {
    std::string linea;
    grabalinea(linea, campos);
    VERIFICA(linea.size() >= 2 && linea.compare(linea.size() - 2, 2, "\r\n") == 0);
    std::istringstream entrada(linea);
    LectorCampos lector(entrada);
    // A line of one empty field is a blank line, which readers pass over.
    if (campos.size() == 1 && campos[0].esvacio()) {
        VERIFICA(!lector.quedandatos());
        return;
    }
    VERIFICA(lector.quedandatos());
    std::vector<ValorCampo> leidos;
    const Lectura l = renglon ? lector.leerenglon(leidos) : lector.leecampos(campos.size(), leidos);
    VERIFICA(l == Lectura::correcta);
    VERIFICA(leidos.size() == campos.size());
    for (std::size_t i = 0; i < campos.size(); ++i) VERIFICA(leidos[i] == releido(campos[i]));
    VERIFICA(!lector.quedandatos());
}

bool empiezaconmarca(const std::string& bytes) { return bytes.rfind("\xEF\xBB\xBF", 0) == 0; }

void leerenglones(const std::string& bytes, bool marca) {
    std::istringstream entrada(bytes);
    LectorCampos lector(entrada);
    if (marca) VERIFICA(lector.saltamarcautf8() == empiezaconmarca(bytes));
    std::vector<ValorCampo> campos;
    while (lector.quedandatos()) {
        const Lectura l = lector.leerenglon(campos);
        VERIFICA(lector.linearegistro() <= lector.linea());
        if (l != Lectura::correcta) {
            VERIFICA(l == Lectura::comillassincerrar || l == Lectura::renglonlargo);
            break;
        }
        VERIFICA(!campos.empty());
        for (const ValorCampo& v : campos) verificavalor(v);
        verificaescritura(campos, true);
    }
    VERIFICA(!lector.fallolectura());
    VERIFICA(lector.desplazamiento() <= static_cast<std::int64_t>(bytes.size()));
}

void leeregistros(const std::string& bytes, std::size_t n, bool marca) {
    std::istringstream entrada(bytes), entradasaltada(bytes);
    LectorCampos lector(entrada), saltador(entradasaltada);
    if (marca) {
        VERIFICA(lector.saltamarcautf8() == empiezaconmarca(bytes));
        VERIFICA(saltador.saltamarcautf8() == empiezaconmarca(bytes));
    }
    std::vector<ValorCampo> campos, deretomado;
    for (int registro = 0;; ++registro) {
        const bool quedan = lector.quedandatos();
        VERIFICA(saltador.quedandatos() == quedan);
        const LugarLectura lugar = lector.lugar();
        VERIFICA(saltador.lugar() == lugar);
        if (!quedan) break;

        const Lectura l = lector.leecampos(n, campos);
        VERIFICA(campos.size() == n);
        VERIFICA(saltador.saltacampos(n) == l);
        VERIFICA(saltador.linearegistro() == lector.linearegistro());
        VERIFICA(saltador.linea() == lector.linea());
        VERIFICA(lector.linearegistro() <= lector.linea());
        if (l == Lectura::correcta) VERIFICA(saltador.lugar() == lector.lugar());

        if (registro < retomados) {
            std::istringstream otra(bytes);
            otra.seekg(lugar.byte);
            LectorCampos retomado(otra, lugar);
            VERIFICA(retomado.leecampos(n, deretomado) == l);
            VERIFICA(retomado.linearegistro() == lector.linearegistro());
            VERIFICA(retomado.linea() == lector.linea());
            if (l == Lectura::correcta) {
                VERIFICA(deretomado == campos);
                VERIFICA(retomado.lugar() == lector.lugar());
            }
        }
        if (l != Lectura::correcta) break;
        for (const ValorCampo& v : campos) verificavalor(v);
        verificaescritura(campos, false);
    }
    VERIFICA(!lector.fallolectura());
    VERIFICA(lector.desplazamiento() <= static_cast<std::int64_t>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    if (tamano == 0) return 0;
    const std::uint8_t modo = datos[0];
    std::size_t inicio = 1;
    std::string bytes;
    if (modo & 0x80) {
        if (tamano < 2) return 0;
        bytes.assign(memoriadellector - datos[1], modo & 0x20 ? ' ' : '\n');
        inicio = 2;
    }
    bytes.append(reinterpret_cast<const char*>(datos) + inicio, tamano - inicio);
    const bool marca = modo & 0x10;
    if (modo & 0x40)
        leerenglones(bytes, marca);
    else
        leeregistros(bytes, 1 + (modo & 0x0F), marca);
    return 0;
}
