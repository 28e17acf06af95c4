#pragma once
// A platform that shows nothing: it records messages, beeps, sounds, dialogs
// and the documents it was asked to open, and answers the file dialogs with
// scripted paths, or a cancel when none is left.

#include <QStringList>
#include <deque>
#include <optional>

#include "ventanas/plataforma.hpp"

namespace rumbal::prueba {

class PlataformaFalsa : public Plataforma {
public:
    void mensaje(QWidget*, const QString& texto) override { mensajes << texto; }
    void pitido() override { ++pitidos; }
    std::optional<QString> abrearchivo(QWidget*, const QString& titulo, const QString& filtro) override {
        dialogos << titulo + QStringLiteral(" | ") + filtro;
        if (respuestas.empty()) return std::nullopt;
        const QString r = respuestas.front();
        respuestas.pop_front();
        return r.isNull() ? std::nullopt : std::optional<QString>(r);
    }
    void suena() override { ++sonidos; }
    void abredocumento(const QString& ruta) override { documentos << ruta; }
    void terminaprograma() override { terminado = true; }

    QStringList mensajes, dialogos, documentos;
    int pitidos = 0, sonidos = 0;
    bool terminado = false;
    std::deque<QString> respuestas;  // a null text answers with a cancel
};

}  // namespace rumbal::prueba
