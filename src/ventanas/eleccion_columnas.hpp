#pragma once
// The columns chosen in the column selection window, in the order they were
// ticked: ticking appends a column, unticking removes it and closes the gap,
// so the derived lines hold the columns in the order the user picked them.

#include <cstddef>
#include <vector>

namespace rumbal {

class EleccionColumnas {
public:
    // k counts "Punto" as 0. A column already chosen is not added twice.
    void marca(std::size_t k);
    void desmarca(std::size_t k);
    // Position of column k in the choice, or -1.
    int posicion(std::size_t k) const;
    const std::vector<std::size_t>& columnas() const { return columnas_; }

private:
    std::vector<std::size_t> columnas_;
};

}  // namespace rumbal
