#include "ventanas/controles.hpp"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rumbal::controles {

namespace {

class PulsaConEnter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress) return false;
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        auto* boton = qobject_cast<QAbstractButton*>(objeto);
        if (!boton || !boton->isEnabled() || (tecla != Qt::Key_Return && tecla != Qt::Key_Enter)) return false;
        boton->click();
        return true;
    }
};

}  // namespace

void pulsaconenter(QAbstractButton* boton) { boton->installEventFilter(new PulsaConEnter(boton)); }

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromUtf8(nombre));
    return l;
}

QComboBox* lista(QWidget* padre, const char* nombre) {
    auto* c = new QComboBox(padre);
    c->setObjectName(QString::fromUtf8(nombre));
    c->setMinimumContentsLength(16);
    return c;
}

QLineEdit* caja(QWidget* padre, const char* nombre) {
    auto* t = new QLineEdit(padre);
    t->setObjectName(QString::fromUtf8(nombre));
    return t;
}

QPushButton* boton(QWidget* padre, const char* nombre, const QString& texto) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QString::fromUtf8(nombre));
    pulsaconenter(b);
    return b;
}

void rotulado(QGridLayout* rejilla, int fila, QLabel* rotulo, QWidget* campo) {
    rotulo->setBuddy(campo);
    rejilla->addWidget(rotulo, fila, 0);
    rejilla->addWidget(campo, fila, 1);
}

}  // namespace rumbal::controles
