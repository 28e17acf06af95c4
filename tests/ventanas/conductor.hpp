#pragma once
// Driving windows in the tests as a user would, through their real widgets
// found by their documented names: choosing in a list, pressing a button,
// reading a caption. A control that is missing ends the test run at once.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
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

// The texts of several labels or boxes, in the order named.
inline QStringList textos(QWidget* ventana, std::initializer_list<const char*> nombres) {
    QStringList t;
    for (const char* n : nombres) t << texto(ventana, n);
    return t;
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

// Which of the named controls are enabled, in the order named.
inline QStringList habilitados(QWidget* ventana, std::initializer_list<const char*> nombres) {
    QStringList h;
    for (const char* n : nombres)
        if (habilitado(ventana, n)) h << QString::fromUtf8(n);
    return h;
}

inline void pon(QWidget* ventana, const char* caja, const QString& texto) {
    control<QLineEdit>(ventana, caja)->setText(texto);
}
inline void pon(QWidget* ventana, std::initializer_list<std::pair<const char*, QString>> cajas) {
    for (const auto& [caja, texto] : cajas) pon(ventana, caja, texto);
}

// Types into a field as a user does: the focus, the keys, then Tab to leave it.
inline void teclea(QWidget* ventana, const char* campo, const QString& teclas, bool tab = true) {
    QLineEdit* f = control<QLineEdit>(ventana, campo);
    f->setFocus(Qt::TabFocusReason);
    f->selectAll();
    QTest::keyClick(f, Qt::Key_Delete);
    QTest::keyClicks(f, teclas);
    if (tab) QTest::keyClick(f, Qt::Key_Tab);
}
inline void teclea(QWidget* ventana, std::initializer_list<std::pair<const char*, QString>> campos) {
    for (const auto& [campo, teclas] : campos) teclea(ventana, campo, teclas);
}

}  // namespace rumbal::prueba
