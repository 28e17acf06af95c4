#include "ventanas/disenos_editores.hpp"

#include "textos/lectura_numero.hpp"

namespace rumbal {

std::string nombrecaja(std::size_t i, std::size_t n) {
    return n == 1 ? std::string("Text1") : "Text1(" + std::to_string(i + 1) + ")";
}

std::string nombrerotulo(std::size_t i) { return "Label1(" + std::to_string(i + 1) + ")"; }

Renglon renglondecajas(const DisenoEditor& d, const std::vector<std::string>& cajas) {
    Renglon r(d.cajas.size());
    for (std::size_t i = 0; i < d.cajas.size() && i < cajas.size(); ++i) {
        const std::size_t campo = d.cajas[i].campo;
        r[campo] = d.catalogo->formato[campo] == 'T' ? ValorCampo(cajas[i]) : ValorCampo(leenumero(cajas[i]));
    }
    return r;
}

std::vector<std::string> cajasderenglon(const DisenoEditor& d, const Renglon& renglon) {
    std::vector<std::string> cajas;
    for (const CajaEditor& c : d.cajas) cajas.push_back(c.campo < renglon.size() ? textovisible(renglon[c.campo]) : "");
    return cajas;
}

}  // namespace rumbal
