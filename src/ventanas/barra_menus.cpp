#include "ventanas/barra_menus.hpp"

#include <QShortcutEvent>

namespace rumbal {

bool BarraMenus::event(QEvent* evento) {
    if (evento->type() != QEvent::Shortcut) return QMenuBar::event(evento);
    const auto* atajo = static_cast<QShortcutEvent*>(evento);
    if (!atajo->isAmbiguous()) return QMenuBar::event(evento);
    const QString tecla = atajo->key().toString();
    if (const auto conocido = primero_.find(tecla); conocido != primero_.end()) {
        QShortcutEvent primero(atajo->key(), conocido->second);
        return QMenuBar::event(&primero);
    }
    // The first time, Qt gives the shortcut of the first menu: remember it.
    const bool hecho = QMenuBar::event(evento);
    for (QAction* a : actions()) {
        if (QKeySequence::mnemonic(a->text()) != atajo->key()) continue;
        if (a == activeAction()) primero_[tecla] = atajo->shortcutId();
        break;
    }
    return hecho;
}

}  // namespace rumbal
