#include "ventanas/textos_ayuda.hpp"

#include <array>

namespace rumbal {

std::string textocreditos() {
    return "Rumbal convierte las coordenadas de puntos entre coordenadas geodésicas (latitud, longitud y "
           "altura elipsoidal), cartesianas geocéntricas y planas de Mercator Transversal (Gauss-Krüger), "
           "y transforma coordenadas geocéntricas entre dos marcos de referencia con siete parámetros.\n\n"
           "Trabaja con un punto escrito en la ventana principal o con archivos de texto completos, y "
           "guarda sus resultados en archivos separados por comas que otros programas pueden leer; de ellos "
           "obtiene archivos con las columnas elegidas o con los puntos de un atributo, y los muestra en "
           "visores.\n\n"
           "El programa no trae valores fijos propios: todo lo que usa en sus cálculos (elipsoides, "
           "representaciones planas, el par de marcos de referencia con sus parámetros, los atributos y "
           "los decimales) está en sus catálogos, archivos de texto de la carpeta del programa que el "
           "usuario modifica desde el propio programa.\n\n"
           "Versión 1.0.1.";
}

namespace {

// The root folder keeps its only separator.
std::string_view sinseparadorfinal(std::string_view carpeta) {
    while (carpeta.size() > 1 && carpeta.back() == '/') carpeta.remove_suffix(1);
    return carpeta;
}

}  // namespace

std::string rutaguia(std::string_view carpeta) {
    const std::string_view limpia = sinseparadorfinal(carpeta);
    return std::string(limpia) + (limpia == "/" ? "" : "/") + std::string(nombreguia);
}

std::string textoguia(std::string_view carpeta) {
    carpeta = sinseparadorfinal(carpeta);
    const std::array<std::string, 5> parrafos = {
        "Rumbal 1.0.1 es un programa que ayuda a resolver problemas de cálculo  que en la actualidad son "
        "habitualmente requeridos por diversas  aplicaciones propias de la topografía y la geodesia.",
        "Está diseñado para que su uso sea muy sencillo  permitiendo generar  salidas que a su vez puedan ser "
        "leídas por otros programas.",
        "El programa básicamente realiza conversiones entre distintos tipos de coordenadas de uso habitual y "
        "transformaciones entre distintos marcos de referencia.",
        "Una característica destacable es que el programa tiene un alto grado de parametrización lo que "
        "permite que el usuario pueda adaptar los cálculos a las características del problema a resolver.",
        "El archivo " + std::string(nombreguia) + " , disponible en la carpeta: " + std::string(carpeta) +
            ", le brindará los detalles necesarios para su adecuado uso."};
    std::string texto = parrafos[0];
    for (std::size_t i = 1; i < parrafos.size(); ++i) texto += "\r\n\r\n" + parrafos[i];
    return texto;
}

}  // namespace rumbal
