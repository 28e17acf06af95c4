#include "archivos/anexo.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "base/motivo_sistema.hpp"
#include "textos/cuenta_lf.hpp"
#include "textos/lector_campos.hpp"

namespace rumbal {

class Anexo::Buffer : public std::streambuf {
public:
    Buffer(int fd, off_t tamano, bool cierrarenglon)
        : fd_(fd), tamanoinicial_(tamano), confirmado_(tamano), cierrarenglon_(cierrarenglon) {}
    ~Buffer() override { cierra(); }

    bool cierra() {
        if (fd_ < 0) return !fallo_;
        if (::close(fd_) != 0 && !fallo_) {
            fallo_ = true;
            motivo_ = motivosistema(errno);
        }
        fd_ = -1;
        return !fallo_;
    }

    std::optional<std::int64_t> lineas() {
        if (!previas_) {
            // The lines the file had: its first bytes, read back once.
            ContadorLineas contador;
            std::vector<char> memoria(1 << 16);
            if (fd_ < 0 && tamanoinicial_ > 0) return std::nullopt;
            for (off_t leido = 0; leido < tamanoinicial_;) {
                const auto pedido = static_cast<std::size_t>(std::min<off_t>(tamanoinicial_ - leido, 1 << 16));
                const ssize_t n = ::pread(fd_, memoria.data(), pedido, leido);
                if (n < 0 && errno == EINTR) continue;
                if (n <= 0) return std::nullopt;
                contador.agrega(memoria.data(), static_cast<std::size_t>(n));
                leido += n;
            }
            previas_ = contador.lineas();
        }
        return *previas_ + lineasescritas_;
    }

    const std::string& motivo() const { return motivo_; }

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        if (fallo_ || fd_ < 0) return 0;
        if (n <= 0) return 0;
        if (cierrarenglon_) {
            if (!escribe("\r\n", 2)) return 0;
            cierrarenglon_ = false;
        }
        if (!escribe(s, static_cast<std::size_t>(n))) return 0;
        lineasescritas_ += cuentalf(s, static_cast<std::size_t>(n));
        return n;
    }

    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char caracter = traits_type::to_char_type(c);
        return xsputn(&caracter, 1) == 1 ? c : traits_type::eof();
    }

    int sync() override { return fallo_ ? -1 : 0; }

private:
    // Writes all n bytes; at a failure cuts the file back to the last whole
    // write and remembers why.
    bool escribe(const char* s, std::size_t n) {
        std::size_t hecho = 0;
        while (hecho < n) {
            const ssize_t r = ::write(fd_, s + hecho, n - hecho);
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) {
                fallo_ = true;
                motivo_ = motivosistema(r < 0 ? errno : ENOSPC);
                if (::ftruncate(fd_, confirmado_) != 0) motivo_ += "; el último renglón quedó incompleto";
                return false;
            }
            hecho += static_cast<std::size_t>(r);
        }
        confirmado_ += static_cast<off_t>(n);
        return true;
    }

    int fd_;
    off_t tamanoinicial_;
    off_t confirmado_;  // size of the file after the last whole write
    bool cierrarenglon_;
    bool fallo_ = false;
    std::string motivo_;
    std::optional<std::int64_t> previas_;
    std::int64_t lineasescritas_ = 0;
};

Anexo::Anexo(std::unique_ptr<Buffer> buffer) : std::ostream(buffer.get()), buffer_(std::move(buffer)) {}

Anexo::~Anexo() = default;

Resultado<std::unique_ptr<Anexo>> Anexo::abre(const std::filesystem::path& ruta) {
    Error error{ruta.filename().string(), ruta.string(), 0, {}};
    struct stat datos {};
    if (::stat(ruta.c_str(), &datos) == 0) {
        if (S_ISDIR(datos.st_mode)) {
            error.motivo = "es una carpeta, no un archivo";
            return error;
        }
        if (!S_ISREG(datos.st_mode)) {
            error.motivo = "no es un archivo común (es un dispositivo, una tubería o un enchufe)";
            return error;
        }
    }
    // Read access too, to see the last byte; a file that can only be written
    // is appended to without that check.
    int fd = ::open(ruta.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    const bool legible = fd >= 0;
    if (fd < 0 && (errno == EACCES || errno == EPERM)) fd = ::open(ruta.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) {
        error.motivo = "no se puede abrir: " + motivosistema(errno);
        return error;
    }
    if (::fstat(fd, &datos) != 0 || !S_ISREG(datos.st_mode)) {
        ::close(fd);
        error.motivo = "no es un archivo común (es un dispositivo, una tubería o un enchufe)";
        return error;
    }
    bool cierrarenglon = false;
    if (legible && datos.st_size > 0) {
        char ultimo = 0;
        if (::pread(fd, &ultimo, 1, datos.st_size - 1) == 1) cierrarenglon = ultimo != '\n' && ultimo != '\r';
    }
    return std::unique_ptr<Anexo>(new Anexo(std::make_unique<Buffer>(fd, datos.st_size, cierrarenglon)));
}

std::optional<std::int64_t> Anexo::lineas() { return buffer_->lineas(); }

const std::string& Anexo::motivofalla() const { return buffer_->motivo(); }

Resultado<void> Anexo::cierra() {
    if (buffer_->cierra()) return {};
    setstate(std::ios::badbit);
    return falla(motivofalla());
}

std::string motivoescritura(const std::ostream& destino) {
    const auto* anexo = dynamic_cast<const Anexo*>(&destino);
    return anexo ? anexo->motivofalla() : std::string();
}

}  // namespace rumbal
