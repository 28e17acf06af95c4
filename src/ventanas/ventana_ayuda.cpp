#include "ventanas/ventana_ayuda.hpp"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ventanas/controles.hpp"

namespace rumbal {

VentanaAyuda::VentanaAyuda(const QString& nombre, const QString& titulo, const QString& titulomarco, QWidget* padre)
    : QWidget(padre) {
    setObjectName(nombre);
    setWindowTitle(titulo);
    auto* principal = new QVBoxLayout(this);
    Frame1_ = new QGroupBox(titulomarco, this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    enmarco_ = new QVBoxLayout(Frame1_);
    principal->addWidget(Frame1_);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch();
    botsalir_ = controles::boton(this, "botsalir", QStringLiteral("Salir"));
    abajo->addWidget(botsalir_);
    principal->addLayout(abajo);
    QObject::connect(botsalir_, &QPushButton::clicked, this, [this] { botsalir_Click(); });
}

void VentanaAyuda::botsalir_Click() { close(); }

}  // namespace rumbal
