// The viewers on a file of a million complete point records (about 165 MB,
// written once to a temporary folder, so read from the system's cache):
// indexing it, and the first and last screens of the model (40 rows, every
// cell asked for as a view does), each from a new model as when a viewer
// opens. For comparison, today's listing of the whole file as rows of texts.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

#include "archivos/indice_registros.hpp"
#include "archivos/registro_punto.hpp"
#include "ventanas/modelo_listado.hpp"

namespace {

using namespace rumbal;

constexpr int registros = 1000000;
constexpr int filasporpantalla = 40;

// The file, removed at exit.
class Archivo {
public:
    Archivo() {
        std::random_device azar;
        carpeta_ = std::filesystem::temp_directory_path() / ("rumbal-visor-" + std::to_string(azar()));
        std::filesystem::create_directories(carpeta_);
        std::ofstream f(ruta(), std::ios::binary);
        std::string bloque;
        char linea[256];
        for (int i = 1; i <= registros; ++i) {
            const double d = (i % 1000) * 0.001;
            const int largo = std::snprintf(linea, sizeof linea,
                                            "\"P%d\",\"V\xE9rtice\",\"-34 36 %.1f\",\"-58 22 %.1f\",%d,%.3f,%.3f,%.3f,"
                                            "%.3f,%.3f,.99998765,\"0 12 3.45\",1.00000392,\"WGS 84\",\"Faja 5\"\r\n",
                                            i, 12.5 + d, 54.3 - d, 25 + i % 50, 2766523.123 + d, -4487345.456 - d,
                                            -3597523.789 + d, 6171234.567 + d, 5633333.123 - d);
            bloque.append(linea, static_cast<std::size_t>(largo));
            if (bloque.size() > (1 << 20)) {
                f.write(bloque.data(), static_cast<std::streamsize>(bloque.size()));
                bloque.clear();
            }
        }
        f.write(bloque.data(), static_cast<std::streamsize>(bloque.size()));
    }
    ~Archivo() {
        std::error_code ec;
        std::filesystem::remove_all(carpeta_, ec);
    }
    std::filesystem::path ruta() const { return carpeta_ / "completo.txt"; }

private:
    std::filesystem::path carpeta_;
};

const Archivo& archivo() {
    static const Archivo a;
    return a;
}

Indexado indexado() {
    std::ifstream f(archivo().ruta(), std::ios::binary);
    return indexa(f, columnaspunto);
}

const IndiceRegistros& indice() {
    static const IndiceRegistros i = indexado().indice;
    return i;
}

void indexa_(benchmark::State& s) {
    Indexado x;
    for (auto _ : s) {
        x = indexado();
        benchmark::DoNotOptimize(x.indice.lugares.data());
    }
    const auto bytes = std::filesystem::file_size(archivo().ruta());
    s.SetBytesProcessed(static_cast<std::int64_t>(s.iterations() * bytes));
    s.counters["registros"] = static_cast<double>(x.recuento.registros);
    s.counters["bytes_archivo"] = static_cast<double>(bytes);
    s.counters["bytes_indice"] = static_cast<double>(x.indice.memoria());
}
BENCHMARK(indexa_)->Name("indexa 1e6 registros")->Unit(benchmark::kMillisecond)->Iterations(5);

// A new model shows the indexed file and every cell of rows [desde, desde + 40) is asked for.
void pantalla(benchmark::State& s, int desde) {
    const QStringList cabeceras = {"Punto", "Atributo", "x", "y", "Factor", "Convergencia", "Representacion"};
    const std::vector<std::size_t> columnas(columnasplanas.begin(), columnasplanas.end());
    const IndiceRegistros& i = indice();
    for (auto _ : s) {
        ModeloListado modelo(cabeceras, columnas);
        modelo.muestra(i, archivo().ruta());
        for (int f = desde; f < desde + filasporpantalla; ++f)
            for (int c = 0; c < modelo.columnCount(); ++c) benchmark::DoNotOptimize(modelo.index(f, c).data());
        if (modelo.index(desde, 0).data().toString() != QStringLiteral("P%1").arg(desde + 1))
            s.SkipWithError("the screen does not show its records");
    }
}

void primerapantalla_(benchmark::State& s) { pantalla(s, 0); }
BENCHMARK(primerapantalla_)->Name("modelo: primera pantalla")->Unit(benchmark::kMicrosecond);

void ultimapantalla_(benchmark::State& s) { pantalla(s, registros - filasporpantalla); }
BENCHMARK(ultimapantalla_)->Name("modelo: ultima pantalla")->Unit(benchmark::kMicrosecond);

// Resident memory of this process, in bytes (Linux).
double residente() {
    std::ifstream statm("/proc/self/statm");
    double total = 0, residentes = 0;
    statm >> total >> residentes;
    return residentes * static_cast<double>(sysconf(_SC_PAGESIZE));
}

void listatodo_(benchmark::State& s) {
    double crecimiento = 0;
    for (auto _ : s) {
        const double antes = residente();
        std::ifstream f(archivo().ruta(), std::ios::binary);
        std::vector<Fila> filas;
        lista(f, columnasplanas, [&](Fila&& fila) { filas.push_back(std::move(fila)); });
        benchmark::DoNotOptimize(filas.data());
        crecimiento = residente() - antes;
    }
    s.counters["bytes_filas"] = crecimiento;
}
BENCHMARK(listatodo_)->Name("lista todo el archivo (comparacion)")->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
