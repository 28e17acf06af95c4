#include "textos/lector_campos.hpp"

#include <charconv>
#include <cstring>
#include <fstream>

#include "textos/busqueda_tope.hpp"

namespace rumbal {

namespace {
constexpr std::size_t tamanomemoria = 1 << 16;

bool esblanco(int c) { return c == ' ' || c == '\t'; }
bool esfindelinea(int c) { return c == '\r' || c == '\n'; }
}  // namespace

LectorCampos::LectorCampos(std::istream& entrada) : LectorCampos(entrada, LugarLectura{}) {}

LectorCampos::LectorCampos(std::istream& entrada, const LugarLectura& desde)
    : entrada_(&entrada),
      memoria_(tamanomemoria),
      datos_(memoria_.data()),
      base_(desde.byte),
      alprincipiodelinea_(desde.alprincipiodelinea),
      linea_(desde.linea),
      linearegistro_(desde.linea),
      iniciorenglon_(desde.iniciorenglon) {}

LectorCampos::LectorCampos(std::string_view bytes, const LugarLectura& desde)
    : datos_(bytes.data()),
      fin_(bytes.size()),
      base_(desde.byte),
      agotada_(true),
      alprincipiodelinea_(desde.alprincipiodelinea),
      linea_(desde.linea),
      linearegistro_(desde.linea),
      iniciorenglon_(desde.iniciorenglon) {}

bool LectorCampos::saltamarcautf8() {
    if (desplazamiento() != 0 || mira() != 0xEF || fin_ < 3) return false;
    if (datos_[1] != '\xBB' || datos_[2] != '\xBF') return false;
    posicion_ = 3;
    iniciorenglon_ = 3;
    return true;
}

int LectorCampos::rellena() {
    if (agotada_) return -1;
    base_ += static_cast<std::int64_t>(fin_);
    entrada_->read(memoria_.data(), static_cast<std::streamsize>(memoria_.size()));
    fin_ = static_cast<std::size_t>(entrada_->gcount());
    posicion_ = 0;
    if (!*entrada_) {
        agotada_ = true;
        if (entrada_->bad()) fallo_ = true;
    }
    if (fin_ == 0) return -1;
    return static_cast<unsigned char>(datos_[0]);
}

void LectorCampos::avanza() { ++posicion_; }

void LectorCampos::pasafindelinea() {
    const int c = mira();
    avanza();
    if (c == '\r' && mira() == '\n') avanza();
    ++linea_;
    iniciorenglon_ = desplazamiento();
}

bool LectorCampos::quedandatos() {
    if (!alprincipiodelinea_) {
        // Inside a line (the last record ended with a comma): data is left even
        // if it is only an empty field before the line end.
        return true;
    }
    for (;;) {
        const int c = mira();
        if (c < 0) return false;
        if (esblanco(c) && !renglonexcedido()) {
            avanza();
        } else if (esfindelinea(c)) {
            pasafindelinea();
        } else {
            return true;
        }
    }
}

// Inlined: it runs for every field, most of them a few bytes long.
template <bool junta, char tope>
[[gnu::always_inline]] inline int LectorCampos::juntahasta(std::string& texto) {
    for (;;) {
        if (mira() < 0) return -1;
        const char* inicio = datos_ + posicion_;
        const char* final = datos_ + fin_;
        const char* p = buscatope<tope>(inicio, final);
        if constexpr (junta) texto.append(inicio, static_cast<std::size_t>(p - inicio));
        posicion_ += static_cast<std::size_t>(p - inicio);
        if (renglonexcedido()) return -2;
        if (p < final) return static_cast<unsigned char>(*p);
    }
}

// Nearly every field lies whole in the memory; this way takes a few byte
// comparisons and one append for it. The line limit is checked once, at the
// comma or line end: the bytes before it are on the same line, so the line
// grew past the limit before it only if it did at it.
template <bool junta>
[[gnu::always_inline]] inline bool LectorCampos::delimitaenmemoria(std::string& texto, bool& entrecomillas,
                                                                   bool& findelinea) {
    const char* const final = datos_ + fin_;
    const char* p = datos_ + posicion_;
    while (p < final && esblanco(*p)) ++p;
    if (p == final) return false;
    entrecomillas = *p == '"';
    const char* desde = p;
    const char* hasta = nullptr;  // end of the field's text
    const char* fin = nullptr;    // its comma or line end
    if (entrecomillas) {
        desde = p + 1;
        hasta = buscatope<'"'>(desde, final);
        if (hasta == final || *hasta != '"') return false;
        fin = buscatope<','>(hasta + 1, final);
    } else {
        hasta = fin = buscatope<','>(p, final);
    }
    if (fin == final) return false;
    const std::size_t posicionfin = static_cast<std::size_t>(fin - datos_);
    if (base_ + static_cast<std::int64_t>(posicionfin) - iniciorenglon_ > largomaximorenglon) return false;
    if constexpr (junta) texto.append(desde, static_cast<std::size_t>(hasta - desde));
    posicion_ = posicionfin;
    findelinea = *fin != ',';
    if (findelinea) {
        pasafindelinea();
    } else {
        avanza();
    }
    return true;
}

template <bool junta>
Lectura LectorCampos::delimitacampo(std::string& texto, bool& entrecomillas, bool& findelinea) {
    if (delimitaenmemoria<junta>(texto, entrecomillas, findelinea)) return Lectura::correcta;
    while (esblanco(mira()) && !renglonexcedido()) avanza();
    int c = mira();
    entrecomillas = c == '"';
    if (entrecomillas) {
        avanza();
        c = juntahasta<junta, '"'>(texto);
        if (c == -2) return Lectura::renglonlargo;
        if (c != '"') return Lectura::comillassincerrar;
        avanza();
        c = juntahasta<false, ','>(texto);
    } else {
        c = juntahasta<junta, ','>(texto);
    }
    if (c == -2 || renglonexcedido()) return Lectura::renglonlargo;
    if (c == ',') {
        avanza();
        findelinea = false;
    } else {
        if (c >= 0) pasafindelinea();
        findelinea = true;
    }
    return Lectura::correcta;
}

Lectura LectorCampos::leecampo(ValorCampo& valor, bool& findelinea) {
    texto_.clear();
    bool entrecomillas = false;
    const Lectura l = delimitacampo<true>(texto_, entrecomillas, findelinea);
    if (l == Lectura::correcta) valor = valordecampo({texto_, entrecomillas});
    return l;
}

template <class Campo>
Lectura LectorCampos::recorrecampos(std::size_t n, Campo campo) {
    if (!quedandatos()) return n == 0 ? Lectura::correcta : Lectura::finderegistro;
    linearegistro_ = linea_;
    empezorenglon_ = alprincipiodelinea_;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && alprincipiodelinea_ && mira() < 0) return Lectura::finderegistro;
        bool findelinea = false;
        const Lectura l = campo(i, findelinea);
        if (l != Lectura::correcta) return l;
        alprincipiodelinea_ = findelinea;
    }
    return Lectura::correcta;
}

