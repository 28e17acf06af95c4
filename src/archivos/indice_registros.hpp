#pragma once
// The index of the records of a file, so that a viewer can show any record of
// a file of any size at once: read once from the start, it keeps where every
// paso-th record starts and how many records there are. A record between two
// kept places is reached by passing over the fields before it, which builds
// no values. With the default paso, a million complete point records (165
// MB) take under 400 KB.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <vector>

#include "archivos/listado.hpp"
#include "archivos/recorrido.hpp"
#include "textos/lector_campos.hpp"

namespace rumbal {

inline constexpr std::int64_t registrosporlugar = 64;

struct IndiceRegistros {
    std::size_t campos = 0;                 // fields of one record
    std::int64_t paso = registrosporlugar;  // a place kept every paso records
    std::int64_t registros = 0;             // records that can be read, from the start of the file
    std::vector<LugarLectura> lugares;      // where records 0, paso, 2 paso... start

    std::size_t memoria() const { return sizeof(*this) + lugares.capacity() * sizeof(LugarLectura); }
};

struct Indexado {
    IndiceRegistros indice;
    Recuento recuento;  // registros: records indexed; why the indexing stopped early, as the listing words it
};

// Indexes the records of campos fields of entrada, read from its start,
// keeping the place of every paso-th record (paso 1 or more).
// Reports progress every registrosporavance records and stops when avance
// answers false; stopped or failed, the records before stay indexed.
Indexado indexa(std::istream& entrada, std::size_t campos, const Avance& avance = {},
                std::int64_t paso = registrosporlugar);

// The rows of records [desde, desde + cuantos) of the indexed file entrada
// (those beyond the index left out): the fields at columnas (each below
// indice.campos) as a person reads them, the same rows lista() gives. Fewer
// rows when a record can no longer be read there (the file changed since it
// was indexed).
std::vector<Fila> leefilas(std::istream& entrada, const IndiceRegistros& indice, std::span<const std::size_t> columnas,
                           std::int64_t desde, std::int64_t cuantos);

}  // namespace rumbal
