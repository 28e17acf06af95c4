#pragma once
// Appending to a results file: how every file the system adds records to is
// written. Results files are only ever appended to, and every byte that
// reaches one is checked:
// - only a regular file, or a new one, is opened: a folder, a device or a pipe
//   is refused before anything is created;
// - before the first bytes go to a file whose last byte is not a line end, a
//   CR LF ends that last line, so the first new record starts a line of its
//   own instead of being glued to it;
// - writes go straight to the system and each is checked; callers write whole
//   lines at a time (a record's line, a buffer of them), so when one fails
//   (a full disk, a quota, an input/output error) the file is cut back to the
//   end of the last whole write and holds whole lines only; every later write
//   fails too;
// - the lines of the file are known without reading it again: those it had
//   (counted from its bytes when first asked) plus the line ends written.
//
// An Anexo is an std::ostream, so file algorithms write to it as to any
// stream; a failed write sets the stream's badbit.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>

#include "base/resultado.hpp"

namespace rumbal {

class Anexo : public std::ostream {
public:
    // Opens ruta for appending, creating it when it does not exist. The error
    // names the file; its motivo says why (Spanish, Windows-1252).
    static Resultado<std::unique_ptr<Anexo>> abre(const std::filesystem::path& ruta);
    ~Anexo() override;
    Anexo(const Anexo&) = delete;
    Anexo& operator=(const Anexo&) = delete;

    // Lines in the file now: those it had plus the line ends written. Asked
    // before cierra, which gives up the descriptor the first lines are read from.
    std::optional<std::int64_t> lineas();
    // Why the first failed write failed; empty while none has.
    const std::string& motivofalla() const;
    // Closes the file; an error with the reason of the first failed write, or
    // of the closing.
    Resultado<void> cierra();

private:
    class Buffer;
    explicit Anexo(std::unique_ptr<Buffer> buffer);
    std::unique_ptr<Buffer> buffer_;
};

// Why writing to destino failed, when it is an Anexo that knows; else empty.
std::string motivoescritura(const std::ostream& destino);

}  // namespace rumbal
