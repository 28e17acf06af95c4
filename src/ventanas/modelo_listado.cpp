#include "ventanas/modelo_listado.hpp"

#include <algorithm>
#include <climits>

#include "ventanas/texto_qt.hpp"

namespace rumbal {

ModeloListado::ModeloListado(QStringList cabeceras, std::vector<std::size_t> columnas, QObject* padre)
    : QAbstractTableModel(padre), cabeceras_(std::move(cabeceras)), columnas_(std::move(columnas)) {}

void ModeloListado::muestra(IndiceRegistros indice, const std::filesystem::path& ruta) {
    beginResetModel();
    indice_ = std::move(indice);
    bloques_.clear();
    archivo_.close();
    archivo_.clear();
    archivo_.open(ruta, std::ios::binary);
    endResetModel();
}

int ModeloListado::rowCount(const QModelIndex& padre) const {
    if (padre.isValid()) return 0;
    return static_cast<int>(std::min<std::int64_t>(indice_.registros, INT_MAX));
}

int ModeloListado::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : static_cast<int>(columnas_.size());
}

QVariant ModeloListado::data(const QModelIndex& celda, int papel) const {
    if (papel != Qt::DisplayRole || !celda.isValid() || celda.row() >= rowCount() || celda.column() >= columnCount())
        return {};
    const Bloque& b = bloque(celda.row());
    const auto fila = static_cast<std::size_t>(celda.row() - b.primero);
    return fila < b.filas.size() ? aqt(b.filas[fila][static_cast<std::size_t>(celda.column())]) : QString();
}

QVariant ModeloListado::headerData(int seccion, Qt::Orientation orientacion, int papel) const {
    if (papel != Qt::DisplayRole) return {};
    if (orientacion == Qt::Vertical) return seccion + 1;
    return cabeceras_.value(seccion);
}

const ModeloListado::Bloque& ModeloListado::bloque(std::int64_t registro) const {
    const std::int64_t primero = registro - registro % registrosporbloque;
    const auto guardado =
        std::find_if(bloques_.begin(), bloques_.end(), [&](const Bloque& b) { return b.primero == primero; });
    if (guardado != bloques_.end()) {
        bloques_.splice(bloques_.begin(), bloques_, guardado);
        return bloques_.front();
    }
    bloques_.push_front(Bloque{primero, leefilas(archivo_, indice_, columnas_, primero, registrosporbloque)});
    if (bloques_.size() > bloquesguardados) bloques_.pop_back();
    return bloques_.front();
}

}  // namespace rumbal
