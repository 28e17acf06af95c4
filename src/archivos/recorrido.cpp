#include "archivos/recorrido.hpp"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "textos/lector_campos.hpp"
#include "textos/lectura_numero.hpp"

namespace rumbal {

bool Salida::vacia() {
    if (!memoria_.empty()) {
        destino_.write(memoria_.data(), static_cast<std::streamsize>(memoria_.size()));
        memoria_.clear();
    }
    destino_.flush();
    return static_cast<bool>(destino_);
}

std::optional<double> numerode(const ValorCampo& v) {
    if (v.esnumero()) return v.numero();
    if (v.estexto()) return leenumeroestricto(v.texto());
    return std::nullopt;
}

namespace {

std::string mensajederegistro(std::int64_t registro, std::int64_t linea, const std::string& motivo) {
    return "Registro " + std::to_string(registro) + " (renglón " + std::to_string(linea) + "): " + motivo + ".";
}

}  // namespace

namespace {

// What one thread made of a run of records: the output of each record in
// turn, and where and why it stopped if it did.
struct Tramo {
    std::string salida;
    std::vector<std::size_t> finales;  // end of each record's output in salida
    std::size_t hechos = 0;
    std::string motivo;
};

void calcula(const CadaRegistro& cada, std::vector<ValorCampo>& campos, std::size_t n, std::size_t desde,
             std::size_t hasta, Tramo& t) {
    t.salida.clear();
    t.finales.clear();
    t.hechos = 0;
    t.motivo.clear();
    for (std::size_t i = desde; i < hasta; ++i) {
        t.motivo = cada(std::span<ValorCampo>(campos.data() + i * n, n), t.salida);
        if (!t.motivo.empty()) return;
        t.finales.push_back(t.salida.size());
        ++t.hechos;
    }
}

// A second thread that computes the second half of each block, kept for the
// whole run: starting a thread for every block costs more than it saves.
class Ayudante {
public:
    explicit Ayudante(bool activo) {
        if (activo) hilo_ = std::thread([this] { trabaja(); });
    }
    ~Ayudante() {
        if (!hilo_.joinable()) return;
        {
            std::lock_guard<std::mutex> cerrojo(m_);
            fin_ = true;
        }
        cv_.notify_all();
        hilo_.join();
    }
    bool activo() const { return hilo_.joinable(); }
    void encarga(std::function<void()> tarea) {
        {
            std::lock_guard<std::mutex> cerrojo(m_);
            tarea_ = std::move(tarea);
            listo_ = false;
        }
        cv_.notify_all();
    }
    void espera() {
        std::unique_lock<std::mutex> cerrojo(m_);
        cv_.wait(cerrojo, [this] { return listo_; });
    }

private:
    void trabaja() {
        std::unique_lock<std::mutex> cerrojo(m_);
        for (;;) {
            cv_.wait(cerrojo, [this] { return fin_ || tarea_; });
            if (fin_) return;
            auto tarea = std::move(tarea_);
            tarea_ = nullptr;
            cerrojo.unlock();
            tarea();
            cerrojo.lock();
            listo_ = true;
            cv_.notify_all();
        }
    }

    std::thread hilo_;
    std::mutex m_;
    std::condition_variable cv_;
    std::function<void()> tarea_;
    bool listo_ = true;
    bool fin_ = false;
};

}  // namespace

Recuento recorre(std::istream& entrada, Salida* salida, std::size_t n, const Avance& avance, const CadaRegistro& cada,
                 bool enparalelo) {
    constexpr std::size_t porbloque = registrosporavance;
    LectorCampos lector(entrada);
    std::vector<ValorCampo> campos(n * porbloque);
    std::vector<std::int64_t> lineas(porbloque);
    Tramo primero, segundo;
    Ayudante ayudante(enparalelo);
    std::string sobrante;  // output when there is no Salida (listing)
    Recuento r;
    const auto termina = [&](Estado estado, std::string mensaje) {
        r.estado = estado;
        r.mensaje = std::move(mensaje);
        if (salida && !salida->vacia() && r.estado != Estado::fallo) {
            r.estado = Estado::fallo;
            r.mensaje = "No se puede escribir el archivo de resultados.";
        }
        return r;
    };
    for (;;) {
        // Read a block; a record that cannot be read ends the block.
        std::size_t leidos = 0;
        Lectura falla = Lectura::correcta;
        std::int64_t lineafalla = 0;
        while (leidos < porbloque && lector.quedandatos()) {
            falla = lector.leecampos(std::span<ValorCampo>(campos.data() + leidos * n, n));
            if (falla != Lectura::correcta) {
                lineafalla = falla == Lectura::comillassincerrar ? lector.linea() : lector.linearegistro();
                break;
            }
            lineas[leidos++] = lector.linearegistro();
        }
        // Compute it, in two halves when asked and worth it.
        const std::size_t mitad = ayudante.activo() && leidos >= 64 ? leidos / 2 : leidos;
        if (mitad < leidos) {
            ayudante.encarga([&] { calcula(cada, campos, n, mitad, leidos, segundo); });
            calcula(cada, campos, n, 0, mitad, primero);
            ayudante.espera();
        } else {
            calcula(cada, campos, n, 0, leidos, primero);
            segundo = Tramo{};
        }
        // Keep the output in file order up to the first record that failed.
        std::string& destino = salida ? salida->memoria() : sobrante;
        destino += primero.salida;
        std::size_t hechos = primero.hechos;
        std::string motivo = primero.motivo;
        if (motivo.empty() && mitad < leidos) {
            destino += segundo.salida;
            hechos += segundo.hechos;
            motivo = segundo.motivo;
        }
        sobrante.clear();
        const std::int64_t antes = r.registros;
        r.registros += static_cast<std::int64_t>(hechos);
        if (salida) salida->tal_vez_vacia();
        if (!motivo.empty())
            return termina(Estado::fallo, mensajederegistro(r.registros + 1, lineas[hechos], motivo));
        if (falla == Lectura::comillassincerrar)
            return termina(Estado::fallo,
                           mensajederegistro(antes + static_cast<std::int64_t>(leidos) + 1, lineafalla,
                                             "falta la comilla que cierra un texto"));
        if (falla == Lectura::finderegistro)
            return termina(Estado::fallo, mensajederegistro(antes + static_cast<std::int64_t>(leidos) + 1, lineafalla,
                                                            "el archivo termina dentro del registro"));
        if (leidos < porbloque) break;
        if (avance && !avance(r.registros)) return termina(Estado::cancelado, {});
    }
    if (lector.fallolectura()) return termina(Estado::fallo, "No se puede leer el archivo de datos.");
    return termina(Estado::completo, {});
}

}  // namespace rumbal
