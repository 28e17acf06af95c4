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

// The bytes of a piece from some byte on, then the rest of the input. Where
// the input fails, reading fails too (after the bytes it gave), so a reader
// of the whole sees the failure where a reader of the input would.
class Pedazos::Encadenado : public std::streambuf {
public:
    explicit Encadenado(std::istream& luego) : luego_(luego), memoria_(1 << 16) {}
    void empieza(char* desde, char* hasta) { setg(desde, desde, hasta); }

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
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
};

Pedazos::Pedazos(std::istream& entrada, std::size_t tamano) : entrada_(entrada), tamano_(tamano), memoria_(tamano) {}

Pedazos::~Pedazos() = default;

bool Pedazos::siguiente() {
    byte_ += static_cast<std::int64_t>(largo_);
    // What was read after the last piece's last line end goes first.
    std::copy(memoria_.begin() + static_cast<std::ptrdiff_t>(largo_),
              memoria_.begin() + static_cast<std::ptrdiff_t>(guardados_), memoria_.begin());
    guardados_ -= largo_;
    largo_ = 0;
    if (!agotada_ && guardados_ < tamano_) {
        entrada_.read(memoria_.data() + guardados_, static_cast<std::streamsize>(tamano_ - guardados_));
        guardados_ += static_cast<std::size_t>(entrada_.gcount());
        agotada_ = !entrada_;
    }
    if (entrada_.bad()) return false;
    if (agotada_) {
        largo_ = guardados_;
        return largo_ > 0;
    }
    const auto fin = std::find(memoria_.rbegin(), memoria_.rend(), '\n');
    if (fin == memoria_.rend()) return false;
    largo_ = static_cast<std::size_t>(memoria_.rend() - fin);
    return true;
}

std::istream& Pedazos::resto(std::size_t desde) {
    encadenado_ = std::make_unique<Encadenado>(entrada_);
    encadenado_->empieza(memoria_.data() + desde, memoria_.data() + guardados_);
    resto_ = std::make_unique<std::istream>(encadenado_.get());
    return *resto_;
}

}  // namespace rumbal
