#pragma once
// The main window's menu bar. Two of its menus share a mnemonic ("&Archivo"
// and "&Ayuda"): Qt would open them in turn on every Alt+A of the run, so a
// user who pressed Alt+A once before would get "&Ayuda" the next time. Here
// Alt+A always opens the first of them, as it did the first time; with that
// menu open, Alt+A still moves on to the next one (the menus' own handling).

#include <QKeySequence>
#include <QMenuBar>
#include <map>

namespace rumbal {

class BarraMenus : public QMenuBar {
public:
    using QMenuBar::QMenuBar;

protected:
    bool event(QEvent* evento) override;

private:
    // For each shared mnemonic, the shortcut that opened the first menu.
    std::map<QString, int> primero_;
};

}  // namespace rumbal
