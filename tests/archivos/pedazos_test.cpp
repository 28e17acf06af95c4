// A run that reads its input in pieces on two threads against the same run by
// one reader: the same bytes out, the same count, the same message, wherever
// the pieces are cut and whatever the file holds.

#include "archivos/pedazos.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <type_traits>

namespace rumbal {
namespace {

constexpr std::size_t n = 4;

// Fields of every kind the reader tells apart, commas and quotes inside texts included.
std::string campoalazar(std::mt19937& g) {
    static const char* const campos[] = {"12.5",       "-3",   "007",       "1e3",  "\"Esq, ui\"", "\"a\"resto",
                                         "",           "  7 ", "texto",     "\"\"", "\"M\"",       "M",
                                         "\"-34 36\"", "0",    "\xB0grado", ".5"};
    return campos[g() % std::size(campos)];
}

// A file of records of n fields, most on a line of their own, with what else
// a file may hold: other line ends, blank lines, a record over two lines, one
// with a field left over; now and then a fault that stops the reading.
std::string archivoalazar(std::mt19937& g) {
    static const char* const fines[] = {"\r\n", "\n", "\r"};
    std::string s = g() % 10 == 0 ? "\xEF\xBB\xBF" : "";
    const int registros = 1 + static_cast<int>(g() % 60);
    const int falla = g() % 4 == 0 ? static_cast<int>(g() % registros) : -1;
    for (int i = 0; i < registros; ++i) {
        const std::string fin = g() % 6 == 0 ? fines[g() % 3] : "\r\n";
        const unsigned rareza = g() % 100;
        for (std::size_t j = 0; j < n; ++j) {
            s += campoalazar(g);
            if (j + 1 < n) s += rareza == 0 && j == 1 ? fin : ",";
        }
        if (rareza == 1) s += ",sobra";
        if (i == falla) s += g() % 2 ? ",\"sin cerrar" : std::string(70000, 'x');
        s += fin;
        if (rareza == 2) s += fin;
        if (rareza == 3) s += "  \t" + fin;
    }
    if (g() % 5 == 0) s.erase(s.find_last_not_of("\r\n") + 1);  // no line end at the end
    if (g() % 12 == 0)
        s.erase(s.find_last_of(',') == std::string::npos ? 0 : s.find_last_of(','));  // ends inside a record
    return s;
}

// Copies the fields in reverse order, as the copying algorithms do.
const CadaCrudo copia = [](std::span<const CampoCrudo> c, std::string& destino) -> Resultado<void> {
    for (std::size_t i = 0; i < c.size(); ++i) grabacampo(destino, c[c.size() - 1 - i], i + 1 == c.size());
    return {};
};

// The same copy, refusing a record whose first field is the text M, as a
// copying algorithm refuses a value it cannot use.
const CadaCrudo copiahastam = [](std::span<const CampoCrudo> c, std::string& destino) -> Resultado<void> {
    if (c[0].entrecomillas && c[0].texto == "M") return falla("el punto M no se copia");
    return copia(c, destino);
};

// Copies two of the fields, which it names to the run: the others may be
// left unset.
const std::size_t dos[] = {3, 0};
const CadaCrudo copiados = [](std::span<const CampoCrudo> c, std::string& destino) -> Resultado<void> {
    grabalinea(destino, c, dos);
    return {};
};

// Writes the values, and refuses a record whose first field is the text M.
const CadaRegistro calcula = [](std::span<ValorCampo> c, std::string& destino) -> Resultado<void> {
    if (c[0].estexto() && c[0].texto() == "M") return falla("el punto M no se calcula");
    grabalinea(destino, std::span<const ValorCampo>(c.data(), c.size()));
    return {};
};

struct Corrida {
    std::string salida;
    Recuento r;
};

// A run by one reader when pieza is 0, else in pieces of about pieza bytes.
// The fields usados names are those a CadaCrudo reads.
template <class Cada>
Corrida corre(std::istream& entrada, const Cada& cada, std::size_t pieza, const Avance& avance = {},
              std::span<const std::size_t> usados = {}) {
    std::ostringstream salida;
    Corrida c;
    {
        Salida s(salida);
        if constexpr (std::is_same_v<Cada, CadaCrudo>)
            c.r = pieza == 0 ? recorre(entrada, &s, n, avance, cada, false, usados)
                             : interno::recorre(entrada, s, n, avance, cada, pieza, usados);
        else
            c.r = pieza == 0 ? recorre(entrada, &s, n, avance, cada, false)
                             : interno::recorre(entrada, s, n, avance, cada, pieza);
    }
    c.salida = salida.str();
    return c;
}

template <class Cada>
Corrida corre(const std::string& bytes, const Cada& cada, std::size_t pieza, const Avance& avance = {},
              std::span<const std::size_t> usados = {}) {
    std::istringstream entrada(bytes);
    return corre(entrada, cada, pieza, avance, usados);
}

auto todo(const Corrida& c) {
    return std::tie(c.salida, c.r.registros, c.r.estado, c.r.mensaje, c.r.marcautf8, c.r.desfase, c.r.lineadesfase);
}

TEST(RecorridoAPedazos, DaLoMismoQueUnSoloLector) {
    std::mt19937 g(20261206);
    int fieles = 0;
    for (int archivo = 0; archivo < 1000; ++archivo) {
        const std::string bytes = archivoalazar(g);
        const Corrida copiado = corre(bytes, copia, 0), calculado = corre(bytes, calcula, 0);
        const Corrida hastam = corre(bytes, copiahastam, 0), dosde4 = corre(bytes, copiados, 0);
        fieles += copiado.r.estado == Estado::completo && copiado.r.desfase == 0;
        for (std::size_t pieza : {1, 7, 40, 64, 333, 4096}) {
            SCOPED_TRACE("pieza " + std::to_string(pieza) + ", archivo:\n" + bytes.substr(0, 2000));
            EXPECT_EQ(todo(corre(bytes, copia, pieza)), todo(copiado));
            EXPECT_EQ(todo(corre(bytes, copiahastam, pieza)), todo(hastam));
            EXPECT_EQ(todo(corre(bytes, copiados, pieza, {}, dos)), todo(dosde4));
            EXPECT_EQ(todo(corre(bytes, calcula, pieza)), todo(calculado));
            if (HasFailure()) return;
        }
    }
    // Enough files read whole on their own for the pieces to be taken.
    EXPECT_GT(fieles, 400);
}

// Gives the bytes, then fails as a disk that cannot be read.
class Fallida : public std::streambuf {
public:
    explicit Fallida(std::string bytes) : bytes_(std::move(bytes)) {
        setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
    }

protected:
    int_type underflow() override { throw std::ios_base::failure("disco"); }

private:
    std::string bytes_;
};

// A file of cuantos short records, one a line.
std::string cortos(int cuantos) {
    std::string bytes;
    for (int i = 0; i < cuantos; ++i) bytes += std::to_string(i) + ",\"a\",1.5,2\r\n";
    return bytes;
}

// The first lines of a run's output.
std::string primeraslineas(const std::string& salida, std::int64_t lineas) {
    std::size_t fin = 0;
    for (std::int64_t i = 0; i < lineas; ++i) fin = salida.find('\n', fin) + 1;
    return salida.substr(0, fin);
}

// A record refused without a reason stops the run like any other refusal,
// copied or computed, by one reader or in pieces: the records before it are
// kept, it and those after it are not.
TEST(RecorridoAPedazos, UnRechazoSinMotivoDetieneLaCorrida) {
    const std::string bytes = cortos(300);
    const CadaCrudo copiasin7 = [](std::span<const CampoCrudo> c, std::string& destino) -> Resultado<void> {
        if (c[0].texto == "7") return Error{};
        return copia(c, destino);
    };
    const CadaRegistro calculasin7 = [](std::span<ValorCampo> c, std::string& destino) -> Resultado<void> {
        if (c[0].esnumero() && c[0].numero() == 7) return Error{};
        return calcula(c, destino);
    };
    const std::string copiadas = primeraslineas(corre(bytes, copia, 0).salida, 7);
    const std::string calculadas = primeraslineas(corre(bytes, calcula, 0).salida, 7);
    for (std::size_t pieza : {0UL, 64UL, 1UL << 20}) {
        SCOPED_TRACE("pieza " + std::to_string(pieza));
        for (const Corrida& c : {corre(bytes, copiasin7, pieza), corre(bytes, calculasin7, pieza)}) {
            EXPECT_EQ(c.r.estado, Estado::fallo);
            EXPECT_EQ(c.r.registros, 7);
            EXPECT_EQ(c.r.mensaje, "Registro 8 (renglón 8): error interno.");
        }
        EXPECT_EQ(corre(bytes, copiasin7, pieza).salida, copiadas);
        EXPECT_EQ(corre(bytes, calculasin7, pieza).salida, calculadas);
    }
}

// What was read before the input failed is kept, whole records only (how
// much of it depends on how much the stream had handed over), and the run
// says it could not read.
TEST(RecorridoAPedazos, UnaEntradaQueFallaSeDice) {
    const std::string bytes = cortos(300);
    const Corrida entero = corre(bytes, copia, 0);
    for (std::size_t corte : {0UL, 5UL, 12UL, 1000UL, bytes.size()}) {
        for (std::size_t pieza : {64UL, 1UL << 20}) {
            SCOPED_TRACE(std::to_string(corte) + " bytes, pieza " + std::to_string(pieza));
            Fallida fallida(bytes.substr(0, corte));
            std::istream entrada(&fallida);
            const Corrida c = corre(entrada, copia, pieza);
            EXPECT_EQ(c.r.estado, Estado::fallo);
            EXPECT_EQ(c.r.mensaje, mensajesinlectura);
            EXPECT_LE(c.r.registros, static_cast<std::int64_t>(corte / 12));
            EXPECT_EQ(c.salida, primeraslineas(entero.salida, c.r.registros));
        }
    }
}

// Progress is told at every registrosporavance records, and after a piece
// of long records that held fewer; stopping keeps exactly the records before.
TEST(RecorridoAPedazos, SeDetieneDondeLoPideElAvance) {
    const std::string bytes = cortos(10000);
    const Corrida entero = corre(bytes, copia, 0);
    for (std::size_t pieza : {100UL, 1UL << 20}) {
        std::vector<std::int64_t> avisos;
        const Corrida c = corre(bytes, copia, pieza, [&](std::int64_t registros) {
            avisos.push_back(registros);
            return registros < 5000;
        });
        ASSERT_FALSE(avisos.empty());
        EXPECT_EQ(c.r.estado, Estado::cancelado);
        EXPECT_EQ(c.r.registros, avisos.back());
        EXPECT_GE(avisos.back(), 5000);
        EXPECT_EQ(c.salida, primeraslineas(entero.salida, c.r.registros));
        if (pieza == 1UL << 20) {
            EXPECT_EQ(avisos, (std::vector<std::int64_t>{4096, 8192}));
        } else {
            EXPECT_LT(avisos.back(), 5010);  // told after nearly every piece of about 6 records
        }
    }
}

// Progress may ask the input where it stands (the windows' progress bar
// does): it is told only while no other thread reads the input, so the
// places it sees only grow, up to the input's size, and once the input has
// reached its end the stream answers -1.
// Bytes read through this file's own code, the place kept in one count:
// reading it and asking where it stands touch the same memory, which
// ThreadSanitizer then sees (the standard string stream is compiled
// outside the program).
class Vigilada : public std::streambuf {
public:
    explicit Vigilada(const std::string& bytes) : bytes_(bytes) {}

protected:
    std::streamsize xsgetn(char* s, std::streamsize n) override {
        const std::size_t k = std::min(static_cast<std::size_t>(n), bytes_.size() - lugar_);
        std::copy_n(bytes_.data() + lugar_, k, s);
        lugar_ += k;
        return static_cast<std::streamsize>(k);
    }
    int_type underflow() override {
        return lugar_ < bytes_.size() ? traits_type::to_int_type(bytes_[lugar_]) : traits_type::eof();
    }
    int_type uflow() override {
        const int_type c = underflow();
        if (!traits_type::eq_int_type(c, traits_type::eof())) ++lugar_;
        return c;
    }
    pos_type seekoff(off_type desplazamiento, std::ios_base::seekdir desde, std::ios_base::openmode) override {
        if (desplazamiento != 0 || desde != std::ios_base::cur) return pos_type(off_type(-1));
        return pos_type(static_cast<off_type>(lugar_));
    }

private:
    const std::string& bytes_;
    std::size_t lugar_ = 0;
};

TEST(RecorridoAPedazos, ElAvancePreguntaDondeVaLaEntrada) {
    const std::string bytes = cortos(20000);
    Vigilada vigilada(bytes);
    std::istream entrada(&vigilada);
    std::vector<std::int64_t> lugares;
    const Corrida c = corre(entrada, copia, 4096, [&](std::int64_t) {
        lugares.push_back(static_cast<std::int64_t>(entrada.tellg()));
        return true;
    });
    EXPECT_EQ(c.r.estado, Estado::completo);
    const auto alfinal = std::find(lugares.begin(), lugares.end(), -1);
    EXPECT_TRUE(std::all_of(alfinal, lugares.end(), [](std::int64_t l) { return l == -1; }));
    lugares.erase(alfinal, lugares.end());
    ASSERT_GE(lugares.size(), 3U);
    EXPECT_TRUE(std::is_sorted(lugares.begin(), lugares.end()));
    EXPECT_GT(lugares.front(), 0);
    EXPECT_LE(lugares.back(), static_cast<std::int64_t>(bytes.size()));
}

// Takes the first limite bytes, then fails as a full disk.
class Llena : public std::streambuf {
public:
    explicit Llena(std::size_t limite) : limite_(limite) {}
    std::string bytes;

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const auto caben = static_cast<std::streamsize>(std::min<std::size_t>(limite_ - bytes.size(), n));
        bytes.append(s, static_cast<std::size_t>(caben));
        return caben;
    }
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()) || bytes.size() >= limite_) return traits_type::eof();
        bytes += traits_type::to_char_type(c);
        return c;
    }

