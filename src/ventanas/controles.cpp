#include "ventanas/controles.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rumbal::controles {

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
    b->setAutoDefault(true);  // Enter presses the focused button
    return b;
}

void rotulado(QGridLayout* rejilla, int fila, QLabel* rotulo, QWidget* campo) {
    rotulo->setBuddy(campo);
    rejilla->addWidget(rotulo, fila, 0);
    rejilla->addWidget(campo, fila, 1);
}

}  // namespace rumbal::controles
