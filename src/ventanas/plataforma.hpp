#pragma once
// What the windows ask of the desktop: a message box (an OK button, the
// program's name "Rumbal" as title), the system beep, a file-open dialog (a
// chosen full path, or nothing when the user cancels), the save sound,
// opening a document with the desktop's own viewer, and ending the program at
// once. Windows take one in their constructor; tests
// give them a fake that records what was shown and answers with scripted
// paths.

#include <QString>
#include <optional>
#include <utility>

#include "base/resultado.hpp"
#include "ventanas/clases_qt.hpp"
#include "ventanas/texto_qt.hpp"

namespace rumbal {

class Plataforma {
public:
    virtual ~Plataforma() = default;
    virtual void mensaje(QWidget* padre, const QString& texto) = 0;
    virtual void pitido() = 0;
    // filtro as the file types are written in the program: pairs of a
    // description and a pattern separated by "|" ("Texto(*.txt)|*.txt").
    virtual std::optional<QString> abrearchivo(QWidget* padre, const QString& titulo, const QString& filtro) = 0;
    virtual void suena() = 0;
    // ruta: a full path; the desktop chooses the program by the file's type.
    virtual void abredocumento(const QString& ruta) = 0;
    virtual void terminaprograma() = 0;

    // A message with the beep: what the user asked for could not be done.
    void avisa(QWidget* padre, const QString& texto) {
        mensaje(padre, texto);
        pitido();
    }
};

// What a window's load read (a catalogue, the decimals) goes into destino; a
// file that could not be read is said (file, line and why) over padre, and the
// answer is false: the window cannot work without it.
template <class T>
bool toma(Resultado<T> leido, T& destino, Plataforma& plataforma, QWidget* padre) {
    if (!leido.bien()) {
        plataforma.mensaje(padre, aqt(leido.error().mensaje()));
        return false;
    }
    destino = std::move(leido.valor());
    return true;
}

}  // namespace rumbal