private:
    std::size_t limite_;
};

// A write that fails stops the run while the helper may still be working:
// the count is of the whole lines that reached the output, which are the
// first lines of the whole run's output.
TEST(RecorridoAPedazos, UnaEscrituraQueFallaDetieneLaCorrida) {
    const std::string bytes = cortos(60000);
    const Corrida entero = corre(bytes, copia, 0);
    for (const std::size_t limite : {0UL, 1000UL, 70000UL, 300000UL}) {
        for (const std::size_t pieza : {333UL, 1UL << 19}) {
            SCOPED_TRACE(std::to_string(limite) + " bytes, pieza " + std::to_string(pieza));
            std::istringstream entrada(bytes);
            Llena llena(limite);
            std::ostream salida(&llena);
            Recuento r;
            {
                Salida s(salida);
                r = interno::recorre(entrada, s, n, {}, copia, pieza);
            }
            EXPECT_EQ(r.estado, Estado::fallo);
            EXPECT_EQ(r.mensaje, "No se puede escribir el archivo de resultados.");
            const std::string escritas = primeraslineas(entero.salida, r.registros);
            EXPECT_LE(escritas.size(), limite);
            EXPECT_EQ(llena.bytes.substr(0, escritas.size()), escritas);
            EXPECT_GT(escritas.size() + (1 << 16), limite);  // at most one piece of output lost
        }
    }
}