Lectura LectorCampos::leecampos(std::size_t n, std::vector<ValorCampo>& campos) {
    campos.resize(n);
    return leecampos(std::span<ValorCampo>(campos));
}

Lectura LectorCampos::leecampos(std::span<ValorCampo> campos) {
    return recorrecampos(campos.size(),
                         [&](std::size_t i, bool& findelinea) { return leecampo(campos[i], findelinea); });
}

Lectura LectorCampos::leecampos(std::span<CampoLeido> campos, std::string& textos) {
    return recorrecampos(campos.size(), [&](std::size_t i, bool& findelinea) {
        CampoLeido& c = campos[i];
        c.desde = textos.size();
        const Lectura l = delimitacampo<true>(textos, c.entrecomillas, findelinea);
        c.largo = textos.size() - c.desde;
        return l;
    });
}

Lectura LectorCampos::saltacampos(std::size_t n) {
    return recorrecampos(n, [this](std::size_t, bool& findelinea) {
        bool entrecomillas = false;
        return delimitacampo<false>(texto_, entrecomillas, findelinea);
    });
}

Lectura LectorCampos::leerenglon(std::vector<ValorCampo>& campos) {
    campos.clear();
    if (!quedandatos()) return Lectura::finderegistro;
    linearegistro_ = linea_;
    for (;;) {
        bool findelinea = false;
        campos.emplace_back();
        const Lectura l = leecampo(campos.back(), findelinea);
        if (l != Lectura::correcta) return l;
        if (findelinea) break;
    }
    alprincipiodelinea_ = true;
    return Lectura::correcta;
}

void ContadorLineas::agrega(const char* p, std::size_t n) {
    if (n == 0) return;
    // Lines = LF + CR - CR LF pairs, plus a last line without an end.
    if (anterior_ == '\r' && p[0] == '\n') ++crlf_;
    for (std::size_t i = 0; i < n; ++i) {
        lf_ += p[i] == '\n';
        cr_ += p[i] == '\r';
    }
    for (const char* q = p; (q = static_cast<const char*>(std::memchr(q, '\r', p + n - q))) != nullptr; ++q)
        if (q + 1 < p + n && q[1] == '\n') ++crlf_;
    anterior_ = p[n - 1];
    algo_ = true;
}

std::int64_t ContadorLineas::lineas() const {
    std::int64_t lineas = lf_ + cr_ - crlf_;
    if (algo_ && anterior_ != '\n' && anterior_ != '\r') ++lineas;
    return lineas;
}

std::optional<std::int64_t> cuentalineas(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo) return std::nullopt;
    std::vector<char> memoria(tamanomemoria);
    ContadorLineas contador;
    for (;;) {
        archivo.read(memoria.data(), static_cast<std::streamsize>(memoria.size()));
        contador.agrega(memoria.data(), static_cast<std::size_t>(archivo.gcount()));
        if (!archivo) break;
    }
    if (archivo.bad()) return std::nullopt;
    return contador.lineas();
}

}  // namespace rumbal
