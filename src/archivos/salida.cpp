#include <algorithm>

#include "archivos/anexo.hpp"
#include "archivos/recorrido.hpp"
#include "textos/cuenta_lf.hpp"

namespace rumbal {

std::string Salida::motivo() const { return motivoescritura(destino_); }

bool Salida::escribe(const std::string& bytes) {
    // Pieces of at most 64 KiB cut after a line end, so that a write that
    // fails loses at most one piece and the lines before it count.
    constexpr std::size_t pieza = 1 << 16;
    std::size_t desde = 0;
    while (desde < bytes.size() && destino_) {
        std::size_t hasta = std::min(bytes.size(), desde + pieza);
        if (hasta < bytes.size()) {
            const std::size_t fin = bytes.rfind('\n', hasta - 1);
            hasta = fin != std::string::npos && fin >= desde ? fin + 1 : bytes.find('\n', hasta);
            if (hasta == std::string::npos) hasta = bytes.size();
        }
        destino_.write(bytes.data() + desde, static_cast<std::streamsize>(hasta - desde));
        if (!destino_) break;
        lineas_ += cuentalf(bytes.data() + desde, hasta - desde);
        desde = hasta;
    }
    if (destino_) destino_.flush();
    return static_cast<bool>(destino_);
}

void Salida::espera() {
    std::unique_lock<std::mutex> cerrojo(m_);
    cv_.wait(cerrojo, [this] { return !pendiente_; });
}

void Salida::trabaja() {
    std::unique_lock<std::mutex> cerrojo(m_);
    for (;;) {
        cv_.wait(cerrojo, [this] { return pendiente_ || fin_; });
        if (!pendiente_) return;
        cerrojo.unlock();
        const bool bien = escribe(entregada_);
        entregada_.clear();
        cerrojo.lock();
        bien_ = bien_ && bien;
        pendiente_ = false;
        cv_.notify_all();
    }
}

bool Salida::entrega() {
    espera();
    if (!bien_) return false;
    // The thread starts with the first buffer handed over: a short run writes
    // only at its end, on the calling thread.
    if (!hilo_.joinable()) hilo_ = std::thread([this] { trabaja(); });
    {
        std::lock_guard<std::mutex> cerrojo(m_);
        std::swap(memoria_, entregada_);
        pendiente_ = true;
    }
    cv_.notify_all();
    memoria_.clear();
    return true;
}

bool Salida::vacia() {
    espera();
    if (bien_) bien_ = escribe(memoria_);
    memoria_.clear();
    return bien_;
}

Salida::~Salida() {
    if (!hilo_.joinable()) return;
    {
        std::lock_guard<std::mutex> cerrojo(m_);
        fin_ = true;
    }
    cv_.notify_all();
    hilo_.join();
}

}  // namespace rumbal