// Whatever is left of the input from a place in any of the pieces still in
// memory, each of which the next piece took the end of, then the input not
// yet read: the last pieces stay where they are while the next ones are
// read. Lines of up to 8 bytes, so that a line ends in every piece.
TEST(Pedazos, ElRestoDesdeCualquieraDeLasUltimasPiezas) {
    std::string bytes;
    for (int i = 0; i < 40; ++i)
        bytes += std::string(static_cast<std::size_t>(i % 7), 'a' + static_cast<char>(i % 26)) + "\r\n";
    for (const int memorias : {2, 3, 4}) {
        for (const std::size_t tamano : {9UL, 16UL, 33UL}) {
            for (int piezas = 1; piezas < 8; ++piezas) {
                // Each place of the pieces still in memory, after piezas readings.
                std::vector<std::int64_t> comienzos;
                std::int64_t fin = 0;
                {
                    std::istringstream entrada(bytes);
                    Pedazos p(entrada, tamano, memorias);
                    for (int k = 0; k < piezas; ++k) {
                        ASSERT_TRUE(p.siguiente());
                        ASSERT_EQ(p.pieza(),
                                  std::string_view(bytes).substr(static_cast<std::size_t>(p.byte()), p.pieza().size()));
                        comienzos.push_back(p.byte());
                    }
                    fin = p.byte() + static_cast<std::int64_t>(p.pieza().size());
                }
                const std::int64_t primero = comienzos[static_cast<std::size_t>(std::max(0, piezas - memorias))];
                for (std::int64_t b = primero; b <= fin; ++b) {
                    SCOPED_TRACE(std::to_string(memorias) + " memorias, tamano " + std::to_string(tamano) + ", " +
                                 std::to_string(piezas) + " piezas, byte " + std::to_string(b));
                    std::istringstream entrada(bytes);
                    Pedazos p(entrada, tamano, memorias);
                    for (int k = 0; k < piezas; ++k) p.siguiente();
                    std::istream& resto = p.resto(b);
                    const std::string leido{std::istreambuf_iterator<char>(resto), std::istreambuf_iterator<char>()};
                    EXPECT_EQ(leido, bytes.substr(static_cast<std::size_t>(b)));
                }
            }
        }
    }
}

