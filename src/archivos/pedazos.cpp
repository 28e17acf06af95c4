#include "archivos/pedazos.hpp"

#include <algorithm>
#include <ios>
#include <span>
#include <streambuf>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#endif

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
    // The segments, in order, before the rest of the input.
    void empieza(std::vector<std::string_view> segmentos) {
        segmentos_ = std::move(segmentos);
        siguiente_ = 0;
        setg(nullptr, nullptr, nullptr);
    }

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        while (siguiente_ < segmentos_.size()) {
            const std::string_view segmento = segmentos_[siguiente_++];
            if (segmento.empty()) continue;
            char* p = const_cast<char*>(segmento.data());
            setg(p, p, p + segmento.size());
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
    std::vector<std::string_view> segmentos_;
    std::size_t siguiente_ = 0;
};

namespace {

// Maps the pages of a memory at once, before the first reading into it writes them.
// In a virtual machine each page written for the first time stops the
// machine: 9 us a page where it was measured, against 4 us mapped all at
// once, and a piece of 256 KiB has 64 of them. A kernel that cannot (before
// 5.14) refuses, and the pages are then mapped as they are written.
void prepara(char* p, std::size_t n) {
#if defined(MADV_POPULATE_WRITE)
    const auto pagina = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto desde = (reinterpret_cast<std::uintptr_t>(p) + pagina - 1) & ~(pagina - 1);
    const auto hasta = (reinterpret_cast<std::uintptr_t>(p) + n) & ~(pagina - 1);
    if (hasta > desde) madvise(reinterpret_cast<void*>(desde), hasta - desde, MADV_POPULATE_WRITE);
#else
    (void)p;
    (void)n;
#endif
}

}  // namespace

Pedazos::Pedazos(std::istream& entrada, std::size_t tamano, int memorias)
    : entrada_(entrada),
      tamano_(tamano),
      largos_(static_cast<std::size_t>(memorias)),
      bytes_(static_cast<std::size_t>(memorias)) {
    for (int i = 0; i < memorias; ++i) memorias_.push_back(std::make_unique_for_overwrite<char[]>(tamano));
}

Pedazos::~Pedazos() = default;

bool Pedazos::siguiente() {
    const char* const anterior = memorias_[actual_].get();
    const std::size_t largo = largos_[actual_];
    const std::size_t k = siguientede(actual_);
    char* const memoria = memorias_[k].get();
    // The first piece's memory is mapped as the reading writes it: a short
    // input needs no more. Those of the next pieces are mapped at once.
    if (!agotada_ && leidas_ > 0 && leidas_ < memorias_.size()) prepara(memoria, tamano_);
    // What was read after the piece's last line end goes first.
    std::copy(anterior + largo, anterior + guardados_, memoria);
    std::size_t leidos = guardados_ - largo;
    if (!agotada_ && leidos < tamano_) {
        entrada_.read(memoria + leidos, static_cast<std::streamsize>(tamano_ - leidos));
        leidos += static_cast<std::size_t>(entrada_.gcount());
        agotada_ = !entrada_;
    }
    bytes_[k] = bytes_[actual_] + static_cast<std::int64_t>(largo);
    actual_ = k;
    leidas_ = std::min(leidas_ + 1, memorias_.size());
    guardados_ = leidos;
    largos_[k] = 0;
    if (entrada_.bad()) return false;
    if (agotada_) {
        largos_[k] = guardados_;
        return guardados_ > 0;
    }
    const std::size_t fin = std::string_view(memoria, guardados_).rfind('\n');
    if (fin == std::string_view::npos) return false;
    largos_[k] = fin + 1;
    return true;
}

std::istream& Pedazos::resto(std::int64_t byte) {
    // The oldest of the pieces still in memory that holds byte, then those after it.
    const std::size_t m = memorias_.size();
    std::size_t k = (actual_ + m - (leidas_ == 0 ? 0 : leidas_ - 1)) % m;
    while (k != actual_ && byte >= bytes_[siguientede(k)]) k = siguientede(k);
    std::vector<std::string_view> segmentos;
    for (auto desde = static_cast<std::size_t>(byte - bytes_[k]);; k = siguientede(k), desde = 0) {
        // The piece at hand goes on with what was read after it.
        const std::size_t hasta = k == actual_ ? guardados_ : largos_[k];
        segmentos.emplace_back(memorias_[k].get() + desde, hasta - desde);
        if (k == actual_) break;
    }
    encadenado_ = std::make_unique<Encadenado>(entrada_);
    encadenado_->empieza(std::move(segmentos));
    resto_ = std::make_unique<std::istream>(encadenado_.get());
    return *resto_;
}

}  // namespace rumbal
