#include "archivos/pedazos.hpp"

#include <algorithm>
#include <ios>
#include <span>
#include <streambuf>

namespace rumbal {

void leetrozo(Trozo& t, std::size_t n) {
    LectorCampos lector(t.bytes, LugarLectura{t.byte, 1, true, t.byte});
    t.marcautf8 = t.byte == 0 && lector.saltamarcautf8();
    t.registros = 0;
    t.renglones = 0;
    t.lineas.clear();
    t.datos.textos.clear();
    t.fiel = false;
    while (lector.quedandatos()) {
        if (t.datos.campos.size() < (t.registros + 1) * n) t.datos.campos.resize(2 * (t.registros + 1) * n);
        const std::span<CampoLeido> campos(t.datos.campos.data() + t.registros * n, n);
        if (lector.leecampos(campos, t.datos.textos) != Lectura::correcta || !lector.registroenunrenglon()) return;
        t.lineas.push_back(lector.linearegistro());
        ++t.registros;
    }
    t.renglones = lector.linea() - 1;
    t.fiel = true;
}

// The bytes of a piece from some byte on, those read after it, then the
// rest of the input. Where the input fails, reading fails too (after the
// bytes it gave), so a reader of the whole sees the failure where a reader
// of the input would.
class Pedazos::Encadenado : public std::streambuf {
public:
    explicit Encadenado(std::istream& luego) : luego_(luego), memoria_(1 << 16) {}
    void empieza(std::string_view primero, std::string_view segundo) {
        char* p = const_cast<char*>(primero.data());
        setg(p, p, p + primero.size());
        segundo_ = segundo;
    }

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        if (!segundo_.empty()) {
            char* p = const_cast<char*>(segundo_.data());
            setg(p, p, p + segundo_.size());
            segundo_ = {};
            return traits_type::to_int_type(*gptr());
        }
        luego_.read(memoria_.data(), static_cast<std::streamsize>(memoria_.size()));
        const auto leidos = static_cast<std::size_t>(luego_.gcount());
        if (leidos == 0) {
            // The stream that wraps this one turns the exception into its bad state.
            if (luego_.bad()) throw std::ios_base::failure("input failed");
            return traits_type::eof();
        }
        setg(memoria_.data(), memoria_.data(), memoria_.data() + leidos);
        return traits_type::to_int_type(memoria_[0]);
    }

private:
    std::istream& luego_;
    std::vector<char> memoria_;
    std::string_view segundo_;
};

Pedazos::Pedazos(std::istream& entrada, std::size_t tamano)
    : entrada_(entrada),
      tamano_(tamano),
      memorias_{std::make_unique_for_overwrite<char[]>(tamano), std::make_unique_for_overwrite<char[]>(tamano)} {}

Pedazos::~Pedazos() = default;

bool Pedazos::siguiente() {
    // What was read after the piece's last line end goes first.
    char* const memoria = otra();
    std::copy(actual() + largo_, actual() + guardados_, memoria);
    std::size_t leidos = guardados_ - largo_;
    if (!agotada_ && leidos < tamano_) {
        entrada_.read(memoria + leidos, static_cast<std::streamsize>(tamano_ - leidos));
        leidos += static_cast<std::size_t>(entrada_.gcount());
        agotada_ = !entrada_;
    }
    byteanterior_ = byte_;
    largoanterior_ = largo_;
    byte_ += static_cast<std::int64_t>(largo_);
    actual_ = 1 - actual_;
    guardados_ = leidos;
    largo_ = 0;
    if (entrada_.bad()) return false;
    if (agotada_) {
        largo_ = guardados_;
        return largo_ > 0;
    }
    const std::string_view piezaentera(actual(), guardados_);
    const std::size_t fin = piezaentera.rfind('\n');
    if (fin == std::string_view::npos) return false;
    largo_ = fin + 1;
    return true;
}

std::istream& Pedazos::resto(std::int64_t byte) {
    encadenado_ = std::make_unique<Encadenado>(entrada_);
    if (byte >= byte_) {
        const auto desde = static_cast<std::size_t>(byte - byte_);
        encadenado_->empieza({actual() + desde, guardados_ - desde}, {});
    } else {
        // The piece before ends where this one starts.
        const auto desde = static_cast<std::size_t>(byte - byteanterior_);
        encadenado_->empieza({otra() + desde, largoanterior_ - desde}, {actual(), guardados_});
    }
    resto_ = std::make_unique<std::istream>(encadenado_.get());
    return *resto_;
}

}  // namespace rumbal