// The bytes as a stream that reads them all, or as one that fails after them.
class Entrada {
public:
    Entrada(const std::string& bytes, bool falla) : buena_(bytes), fallida_(bytes), mala_(&fallida_), falla_(falla) {}
    std::istream& flujo() { return falla_ ? mala_ : static_cast<std::istream&>(buena_); }

private:
    std::istringstream buena_;
    Fallida fallida_;
    std::istream mala_;
    bool falla_;
};

// Once the input is read to its end (with a line end at the end or
// without), the rest from any place of the pieces still in memory is what
// was left of it; once it has failed, reading the rest fails too.
TEST(Pedazos, ElRestoAlFinalDeLaEntrada) {
    const std::string lineas = cortos(9);  // 13-byte lines
    for (const std::string& bytes : {lineas, lineas + "9,\"a\",1.5"}) {
        for (const bool falla : {false, true}) {
            SCOPED_TRACE(std::to_string(bytes.size()) + " bytes" + (falla ? ", la entrada falla" : ""));
            // The first reading, for the places of every piece. A failed
            // reading keeps nothing of the read the failure cut short: its
            // last place is where that read began.
            std::vector<std::int64_t> comienzos;
            {
                Entrada entrada(bytes, falla);
                Pedazos p(entrada.flujo(), 30, 3);
                while (p.siguiente()) comienzos.push_back(p.byte());
                comienzos.push_back(p.byte());
            }
            ASSERT_GE(comienzos.size(), 3U);
            const std::int64_t fin = falla ? comienzos.back() : static_cast<std::int64_t>(bytes.size());
            for (std::int64_t b = comienzos[comienzos.size() - 3]; b <= fin; ++b) {
                Entrada entrada(bytes, falla);
                Pedazos p(entrada.flujo(), 30, 3);
                while (p.siguiente()) {
                }
                // Read as the one reader reads, through the stream: the
                // input's failure becomes the stream's bad state.
                std::istream& resto = p.resto(b);
                std::string leido;
                char trozo[7];
                while (resto.read(trozo, sizeof trozo) || resto.gcount() > 0)
                    leido.append(trozo, static_cast<std::size_t>(resto.gcount()));
                // A read the input's failure cut short hands over nothing of
                // what it took: from a failing input, a beginning only.
                const std::string quedaba = bytes.substr(static_cast<std::size_t>(b));
                if (falla)
                    EXPECT_TRUE(quedaba.starts_with(leido)) << "byte " << b << ": " << leido;
                else
                    EXPECT_EQ(leido, quedaba) << "byte " << b;
                EXPECT_EQ(resto.bad(), falla) << "byte " << b;
            }
        }
    }
}

