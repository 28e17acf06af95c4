// Time per call of the geodetic operations and per record of the complete
// point line, on one point in the zone 5 area.

#include <benchmark/benchmark.h>

#include <sstream>

#include "archivos/registro_punto.hpp"
#include "archivos/renglones_llanos.hpp"
#include "geodesia/angulos.hpp"
#include "geodesia/geocentricas.hpp"
#include "geodesia/proyeccion.hpp"
#include "punto_completo.hpp"
#include "textos/redondeo.hpp"

namespace {

using namespace rumbal;

using banco::decimales;
using banco::faja5;
using banco::latitud;
using banco::longitud;
using banco::wgs84;

void gratexgeo_(benchmark::State& s) {
    double x = -34.60347222;
    for (auto _ : s) {
        benchmark::DoNotOptimize(gratexgeo(x, decimales));
        x += 1e-9;
    }
}
BENCHMARK(gratexgeo_)->Name("gratexgeo");

void geoacar_(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(geoacar(latitud, longitud, 25, wgs84, decimales));
}
BENCHMARK(geoacar_)->Name("geoacar");

void caracgeo_(benchmark::State& s) {
    const auto c = *geoacar(latitud, longitud, 25, wgs84, decimales);
    for (auto _ : s) benchmark::DoNotOptimize(caracgeo(c.x, c.y, c.z, wgs84, decimales));
}
BENCHMARK(caracgeo_)->Name("caracgeo");

void geoapla_(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(geoapla(latitud, longitud, wgs84, faja5, decimales));
}
BENCHMARK(geoapla_)->Name("geoapla");

void plaageo_(benchmark::State& s) {
    const auto p = *geoapla(latitud, longitud, wgs84, faja5, decimales);
    for (auto _ : s) benchmark::DoNotOptimize(plaageo(p.x, p.y, wgs84, faja5, decimales));
}
BENCHMARK(plaageo_)->Name("plaageo");

// The complete point record of one geodetic point, as processing writes it.
RegistroPunto punto(ValorCampo nombre, const std::string& lat, const std::string& lon, double h) {
    const auto c = *geoacar(lat, lon, h, wgs84, decimales);
    const auto p = *geoapla(lat, lon, wgs84, faja5, decimales);
    return {std::move(nombre),
            "Esquina",
            lat,
            lon,
            h,
            c.x,
            c.y,
            c.z,
            p.x,
            p.y,
            redondea(p.factorescala, 8),
            p.convergencia,
            redondea(*coefalt(lat, h, wgs84), 8),
            "WGS 84",
            "Faja 5"};
}

RegistroPunto registro() { return punto("P1", latitud, longitud, 25); }

// The i-th of a stretch of different points in the zone 5 area, so that the
// lengths of lines and fields vary as in a real file: the same line over and
// over lets the processor foresee every branch, and measured a delimiting
// way half as fast again as it is on real files.
RegistroPunto registro(int i) {
    const auto angulo = [](int grados, int j) {
        return "-" + std::to_string(grados) + " " + std::to_string(j * 7 % 60) + " " + std::to_string(j * 37 % 60) +
               "." + std::to_string(j * 13 % 10000);
    };
    return punto(static_cast<double>(i + 1), angulo(31 + i % 8, i), angulo(57 + i % 5, i + 11), 25 + i % 500 * 0.731);
}

void grabapunto_(benchmark::State& s) {
    const RegistroPunto r = registro();
    std::string linea;
    for (auto _ : s) {
        linea.clear();
        grabapunto(linea, r);
        benchmark::DoNotOptimize(linea.data());
    }
}
BENCHMARK(grabapunto_)->Name("grabapunto");

void leepunto_(benchmark::State& s) {
    std::string archivo;
    for (int i = 0; i < 10000; ++i) grabapunto(archivo, registro());
    RegistroPunto r;
    for (auto _ : s) {
        std::istringstream entrada(archivo);
        LectorCampos lector(entrada);
        while (lector.quedandatos()) leepunto(lector, r);
    }
    s.SetItemsProcessed(s.iterations() * 10000);
}
BENCHMARK(leepunto_)->Name("leepunto (por registro: ver items_per_second)");

// The copying commands' work per record, apart from reading and writing the
// files: delimiting the complete point lines (all fields given, or the
// three of columns 1, 10 and 9), and copying those three columns of each.
// 2,000 different records: about the stretch of a piece each thread
// delimits, in the processor's cache as the piece just read is; not at the
// start of the input, where a byte-order mark would be looked for.
constexpr int registrosdeltramo = 2000;

struct TramoLlano {
    TramoLlano() {
        for (int i = 0; i < registrosdeltramo; ++i) grabapunto(archivo, registro(i));
        trozo.byte = 1;
        trozo.bytes = archivo;
    }
    std::string archivo;
    Trozo trozo;
};

constexpr std::uint64_t trescolumnas = 0b1100000001;

void delimita_(benchmark::State& s) {
    const TramoLlano tramo;
    std::vector<CampoCrudo> campos(columnaspunto);
    const std::uint64_t usados = s.range(0) ? trescolumnas : ~std::uint64_t{0};
    for (auto _ : s) {
        RenglonesLlanos llanos(tramo.trozo, columnaspunto, usados);
        while (llanos.siguiente(campos)) benchmark::DoNotOptimize(campos.data());
    }
    s.SetItemsProcessed(s.iterations() * registrosdeltramo);
}
BENCHMARK(delimita_)
    ->Name("renglones llanos, todos los campos / solo 1, 10 y 9 (por registro: ver items_per_second)")
    ->Arg(0)
    ->Arg(1);

// All fields given, or only the three copied.
void columnas_(benchmark::State& s) {
    const TramoLlano tramo;
    std::vector<CampoCrudo> campos(columnaspunto);
    const std::size_t cuales[] = {0, 9, 8};
    const std::uint64_t usados = s.range(0) ? trescolumnas : ~std::uint64_t{0};
    std::string salida;
    for (auto _ : s) {
        salida.clear();
        RenglonesLlanos llanos(tramo.trozo, columnaspunto, usados);
        while (llanos.siguiente(campos)) grabalinea(salida, campos, cuales);
        benchmark::DoNotOptimize(salida.data());
    }
    s.SetItemsProcessed(s.iterations() * registrosdeltramo);
}
BENCHMARK(columnas_)
    ->Name("columnas 1,10,9, todos los campos / solo esos (por registro: ver items_per_second)")
    ->Arg(0)
    ->Arg(1);

// The whole work of one geodetic point: geocentric, plane, height coefficient
// and the fifteen-field line.
void puntocompleto_(benchmark::State& s) {
    std::string linea;
    for (auto _ : s) {
        banco::puntocompleto(linea);
        benchmark::DoNotOptimize(linea.data());
    }
}
BENCHMARK(puntocompleto_)->Name("punto geodesico completo");

// The same point as rumbal-lote computes a record: each angle text read once,
// the origin of the representation once per run.
void puntoleido_(benchmark::State& s) {
    const auto o = banco::origen();
    std::string linea;
    for (auto _ : s) {
        banco::puntoleido(linea, o);
        benchmark::DoNotOptimize(linea.data());
    }
}
BENCHMARK(puntoleido_)->Name("punto geodesico completo, textos leidos una vez");

}  // namespace

BENCHMARK_MAIN();
