#include "archivos/recorrido.hpp"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <vector>

#include "archivos/anexo.hpp"
#include "archivos/ayudante.hpp"
#include "archivos/pedazos.hpp"
#include "archivos/renglones_llanos.hpp"
#include "textos/cita.hpp"
#include "textos/lector_campos.hpp"
#include "textos/lectura_numero.hpp"

namespace rumbal {

void cierraresultados(Anexo& resultados, Recuento& r) {
    r.lineasarchivo = resultados.lineas();
    if (auto cerrado = resultados.cierra(); !cerrado && r.estado != Estado::fallo) {
        r.estado = Estado::fallo;
        r.mensaje = "No se puede escribir el archivo de resultados: " + cerrado.error().motivo + ".";
    }
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

// What one thread made of a run of records: the output of the records in
// turn and where each one's ends, and where and why it stopped if it did;
// and the fields of the record at hand, as they stand and as values. Each
// thread writes its own for every record: on cache lines of their own (64
// bytes), so that one thread's writes do not slow the other's (they did,
// by half, wherever the stack put two of them on one line).
struct alignas(64) Tramo {
    std::string salida;
    std::vector<std::size_t> finales;  // in salida, after each record done
    std::size_t hechos = 0;
    std::string motivo;
    std::vector<CampoCrudo> crudos;
    std::vector<ValorCampo> valores;
};

// What a run does with each record: one of the two, the other null.
struct Cada {
    const CadaRegistro* valores = nullptr;
    const CadaCrudo* crudos = nullptr;
    std::uint64_t usados = ~std::uint64_t{0};  // the fields crudos reads, bit k for field k
};

// Bit k set for each field k in usados; all of them when it is empty or
// names a field past 63.
std::uint64_t mascarade(std::span<const std::size_t> usados) {
    std::uint64_t m = 0;
    for (const std::size_t k : usados) m |= k < 64 ? std::uint64_t{1} << k : ~std::uint64_t{0};
    return usados.empty() ? ~std::uint64_t{0} : m;
}

Resultado<void> calculauno(const Cada& cada, const Leidos& leidos, std::size_t n, std::size_t registro, Tramo& t) {
    t.crudos.resize(n);
    for (std::size_t j = 0; j < n; ++j) t.crudos[j] = leidos.campos[registro * n + j].en(leidos.textos);
    if (cada.crudos) return (*cada.crudos)(t.crudos, t.salida);
    t.valores.resize(n);
    for (std::size_t j = 0; j < n; ++j) t.valores[j] = valordecampo(t.crudos[j]);
    return (*cada.valores)(t.valores, t.salida);
}

void empieza(Tramo& t) {
    t.salida.clear();
    t.finales.clear();
    t.hechos = 0;
    t.motivo.clear();
}

// Computes one record into t with uno; false, t.motivo telling why, when it failed.
template <class Uno>
bool anota(Tramo& t, const Uno& uno) {
    try {
        const Resultado<void> hecho = uno();
        // A refusal is one whatever its reason says; one given without a
        // reason is the program's own fault.
        if (!hecho) t.motivo = hecho.error().motivo.empty() ? "error interno" : hecho.error().motivo;
    } catch (const std::bad_alloc&) {
        t.motivo = "no alcanza la memoria";
    } catch (const std::exception& e) {
        t.motivo = std::string("error interno (") + e.what() + ")";
    }
    if (!t.motivo.empty()) return false;
    t.finales.push_back(t.salida.size());
    ++t.hechos;
    return true;
}

void calcula(const Cada& cada, const Leidos& leidos, std::size_t n, std::size_t desde, std::size_t hasta, Tramo& t) {
    empieza(t);
    for (std::size_t i = desde; i < hasta; ++i)
        if (!anota(t, [&] { return calculauno(cada, leidos, n, i, t); })) return;
}

// The end of a run, whatever it was: everything written, and the count and
// message it leaves. A record out of step is told only when the run got to
// it: reading runs ahead of the records written.
class Cierre {
public:
    Cierre(Salida* salida, Recuento& r) : salida_(salida), r_(r) {}

    // Every record gives one line at most, so the lines that reached the
    // output count the records written.
    Recuento noseescribe() {
        const std::string motivo = salida_->motivo();
        r_.registros = std::min(r_.registros, salida_->lineas());
        r_.estado = Estado::fallo;
        r_.mensaje = "No se puede escribir el archivo de resultados" + (motivo.empty() ? "" : ": " + motivo) + ".";
        return alcanzado();
    }
    Recuento termina(Estado estado, std::string mensaje) {
        if (salida_ && !salida_->vacia()) return noseescribe();
        r_.estado = estado;
        r_.mensaje = std::move(mensaje);
        return alcanzado();
    }

private:
    // The count with the record out of step kept only when it is among those
    // written or the one that stopped the run.
    Recuento alcanzado() {
        if (r_.desfase > r_.registros + (r_.estado == Estado::fallo ? 1 : 0)) r_.desfase = r_.lineadesfase = 0;
        return r_;
    }

    Salida* salida_;
    Recuento& r_;
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

// Fills blocks with the records of the input, in order, one reader going
// from a place between records to the end.
class LectorBloques {
public:
    static constexpr std::size_t porbloque = registrosporavance;
    static constexpr std::int64_t bytesporbloque = 1 << 20;

    // From the start of the input, or from a place the records before which
    // (leidosantes of them) were read elsewhere.
    LectorBloques(std::istream& entrada, std::size_t n) : lector_(entrada), n_(n) {}
    LectorBloques(std::istream& entrada, const LugarLectura& lugar, std::int64_t leidosantes, std::size_t n)
        : lector_(entrada, lugar), n_(n), leidosantes_(leidosantes) {}

    LectorCampos& lector() { return lector_; }
    // Room for a whole block's fields is reserved, not cleared: memory is
    // touched only as records fill it, and the fields never move.
    void prepara(Bloque& b) const {
        b.datos.campos.reserve(n_ * porbloque);
        b.lineas.resize(porbloque);
    }

    void lee(Bloque& b, Recuento& r) {
        b.leidos = 0;
        b.falla = Lectura::correcta;
        b.datos.textos.clear();
        const std::int64_t desde = lector_.desplazamiento();
        while (b.leidos < porbloque && lector_.desplazamiento() - desde < bytesporbloque && lector_.quedandatos()) {
            const std::int64_t registro = leidosantes_ + static_cast<std::int64_t>(b.leidos) + 1;
            // The fields in use grow with the records read: a short file
            // does not pay for a whole block's.
            std::vector<CampoLeido>& campos = b.datos.campos;
            if (campos.size() < (b.leidos + 1) * n_)
                campos.resize(std::min(std::max(2 * campos.size(), (b.leidos + 1) * n_), n_ * porbloque));
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

// The run by one reader: this thread reads each block while the helper
// computes its part of the one before.
Recuento recorreporbloques(LectorBloques& lectura, Recuento r, Salida* salida, std::size_t n, const Avance& avance,
                           const Cada& cada, bool enparalelo) {
    // Two blocks: the helper computes its part of one while this thread reads
    // the next. Declared before the helper, so the helper ends first.
    Bloque bloques[2];
    for (Bloque& b : bloques) lectura.prepara(b);
    Reparto reparto(cada, n, enparalelo);
    Cierre cierre(salida, r);

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
        if (salida && salida->llena() && !salida->entrega()) return cierre.noseescribe();
        if (!motivo.empty())
            return cierre.termina(Estado::fallo, mensajederegistro(r.registros + 1, actual.lineas[hechos], motivo));
        if (actual.falla != Lectura::correcta) return cierre.termina(Estado::fallo, actual.mensajefalla);
        if (!actual.lleno) break;
        if (avance && !avance(r.registros)) return cierre.termina(Estado::cancelado, {});
    }
    if (lectura.lector().fallolectura()) return cierre.termina(Estado::fallo, mensajesinlectura);
    return cierre.termina(Estado::completo, {});
}

Recuento recorreconunlector(std::istream& entrada, Salida* salida, std::size_t n, const Avance& avance,
                            const Cada& cada, bool enparalelo) {
    LectorBloques lectura(entrada, n);
    Recuento r;
    r.marcautf8 = lectura.lector().saltamarcautf8();
    return recorreporbloques(lectura, r, salida, n, avance, cada, enparalelo);
}

// Pieces of the input read at once: large enough that handing them out costs
// little, small enough that a piece and its output stay in the processor's
// caches (a quarter and a half of a MiB measured alike; three of them are in
// memory at once).
constexpr std::size_t bytesporpieza = 1 << 18;

// A stretch of plain records (see renglones_llanos.hpp), each record copied
// as soon as its line is delimited, the fields where they lie; false, t and
// hecho to be done again, at the first line that is not plain. A record that
// fails ends the stretch there: the lines before it read as the file does.
bool copiallano(Trozo& t, Tramo& hecho, const CadaCrudo& cada, std::size_t n, std::uint64_t usados) {
    RenglonesLlanos renglones(t, n, usados);
    empieza(hecho);
    // Fields not used are never set: empty, rather than what an earlier
    // stretch left there, in memory the helper may be reading into.
    hecho.crudos.assign(n, CampoCrudo{});
    t.lineas.clear();
    while (renglones.siguiente(hecho.crudos)) {
        t.lineas.push_back(static_cast<std::int64_t>(t.lineas.size()) + 1);
        if (!anota(hecho, [&] { return cada(hecho.crudos, hecho.salida); })) break;
    }
    if (hecho.motivo.empty() && !renglones.completo()) return false;
    t.registros = renglones.registros();
    t.renglones = static_cast<std::int64_t>(t.registros);
    t.marcautf8 = false;
    t.fiel = true;
    return true;
}

// A stretch read on its own and, when it read as the file does, computed.
void leeycalcula(Trozo& t, Tramo& hecho, const Cada& cada, std::size_t n) {
    if (cada.crudos && copiallano(t, hecho, *cada.crudos, n, cada.usados)) return;
    leetrozo(t, n);
    if (t.fiel) calcula(cada, t.datos, n, 0, t.registros, hecho);
}

// The run with the input cut into pieces of about pieza bytes, each read on
// its own (see pedazos.hpp); from the first piece that does not read so, by
// one reader. Each thread, while the run lasts, reads the next piece, computes
// it and appends, in file order, whatever pieces are done from the next one
// to append on. A thread takes the next piece as soon as it is free, so a
// faster thread takes more of them: the processors of a virtual machine may
// run at different speeds for seconds at a time (one was seen taking half as
// long again as the other for the same work).
class RecorridoAPedazos {
public:
    RecorridoAPedazos(std::istream& entrada, Salida& salida, std::size_t n, const Avance& avance, const Cada& cada,
                      std::size_t pieza)
        : pedazos_(entrada, pieza, huecos),
          salida_(salida),
          n_(n),
          avance_(avance),
          cada_(cada),
          cierre_(&salida, r_) {}

    Recuento corre() {
        ayudante_.encarga([this] { trabaja(); });
        trabaja();
        ayudante_.espera();
        if (fallo_) std::rethrow_exception(std::exchange(fallo_, nullptr));
        // Nothing left, or nothing that reads on its own: one reader reads on.
        return fin_ ? *fin_ : secuencial();
    }

private:
    // Pieces read and not yet appended, at most: a thread may run this many
    // pieces ahead of the slower one. Pedazos keeps as many in memory, so a
    // reading never overwrites a piece not yet appended, and one reader can
    // read on from any of them.
    static constexpr int huecos = 3;

    // A piece read, and what was made of it.
    struct Hueco {
        Trozo trozo;
        Tramo hecho;
        bool hay = false;    // a piece was read, else there was none from here on
        bool listo = false;  // computed, waiting for its turn to be appended
    };

    void trabaja() {
        try {
            while (const std::optional<std::int64_t> k = lee()) {
                Hueco& h = hueco(*k);
                if (h.hay) leeycalcula(h.trozo, h.hecho, cada_, n_);
                if (!termina(*k)) return;
            }
        } catch (...) {
            // Memory exhausted, say: told on the calling thread, once both
            // have stopped; not when the run had already ended, on a piece
            // one reader would never have read.
            std::lock_guard<std::mutex> cerrojo(m_);
            if (!parado_) fallo_ = std::current_exception();
            parar();
        }
    }

    Hueco& hueco(std::int64_t k) { return huecos_[static_cast<std::size_t>(k % huecos)]; }

    // Reads the next piece into its place once that is free; its number, or
    // none once the run has stopped.
    std::optional<std::int64_t> lee() {
        for (;;) {
            {
                std::unique_lock<std::mutex> cerrojo(m_);
                libre_.wait(cerrojo, [this] { return parado_ || leidas_ - escritas_ < huecos; });
                if (parado_) return std::nullopt;
            }
            // One reader at a time, in file order; while it waits for a place
            // it holds nothing that appending may need (progress asks the input).
            const std::lock_guard<std::mutex> lectura(entrada_);
            std::int64_t k = 0;
            {
                const std::lock_guard<std::mutex> cerrojo(m_);
                if (parado_) return std::nullopt;
                if (leidas_ - escritas_ >= huecos) continue;  // the other thread took the place
                k = leidas_;
            }
            Hueco& h = hueco(k);
            // Once no piece could be read, the input stays where that reading left it.
            h.hay = !sinpiezas_ && pedazos_.siguiente();
            sinpiezas_ = !h.hay;
            h.trozo.byte = pedazos_.byte();
            h.trozo.bytes = pedazos_.pieza();
            const std::lock_guard<std::mutex> cerrojo(m_);
            ++leidas_;
            return k;
        }
    }

    // Piece k is computed: appends it and every piece after it that is done,
    // unless the other thread is appending (it then takes this one too).
    // False once the run has stopped.
    bool termina(std::int64_t k) {
        std::unique_lock<std::mutex> cerrojo(m_);
        hueco(k).listo = true;
        if (agregando_) return !parado_;
        agregando_ = true;
        while (!parado_ && hueco(escritas_).listo) {
            const std::int64_t j = escritas_;
            cerrojo.unlock();
            const bool sigue = hueco(j).hay ? escribe(hueco(j)) : sinpieza(hueco(j));
            cerrojo.lock();
            hueco(j).listo = false;
            ++escritas_;
            if (!sigue) parar();
            libre_.notify_all();
        }
        agregando_ = false;
        return !parado_;
    }

    // Under m_.
    void parar() {
        parado_ = true;
        libre_.notify_all();
    }

    // Progress, if the run tells it, only while no thread reads the input:
    // it may ask the input where it stands.
    bool avisa() {
        if (!avance_) return true;
        const std::lock_guard<std::mutex> cerrojo(entrada_);
        return avance_(r_.registros);
    }

    // In its turn, after the pieces before: there is no piece from here on
    // that reads on its own, so one reader reads on from here.
    bool sinpieza(const Hueco& h) {
        desde_ = h.trozo.byte;
        return false;
    }

    // In its turn, appends what a piece made and writes it when the buffer
    // is full; false when the run ends here.
    bool escribe(const Hueco& hueco) {
        const Trozo& t = hueco.trozo;
        const Tramo& h = hueco.hecho;
        // Long records may fill a piece before registrosporavance of them:
        // progress is told before the next piece too, so a run can be stopped.
        if (!avisado_ && !avisa()) return acaba(Estado::cancelado, {});
        avisado_ = false;
        if (!t.fiel) return sinpieza(hueco);
        r_.marcautf8 = r_.marcautf8 || t.marcautf8;
        if (!agrega(h)) return acaba(Estado::cancelado, {});
        if (!h.motivo.empty())
            return acaba(Estado::fallo, mensajederegistro(r_.registros + 1, linea_ + t.lineas[h.hechos] - 1, h.motivo));
        linea_ += t.renglones;
        if (salida_.llena() && !salida_.vacia()) {
            fin_ = cierre_.noseescribe();
            return false;
        }
        return true;
    }

    // Appends the output of the records a piece computed, telling progress at
    // every registrosporavance records of the run (avisado_ set when it did);
    // false when it says stop, the records up to that point appended.
    bool agrega(const Tramo& hecho) {
        std::string& destino = salida_.memoria();
        std::size_t desde = 0;  // records appended
        while (desde < hecho.hechos) {
            const auto faltan = static_cast<std::size_t>(registrosporavance - r_.registros % registrosporavance);
            const std::size_t hasta = std::min(hecho.hechos, desde + faltan);
            const std::size_t inicio = desde == 0 ? 0 : hecho.finales[desde - 1];
            destino.append(hecho.salida, inicio, hecho.finales[hasta - 1] - inicio);
            r_.registros += static_cast<std::int64_t>(hasta - desde);
            desde = hasta;
            if (r_.registros % registrosporavance != 0) continue;
            avisado_ = true;
            if (!avisa()) return false;
        }
        return true;
    }

    bool acaba(Estado estado, std::string mensaje) {
        fin_ = cierre_.termina(estado, std::move(mensaje));
        return false;
    }

    // One reader from desde_ to the end of the run, once both threads have stopped.
    Recuento secuencial() {
        LectorBloques lectura(pedazos_.resto(desde_), LugarLectura{desde_, linea_, true, desde_}, r_.registros, n_);
        if (desde_ == 0) r_.marcautf8 = lectura.lector().saltamarcautf8();
        return recorreporbloques(lectura, r_, &salida_, n_, avance_, cada_, true);
    }

    Pedazos pedazos_;
    Salida& salida_;
    std::size_t n_;
    const Avance& avance_;
    const Cada& cada_;
    Recuento r_;
    Cierre cierre_;
    Hueco huecos_[huecos];    // piece k in huecos_[k % huecos]
    std::mutex entrada_;      // the input, and Pedazos, between readings and progress
    bool sinpiezas_ = false;  // a reading found no piece
    std::mutex m_;            // what follows, but for what is written only while appending
    std::condition_variable libre_;  // a place was freed, or the run stopped
    std::int64_t leidas_ = 0;        // pieces read
    std::int64_t escritas_ = 0;      // pieces appended
    bool agregando_ = false;         // a thread is appending
    bool parado_ = false;
    std::exception_ptr fallo_;  // what a thread threw
    // Written only while appending, read once both threads have stopped.
    std::optional<Recuento> fin_;  // how the run ended, when it did before reading on by one reader
    std::int64_t desde_ = 0;       // else where one reader reads on
    std::int64_t linea_ = 1;       // where the next piece to append starts
    bool avisado_ = true;
    // Last, so that it is destroyed first: it waits for the helper's task,
    // which uses the members above.
    Ayudante ayudante_{true};
};

Recuento recorreapedazos(std::istream& entrada, Salida& salida, std::size_t n, const Avance& avance, const Cada& cada,
                         std::size_t pieza) {
    return RecorridoAPedazos(entrada, salida, n, avance, cada, pieza).corre();
}

Recuento recorrecon(std::istream& entrada, Salida* salida, std::size_t n, const Avance& avance, const Cada& cada,
                    bool enparalelo) {
    // Where records are copied, reading them is most of the work, and both
    // threads read; where they are computed, one reader keeps the other
    // thread computing all the time, which measured faster.
    if (enparalelo && salida && cada.crudos) return recorreapedazos(entrada, *salida, n, avance, cada, bytesporpieza);
    return recorreconunlector(entrada, salida, n, avance, cada, enparalelo);
}

}  // namespace

Recuento recorre(std::istream& entrada, Salida* salida, std::size_t n, const Avance& avance, const CadaRegistro& cada,
                 bool enparalelo) {
    return recorrecon(entrada, salida, n, avance, Cada{&cada, nullptr}, enparalelo);
}

Recuento recorre(std::istream& entrada, Salida* salida, std::size_t n, const Avance& avance, const CadaCrudo& cada,
                 bool enparalelo, std::span<const std::size_t> usados) {
    return recorrecon(entrada, salida, n, avance, Cada{nullptr, &cada, mascarade(usados)}, enparalelo);
}

namespace interno {

Recuento recorre(std::istream& entrada, Salida& salida, std::size_t n, const Avance& avance, const CadaRegistro& cada,
                 std::size_t pieza) {
    return recorreapedazos(entrada, salida, n, avance, Cada{&cada, nullptr}, pieza);
}

Recuento recorre(std::istream& entrada, Salida& salida, std::size_t n, const Avance& avance, const CadaCrudo& cada,
                 std::size_t pieza, std::span<const std::size_t> usados) {
    return recorreapedazos(entrada, salida, n, avance, Cada{nullptr, &cada, mascarade(usados)}, pieza);
}

}  // namespace interno

}  // namespace rumbal