// Progress may be told on either thread, whichever appends the pieces: a
// failure there (memory exhausted, say) reaches the caller, once both
// threads have stopped, and the run does not hang. Here the calling thread
// waits for the helper's first record, and the helper's records take a
// while, so the helper always holds the oldest piece and appends the pieces
// the calling thread finished meanwhile.
TEST(RecorridoAPedazos, UnFalloDelAvanceLlegaAQuienLlama) {
    const std::string bytes = cortos(30000);
    const std::thread::id llamador = std::this_thread::get_id();
    std::atomic<bool> ayudanteempezo = false;
    const CadaCrudo lentoenelayudante = [&](std::span<const CampoCrudo> c, std::string& destino) -> Resultado<void> {
        if (std::this_thread::get_id() != llamador) {
            ayudanteempezo = true;
            std::this_thread::sleep_for(std::chrono::microseconds(20));
        }
        while (!ayudanteempezo) std::this_thread::sleep_for(std::chrono::microseconds(50));
        return copia(c, destino);
    };
    int enelayudante = 0;
    for (const std::size_t pieza : {333UL, 1000UL, 4096UL}) {
        SCOPED_TRACE("pieza " + std::to_string(pieza));
        ayudanteempezo = false;
        bool fallo = false;
        EXPECT_THROW(corre(bytes, lentoenelayudante, pieza,
                           [&](std::int64_t registros) {
                               if (registros < 4096) return true;
                               fallo = true;
                               enelayudante += std::this_thread::get_id() != llamador;
                               throw std::runtime_error("avance");
                           }),
                     std::runtime_error);
        EXPECT_TRUE(fallo);
    }
    EXPECT_EQ(enelayudante, 3);
}

}  // namespace
}  // namespace rumbal
