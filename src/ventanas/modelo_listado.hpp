#pragma once
// The rows of a file viewer: the records of a file, indexed once, read a
// block at a time as the view asks for them, so a file of any size shows at
// once and only a few blocks are held. Each cell is a field as a person reads
// it; the rows are numbered from 1.

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <list>
#include <vector>

#include "archivos/indice_registros.hpp"

namespace rumbal {

class ModeloListado : public QAbstractTableModel {
public:
    // Records read at a time (a multiple of the index's step, so a block
    // starts at a kept place), and blocks held.
    static constexpr std::int64_t registrosporbloque = 256;
    static constexpr std::size_t bloquesguardados = 4;

    // cabeceras: one text per shown column; columnas: the field positions
    // shown, counting the first field as 0.
    ModeloListado(QStringList cabeceras, std::vector<std::size_t> columnas, QObject* padre = nullptr);

    // Shows the records indice holds of the file at ruta, from which it was
    // built. A record that can no longer be read there shows empty cells.
    void muestra(IndiceRegistros indice, const std::filesystem::path& ruta);

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& celda, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int papel = Qt::DisplayRole) const override;

private:
    // The rows of the records from primero on; Windows-1252 until shown.
    struct Bloque {
        std::int64_t primero = 0;
        std::vector<Fila> filas;
    };
    // The block that holds registro, read if it is not held.
    const Bloque& bloque(std::int64_t registro) const;

    QStringList cabeceras_;
    std::vector<std::size_t> columnas_;
    IndiceRegistros indice_;
    mutable std::ifstream archivo_;
    mutable std::list<Bloque> bloques_;  // the last used first
};

}  // namespace rumbal
