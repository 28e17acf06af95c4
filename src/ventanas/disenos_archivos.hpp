#pragma once
// What sets the four file windows apart besides their own controls: their
// names and captions, the run button, the texts of the two count lines and
// the table of their steps. Plain data, one design a window; texts are UTF-8.

#include <string_view>

#include "ventanas/ciclo_archivos.hpp"

namespace rumbal {

// The run button and what the first count line says its run did.
struct BotonCorrida {
    std::string_view nombre;  // objectName
    std::string_view texto;   // the caption
    std::string_view puntos;  // after the count
};

inline constexpr BotonCorrida corridacalcular{"botcalcular", "Calcular", " puntos calculados"};
inline constexpr BotonCorrida corridagenerar{"botgenerar", "Generar", " puntos generados"};

struct DisenoArchivos {
    std::string_view nombre;  // objectName, also the key of its open files
    std::string_view titulo;  // the caption
    const BotonCorrida* corrida;
    std::string_view enelarchivo;  // after the count of the results file's lines
    const TablaCiclo* ciclo;
};

inline constexpr std::string_view enresultados = " puntos en el archivo de resultados";

inline constexpr DisenoArchivos disenoprocesar{"forprocesar", "Procesando Archivo de coordenadas", &corridacalcular,
                                               enresultados, &cicloprocesar};
inline constexpr DisenoArchivos disenotransformar{"Fortranar",
                                                  "Transformación entre marcos de referencia desde archivo",
                                                  &corridacalcular, " puntos en el archivo", &ciclotransformar};
inline constexpr DisenoArchivos disenocolumnas{"forgenerar", "Selección por Columnas", &corridagenerar, enresultados,
                                               &cicloseleccion};
inline constexpr DisenoArchivos disenoatributos{"forporatributos", "Selección por atributos", &corridagenerar,
                                                enresultados, &cicloseleccion};

}  // namespace rumbal
