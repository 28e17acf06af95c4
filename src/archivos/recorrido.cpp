#include "archivos/recorrido.hpp"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "archivos/anexo.hpp"
#include "textos/cita.hpp"
#include "textos/lector_campos.hpp"
#include "textos/lectura_numero.hpp"

namespace rumbal {

std::string Salida::motivo() const { return motivoescritura(destino_); }

void cierraresultados(Anexo& resultados, Recuento& r) {
    r.lineasarchivo = resultados.lineas();
    if (auto cerrado = resultados.cierra(); !cerrado && r.estado != Estado::fallo) {
        r.estado = Estado::fallo;
        r.mensaje = "No se puede escribir el archivo de resultados: " + cerrado.error().motivo + ".";
    }
}

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
        lineas_ += std::count(bytes.begin() + static_cast<std::ptrdiff_t>(desde),
                              bytes.begin() + static_cast<std::ptrdiff_t>(hasta), '\n');
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

namespace {

std::string mensajederegistro(std::int64_t registro, std::int64_t linea, const std::string& motivo) {
    return "Registro " + std::to_string(registro) + " (renglón " + std::to_string(linea) + "): " + motivo + ".";
}

}  // namespace

std::string mensajedelectura(std::int64_t registro, const LectorCampos& lector, Lectura falla) {
    if (falla == Lectura::comillassincerrar)
        return mensajederegistro(registro, lector.linea(), "falta la comilla que cierra un texto");
    if (falla == Lectura::renglonlargo)
        return mensajederegistro(registro, lector.linea(),
                                 "el renglón pasa de " + std::to_string(largomaximorenglon) + " bytes");
    return mensajederegistro(registro, lector.linearegistro(), "el archivo termina dentro del registro");
}

std::optional<double> numerode(const ValorCampo& v) {
    if (v.esnumero()) return v.numero();
    if (v.estexto()) return leenumeroestricto(v.texto());
    return std::nullopt;
}

std::string noesnumero(const char* que, const ValorCampo& v) {
    if (v.esvacio()) return std::string("falta ") + que;
    return std::string(que) + " (" + cita(v) + ") no es un número";
}

namespace {

// What one thread made of a run of records: the output of each record in
// turn, and where and why it stopped if it did; and the fields of the record
// at hand, as they stand and as values.
struct Tramo {
    std::string salida;
    std::size_t hechos = 0;
    std::string motivo;
    std::vector<CampoCrudo> crudos;
    std::vector<ValorCampo> valores;
};

// What a run does with each record: one of the two, the other null.
struct Cada {
    const CadaRegistro* valores = nullptr;
    const CadaCrudo* crudos = nullptr;
};

// The fields of records read into a block: n per record, their bytes in textos.
struct Leidos {
    std::vector<CampoLeido> campos;
    std::string textos;
};

Resultado<void> calculauno(const Cada& cada, const Leidos& leidos, std::size_t n, std::size_t registro, Tramo& t) {
    t.crudos.resize(n);
    for (std::size_t j = 0; j < n; ++j) t.crudos[j] = leidos.campos[registro * n + j].en(leidos.textos);
    if (cada.crudos) return (*cada.crudos)(t.crudos, t.salida);
    t.valores.resize(n);
    for (std::size_t j = 0; j < n; ++j) t.valores[j] = valordecampo(t.crudos[j]);
    return (*cada.valores)(t.valores, t.salida);
}

void calcula(const Cada& cada, const Leidos& leidos, std::size_t n, std::size_t desde, std::size_t hasta, Tramo& t) {
    t.salida.clear();
    t.hechos = 0;
    t.motivo.clear();
    for (std::size_t i = desde; i < hasta; ++i) {
        try {
            const Resultado<void> hecho = calculauno(cada, leidos, n, i, t);
            if (!hecho) t.motivo = hecho.error().motivo;
        } catch (const std::bad_alloc&) {
            t.motivo = "no alcanza la memoria";
        } catch (const std::exception& e) {
            t.motivo = std::string("error interno (") + e.what() + ")";
        }
        if (!t.motivo.empty()) return;
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
    // Waits for the task given; tells whether it was still running.
    bool espera() {
        std::unique_lock<std::mutex> cerrojo(m_);
        const bool corria = !listo_;
        cv_.wait(cerrojo, [this] { return listo_; });
        return corria;
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

// One block of records as read, and what the two threads made of it.
struct Bloque {
    Leidos datos;
    std::vector<std::int64_t> lineas;
    std::size_t leidos = 0;
    bool lleno = false;  // reading stopped at the block's size: more may follow
    Lectura falla = Lectura::correcta;
    std::string mensajefalla;  // why the record after the last one read cannot be read
    std::size_t corte = 0;     // records before it are this thread's, the rest the helper's
    Tramo propio, ajeno;
};

// Fills blocks with the records of the input, in order.
class LectorBloques {
public:
    static constexpr std::size_t porbloque = registrosporavance;
    static constexpr std::int64_t bytesporbloque = 1 << 20;

    LectorBloques(std::istream& entrada, std::size_t n) : lector_(entrada), n_(n) {}

    LectorCampos& lector() { return lector_; }
    void prepara(Bloque& b) const {
        b.datos.campos.resize(n_ * porbloque);
        b.lineas.resize(porbloque);
    }

    void lee(Bloque& b, Recuento& r) {
        b.leidos = 0;
        b.falla = Lectura::correcta;
        b.datos.textos.clear();
        const std::int64_t desde = lector_.desplazamiento();
        while (b.leidos < porbloque && lector_.desplazamiento() - desde < bytesporbloque && lector_.quedandatos()) {
            const std::int64_t registro = leidosantes_ + static_cast<std::int64_t>(b.leidos) + 1;
            b.falla = lector_.leecampos(std::span<CampoLeido>(b.datos.campos.data() + b.leidos * n_, n_),
                                        b.datos.textos);
            if (b.falla != Lectura::correcta) {
                b.mensajefalla = mensajedelectura(registro, lector_, b.falla);
                b.lleno = false;
                return;
            }
            if (r.desfase == 0 && !lector_.registroenunrenglon()) {
                r.desfase = registro;
                r.lineadesfase = lector_.linearegistro();
            }
            b.lineas[b.leidos++] = lector_.linearegistro();
        }
        b.lleno = b.leidos == porbloque || lector_.desplazamiento() - desde >= bytesporbloque;
        leidosantes_ += static_cast<std::int64_t>(b.leidos);
    }

private:
    LectorCampos lector_;
    std::size_t n_;
    std::int64_t leidosantes_ = 0;  // records read in the blocks before
};

// Shares the computation of each block between this thread and a helper.
class Reparto {
public:
    Reparto(const Cada& cada, std::size_t n, bool enparalelo) : cada_(cada), n_(n), ayudante_(enparalelo) {}

    // Hands the helper its part of a block just read.
    void despacha(Bloque& b) {
        b.corte = ayudante_.activo() && b.leidos >= 64
                      ? static_cast<std::size_t>(static_cast<double>(b.leidos) * parte_)
                      : b.leidos;
        b.ajeno = Tramo{};
        if (b.corte < b.leidos)
            ayudante_.encarga([&b, this] { calcula(cada_, b.datos, n_, b.corte, b.leidos, b.ajeno); });
    }
    void calculapropio(Bloque& b) { calcula(cada_, b.datos, n_, 0, b.corte, b.propio); }
    // Waits for the helper's part, and moves the share so that neither
    // thread waits long for the other.
    void espera(const Bloque& b) {
        if (b.corte == b.leidos) return;
        const bool espero = ayudante_.espera();
        parte_ = std::clamp(parte_ + (espero ? 0.02 : -0.02), 0.05, 0.5);
    }

private:
    Cada cada_;
    std::size_t n_;
    Ayudante ayudante_;
    double parte_ = 0.3;  // share of each block this thread computes besides reading and writing
};

// What a block gave, in file order, up to its first record that failed:
// appended to destino; the records done and why the next one failed.
std::size_t une(Bloque& b, std::string& destino, std::string& motivo) {
    destino += b.propio.salida;
    std::size_t hechos = b.propio.hechos;
    motivo = b.propio.motivo;
    if (motivo.empty() && b.corte < b.leidos) {
        destino += b.ajeno.salida;
        hechos += b.ajeno.hechos;
        motivo = b.ajeno.motivo;
    }
    return hechos;
}

Recuento recorrecon(std::istream& entrada, Salida* salida, std::size_t n, const Avance& avance, const Cada& cada,
                    bool enparalelo) {
    LectorBloques lectura(entrada, n);
    Recuento r;
    r.marcautf8 = lectura.lector().saltamarcautf8();
    // Two blocks: the helper computes its part of one while this thread reads
    // the next. Declared before the helper, so the helper ends first.
    Bloque bloques[2];
    for (Bloque& b : bloques) lectura.prepara(b);
    Reparto reparto(cada, n, enparalelo);

    // Every record gives one line at most, so the lines that reached the
    // output count the records written.
    const auto noseescribe = [&] {
        const std::string motivo = salida->motivo();
        r.registros = std::min(r.registros, salida->lineas());
        r.estado = Estado::fallo;
        r.mensaje = "No se puede escribir el archivo de resultados" + (motivo.empty() ? "" : ": " + motivo) + ".";
        return r;
    };
    const auto termina = [&](Estado estado, std::string mensaje) {
        if (salida && !salida->vacia()) return noseescribe();
        r.estado = estado;
        r.mensaje = std::move(mensaje);
        return r;
    };

    std::string sobrante;  // output when there is no Salida (listing)
    lectura.lee(bloques[0], r);
    reparto.despacha(bloques[0]);
    for (std::size_t k = 0;; ++k) {
        Bloque& actual = bloques[k % 2];
        reparto.calculapropio(actual);
        if (actual.lleno) lectura.lee(bloques[(k + 1) % 2], r);
        reparto.espera(actual);
        if (actual.lleno) reparto.despacha(bloques[(k + 1) % 2]);

        std::string motivo;
        const std::size_t hechos = une(actual, salida ? salida->memoria() : sobrante, motivo);
        sobrante.clear();
        r.registros += static_cast<std::int64_t>(hechos);
        if (salida && salida->llena() && !salida->entrega()) return noseescribe();
        if (!motivo.empty())
            return termina(Estado::fallo, mensajederegistro(r.registros + 1, actual.lineas[hechos], motivo));
        if (actual.falla != Lectura::correcta) return termina(Estado::fallo, actual.mensajefalla);
        if (!actual.lleno) break;
        if (avance && !avance(r.registros)) return termina(Estado::cancelado, {});
    }
    if (lectura.lector().fallolectura()) return termina(Estado::fallo, mensajesinlectura);
    return termina(Estado::completo, {});
}

}  // namespace

Recuento recorre(std::istream& entrada, Salida* salida, std::size_t n, const Avance& avance, const CadaRegistro& cada,
                 bool enparalelo) {
    return recorrecon(entrada, salida, n, avance, Cada{&cada, nullptr}, enparalelo);
}

Recuento recorre(std::istream& entrada, Salida* salida, std::size_t n, const Avance& avance, const CadaCrudo& cada,
                 bool enparalelo) {
    return recorrecon(entrada, salida, n, avance, Cada{nullptr, &cada}, enparalelo);
}

}  // namespace rumbal
