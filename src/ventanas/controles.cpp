#include "ventanas/controles.hpp"

#include <QAccessibleWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rumbal::controles {

namespace {

// Hands the key presses of the object it filters to accion, which answers
// whether it used the key (then the object does not see it).
class FiltroTeclas : public QObject {
public:
    using Accion = bool (*)(QObject* objeto, int tecla);
    FiltroTeclas(QObject* padre, Accion accion) : QObject(padre), accion_(accion) {}

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        return evento->type() == QEvent::KeyPress && accion_(objeto, static_cast<QKeyEvent*>(evento)->key());
    }

private:
    Accion accion_;
};

// Enter or Return on an enabled button: a click.
bool pulsaboton(QObject* objeto, int tecla) {
    auto* boton = qobject_cast<QAbstractButton*>(objeto);
    if (!boton || !boton->isEnabled() || (tecla != Qt::Key_Return && tecla != Qt::Key_Enter)) return false;
    boton->click();
    return true;
}

// A moving key on a list: the list opens, nothing is chosen yet.
bool abrelista(QObject* objeto, int tecla) {
    switch (tecla) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End: static_cast<QComboBox*>(objeto)->showPopup(); return true;
        default: return false;
    }
}

// The accessible side of a value label: its name is its caption's text and
// its own.
class AccesibleValor : public QAccessibleWidget {
public:
    explicit AccesibleValor(QLabel* valor) : QAccessibleWidget(valor, QAccessible::StaticText) {}
    QString text(QAccessible::Text que) const override {
        if (que != QAccessible::Name) return QAccessibleWidget::text(que);
        const auto* valor = static_cast<const QLabel*>(widget());
        const auto* rotulo = qobject_cast<const QLabel*>(valor->property(propiedadrotulo).value<QObject*>());
        const QString caption = rotulo ? rotulo->text().trimmed() : QString();
        return (caption.isEmpty() ? QString() : caption + QLatin1Char(' ')) + valor->text().trimmed();
    }
    static constexpr const char* propiedadrotulo = "rumbal_rotulo";
};

QAccessibleInterface* fabricaaccesible(const QString&, QObject* objeto) {
    auto* etiqueta = qobject_cast<QLabel*>(objeto);
    if (!etiqueta || !etiqueta->property(AccesibleValor::propiedadrotulo).isValid()) return nullptr;
    return new AccesibleValor(etiqueta);
}

}  // namespace

void abreconteclas(QComboBox* lista) { lista->installEventFilter(new FiltroTeclas(lista, abrelista)); }

void pulsaconenter(QAbstractButton* boton) { boton->installEventFilter(new FiltroTeclas(boton, pulsaboton)); }

void rotulavalor(QLabel* valor, QLabel* rotulo) {
    static const bool instalada = [] {
        QAccessible::installFactory(fabricaaccesible);
        return true;
    }();
    (void)instalada;
    valor->setProperty(AccesibleValor::propiedadrotulo, QVariant::fromValue(static_cast<QObject*>(rotulo)));
}

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

QHBoxLayout* filabotones(QBoxLayout* donde, std::initializer_list<QPushButton*> botones) {
    auto* fila = new QHBoxLayout;
    for (QPushButton* b : botones) fila->addWidget(b);
    donde->addLayout(fila);
    return fila;
}

void rotulado(QGridLayout* rejilla, int fila, QLabel* rotulo, QWidget* campo) {
    rotulo->setBuddy(campo);
    rejilla->addWidget(rotulo, fila, 0);
    rejilla->addWidget(campo, fila, 1);
}

}  // namespace rumbal::controles
