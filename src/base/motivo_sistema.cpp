#include "base/motivo_sistema.hpp"

#include <cerrno>

namespace rumbal {

std::string motivosistema(int numero) {
    switch (numero) {
        case ENOSPC: return "no queda espacio en el disco";
        case EDQUOT: return "se llenó la cuota de disco del usuario";
        case EFBIG: return "el archivo llegó al tamaño máximo que admite el sistema";
        case EIO: return "error de entrada y salida del disco";
        case EACCES:
        case EPERM: return "no hay permiso para escribir el archivo";
        case EROFS: return "el archivo está en un disco de solo lectura";
        case ENOENT: return "no existe la carpeta del archivo";
        default: return "el sistema no lo permite (error " + std::to_string(numero) + ")";
    }
}

}  // namespace rumbal
