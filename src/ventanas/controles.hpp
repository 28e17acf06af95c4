#pragma once
// Making the controls of a window: each carries its documented name as its
// objectName, and a caption placed before a field becomes the field's buddy,
// so a screen reader names the field by its caption.

#include <QComboBox>
#include <QString>
#include <initializer_list>
#include <string>
#include <vector>

#include "ventanas/clases_qt.hpp"
#include "ventanas/texto_qt.hpp"

namespace rumbal::controles {

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto);
QComboBox* lista(QWidget* padre, const char* nombre);
QLineEdit* caja(QWidget* padre, const char* nombre);
QPushButton* boton(QWidget* padre, const char* nombre, const QString& texto);

// Enter and Return press the button while it has the focus, as the space bar
// does (outside dialogs Qt's buttons take only the space bar).
void pulsaconenter(QAbstractButton* boton);

// For a list whose choice acts at once and for good: the moving keys on the
// closed list open it instead of choosing the next entry, so a keyboard user
// looks through it and chooses with Enter.
void abreconteclas(QComboBox* lista);

// A label that shows a value beside its caption label: screen readers name it
// by both ("mod.de deform.= 1.0002715"), whatever the two hold at the time.
void rotulavalor(QLabel* valor, QLabel* rotulo);

// A row of buttons, left to right, added below what donde holds; the row is
// returned for what goes after them.
QHBoxLayout* filabotones(QBoxLayout* donde, std::initializer_list<QPushButton*> botones);

// The caption in column 0 and its field in column 1 of row fila.
void rotulado(QGridLayout* rejilla, int fila, QLabel* rotulo, QWidget* campo);

// A list of catalogue names, in file order, nothing chosen.
template <class Entrada>
void llena(QComboBox* lista, const std::vector<Entrada>& entradas) {
    lista->clear();
    for (const Entrada& e : entradas) {
        if constexpr (std::is_same_v<Entrada, std::string>) lista->addItem(aqt(e));
        else lista->addItem(aqt(e.nombre));
    }
    lista->setCurrentIndex(-1);
}

}  // namespace rumbal::controles
