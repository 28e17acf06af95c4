#pragma once
// The desktop's own message box, beep, file dialog, sound and document viewer.

#include <QSoundEffect>
#include <filesystem>

#include "ventanas/plataforma.hpp"

namespace rumbal {

class PlataformaQt : public Plataforma {
public:
    // sonido: the save sound; one that cannot be played is skipped silently.
    // Pixels: room for the title "Rumbal" and the title bar's buttons.
    static constexpr int anchominimomensaje = 300;

    explicit PlataformaQt(const std::filesystem::path& sonido);
    void mensaje(QWidget* padre, const QString& texto) override;
    void pitido() override;
    std::optional<QString> abrearchivo(QWidget* padre, const QString& titulo, const QString& filtro) override;
    void suena() override;
    void abredocumento(const QString& ruta) override;
    void terminaprograma() override;

    // "Texto(*.txt)|*.txt|Todos los archivos(*.*)|*.*" as Qt writes file types.
    static QString filtroqt(const QString& filtro);

    // Qt's own texts (the file dialog's "Ver en", "Abrir", "Cancelar", the
    // message box's "Aceptar") in Spanish, from Debian's Qt translations;
    // false when they are not installed (Qt's English texts stay).
    static bool instalatraduccion();

    // The folder the next file dialog opens in: the one last chosen from in
    // this run, the user's documents folder the first time.
    const QString& carpetadialogos() const { return carpetadialogos_; }

private:
    QSoundEffect sonido_;
    QString carpetadialogos_;
};

}  // namespace rumbal
