#pragma once
// Driving windows in the tests as a user would, through their real widgets
// found by their documented names: choosing in a list, pressing a button,
// reading a caption. A control that is missing ends the test run at once.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "comun/catalogos_prueba.hpp"

namespace rumbal::prueba {

template <class T = QWidget>
T* control(QWidget* ventana, const char* nombre) {
    T* c = ventana->findChild<T*>(QString::fromUtf8(nombre));
    if (!c) qFatal("%s no tiene un control %s", qPrintable(ventana->objectName()), nombre);
    return c;
}

// The text of a label or a text box.
inline QString texto(QWidget* ventana, const char* nombre) {
    if (auto* l = ventana->findChild<QLabel*>(QString::fromUtf8(nombre))) return l->text();
    return control<QLineEdit>(ventana, nombre)->text();
}

// Chooses an entry by its text, as a click in the open list does.
inline bool elige(QWidget* ventana, const char* lista, const QString& entrada) {
    auto* l = control<QComboBox>(ventana, lista);
    const int i = l->findText(entrada);
    if (i < 0) return false;
    l->setCurrentIndex(i);
    emit l->activated(i);
    return true;
}

inline void pulsa(QWidget* ventana, const char* boton) {
    QTest::mouseClick(control<QAbstractButton>(ventana, boton), Qt::LeftButton);
}

inline bool habilitado(QWidget* ventana, const char* nombre) { return control(ventana, nombre)->isEnabled(); }

}  // namespace rumbal::prueba
