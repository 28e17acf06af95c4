#pragma once
// The main window: one point converted between geodetic, geocentric and plane
// coordinates, checked as it is typed, saved to the results file, and carried
// to the other reference frame of the pair. It is also the hub whose menu opens
// every other window.
//
// Every widget carries the name the program's documentation gives it as its
// objectName ("txtlat", "botgac(0)", "Label4(6)"), and every handler is named
// control_event. A cleared field or label holds one blank; several handlers
// test for exactly that.

#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogos/carga.hpp"
#include "estado/estado.hpp"
#include "ventanas/clases_qt.hpp"
#include "ventanas/pedido_ventana.hpp"
#include "ventanas/plataforma.hpp"

namespace rumbal {

struct Planas;

class Forconversion : public QMainWindow {
public:
    // The window's two widths, in twips, and the pixels a twip takes here.
    static constexpr int anchoangosto = 7685;
    static constexpr int anchoancho = 10230;
    static constexpr double pixelesportwip = 0.1;

    // catalogos: the five catalogues as start-up read them. recarga runs the
    // reload protocol (the editors call it through the program); abre asks
    // the program for another window (the menu's items).
    Forconversion(EstadoPrograma& estado, Plataforma& plataforma, Catalogos catalogos,
                  std::function<void()> recarga = {}, std::function<void(const PedidoVentana&)> abre = {});

    // Clearing operations, also used by other windows.
    void borra();
    void borracar();
    void borrapla();
    void borrageo();

    // Selection handlers, run for a choice of the user and when code sets a position.
    void lst_elipso_click(int posicion);
    void lst_param_click(int posicion);
    void lst_partra_click(int posicion);

    // Handlers.
    void botcag_Click();
    void botgac_Click();
    void botgagk_Click();
    void botgkag_Click();
    void Txtygk_LostFocus();
    void txtlat_LostFocus();
    void txtlon_LostFocus();
    void txtalt_LostFocus();
    void botguardar_Click();
    void botcerrar_Click();
    void mnutra_Click();
    void bottransfiere_Click();

    // Width in twips, as the program states it.
    int anchotwips() const { return anchotwips_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void construye();
    void creacontroles(QWidget* central);
    template <class T>
    T* hijo(const char* nombre) const;
    void tomacontroles();
    void preparalistamarcos();
    void nombraparalectores();
    void conecta();
    void construyemenu();
    void menuarchivo(QMenu* archivo);
    void menumodificar(QMenu* modificar);
    void pide(QMenu* padre, const char* nombre, const QString& titulo, const PedidoVentana& pedido);
    void Form_Load();
    void ponancho(int twips);
    void habilita(QLineEdit* campo);
    bool controlcoma(const QString& tecla);
    void teclaen(QLineEdit* campo);
    void dejalatitudolongitud(QLineEdit* campo, double limite, const QString& mensaje);
    void nocalculable();
    bool convierteplanas();  // botgkag's conversion; false when refused (said)
    void poncoefaltura();
    void poncoef(std::optional<double> coef, const QString& sinvalor = QStringLiteral(" "));
    void ponplana(const Planas& p, const QString& rotulofactor);
    void borraplana();

    EstadoPrograma& estado_;
    Plataforma& plataforma_;
    Catalogos catalogos_;
    std::function<void()> recarga_;
    std::function<void(const PedidoVentana&)> abre_;
    int anchotwips_ = anchoangosto;
    bool enaccion_ = false;
    // The last values computed that only labels show: what "Guardar" writes.
    struct {
        double factorescala = 0;
        std::string convergencia;  // as shown, Windows-1252
        double coefaltura = 0;
    } calculados_;  // a leave action is running: its own focus moves are not leaves

    QLineEdit *txtid_, *Text7_, *Text8_, *Text9_, *Text1_;
    QComboBox *lst_atrib_, *lst_Elipso_, *lst_param_, *lst_partra_;
    std::array<QLabel*, 6> Label3_{};
    std::array<QLabel*, 10> Label4_{};
    QLineEdit *txtlat_, *txtlon_, *txtalt_, *txtx_, *txty_, *txtz_, *Txtxgk_, *Txtygk_;
    QLabel *Label8_, *Labelca_, *Label7_;
    QPushButton *botgac_, *botcag_, *botgagk_, *botgkag_, *botguardar_, *botcerrar_, *bottransfiere_;
    QGroupBox *Frame4_, *Frame41_, *Frame5_;
    QLineEdit *Text2_, *Text3_, *Text4_, *Text5_, *Text6_;
    QLabel *Label9_, *Label10_, *Label14_, *Label15_, *Label16_, *Label17_, *Label18_;
    QAction* mnutra_ = nullptr;
    std::vector<QWidget*> panel_;  // the transformation panel right of the narrow width, but Frame4
};

}  // namespace rumbal
