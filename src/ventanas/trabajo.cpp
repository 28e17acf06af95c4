#include "ventanas/trabajo.hpp"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <exception>
#include <new>

#include "ventanas/controles.hpp"

namespace rumbal {

Avance Trabajo::Progreso::avance(std::istream& entrada, std::uintmax_t tamano) {
    return [this, &entrada, tamano](std::int64_t n) {
        registros = n;
        const auto posicion = entrada.tellg();
        if (tamano > 0 && posicion >= 0)
            permil = static_cast<int>(std::min<std::uintmax_t>(1000, static_cast<std::uintmax_t>(posicion) * 1000 / tamano));
        if (observador) observador(n, cancelado);
        return !cancelado.load();
    };
}

std::uintmax_t Trabajo::tamanode(std::istream& entrada) {
    entrada.seekg(0, std::ios::end);
    const auto fin = entrada.tellg();
    entrada.seekg(0, std::ios::beg);
    return fin > 0 ? static_cast<std::uintmax_t>(fin) : 0;
}

Trabajo::Trabajo(QWidget* ventana, QBoxLayout* donde, const QString& que)
    : barra_(new QProgressBar(ventana)),
      cancelar_(controles::boton(ventana, "botcancelar", QStringLiteral("Cancelar"))) {
    barra_->setObjectName(QStringLiteral("barra"));
    barra_->setAccessibleName(que);
    auto* fila = new QHBoxLayout;
    fila->addWidget(barra_, 1);
    fila->addWidget(cancelar_);
    donde->addLayout(fila);
    barra_->setRange(0, 1000);
    barra_->setVisible(false);
    cancelar_->setVisible(false);
    QObject::connect(cancelar_, &QPushButton::clicked, cancelar_, [this] { cancela(); });
    reloj_.setInterval(40);
    reloj_.callOnTimeout([this] { revisa(); });
}

Trabajo::~Trabajo() {
    if (!encurso()) return;
    progreso_->cancelado = true;
    hilo_.join();
}

void Trabajo::inicia(Corrida corrida, Fin fin) {
    if (encurso()) return;
    progreso_ = std::make_unique<Progreso>();
    progreso_->observador = observador_;
    fin_ = std::move(fin);
    listo_ = false;
    barra_->setValue(0);
    cancelar_->setEnabled(true);
    cronometro_.start();
    hilo_ = std::thread([this, corrida = std::move(corrida)] {
        try {
            recuento_ = corrida(*progreso_);
        } catch (const std::bad_alloc&) {
            recuento_.estado = Estado::fallo;
            recuento_.mensaje = "No hay memoria suficiente para seguir.";
        } catch (const std::exception&) {
            recuento_.estado = Estado::fallo;
            recuento_.mensaje = "La corrida se detuvo por un error inesperado.";
        }
        listo_ = true;
    });
    reloj_.start();
}

void Trabajo::cancela() {
    if (!encurso()) return;
    progreso_->cancelado = true;
    cancelar_->setEnabled(false);
}

void Trabajo::terminaya() {
    if (!encurso()) return;
    cancela();
    hilo_.join();
    entrega();
}

void Trabajo::revisa() {
    if (listo_) {
        hilo_.join();
        entrega();
        return;
    }
    if (cronometro_.elapsed() >= milisegundosantesdemostrar) {
        barra_->setVisible(true);
        cancelar_->setVisible(true);
    }
    barra_->setValue(progreso_->permil.load());
}

void Trabajo::entrega() {
    reloj_.stop();
    barra_->setVisible(false);
    cancelar_->setVisible(false);
    Fin fin = std::move(fin_);
    fin_ = nullptr;
    if (fin) fin(recuento_);
}

}  // namespace rumbal
