// Takes the picture of the main window after a conversion that the README
// shows: the program's own window, driven through its widgets as a user would,
// on the real display (run it under Xvfb).

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "programa/programa.hpp"
#include "ventanas/forconversion.hpp"

namespace {

// Nothing to show or play for a picture.
class PlataformaMuda : public rumbal::Plataforma {
public:
    void mensaje(QWidget*, const QString&) override {}
    void pitido() override {}
    std::optional<QString> abrearchivo(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    void suena() override {}
    void terminaprograma() override {}
};

}  // namespace

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    if (argc < 2) return 2;
    PlataformaMuda plataforma;
    rumbal::Programa programa(QCoreApplication::applicationDirPath().toStdString(), plataforma);
    if (!programa.abreprincipal()) return 1;
    QWidget* w = programa.principal();
    w->activateWindow();
    if (!QTest::qWaitForWindowExposed(w)) return 1;
    // Without a window manager the window may never become active; the
    // application is told it is, so that focus moves and leave actions run.
    QApplication::setActiveWindow(w);
    const auto elige = [&](const char* lista, const char* nombre) {
        auto* l = w->findChild<QComboBox*>(QString::fromUtf8(lista));
        const int i = l->findText(QString::fromUtf8(nombre));
        l->setCurrentIndex(i);
        emit l->activated(i);
    };
    const auto escribe = [&](const char* campo, const char* texto) {
        auto* f = w->findChild<QLineEdit*>(QString::fromUtf8(campo));
        f->setFocus(Qt::TabFocusReason);
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Delete);
        QTest::keyClicks(f, QString::fromUtf8(texto));
        QTest::keyClick(f, Qt::Key_Tab);
    };
    elige("lst_Elipso", "WGS 84");
    elige("lst_param", "Faja 5");
    elige("lst_atrib", "Esquina");
    escribe("txtid", "P1");
    escribe("txtlat", "-34 36 12.5");
    escribe("txtlon", "-58 22 54.3");
    escribe("txtalt", "25");
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("botgac(0)")), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("botgagk")), Qt::LeftButton);
    QTest::qWait(200);
    return w->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
