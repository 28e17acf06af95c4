#include "ventanas/forelipsoide0.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ventanas/controles.hpp"
#include "ventanas/texto_qt.hpp"

namespace rumbal {

Forelipsoide0::Forelipsoide0(EstadoPrograma& estado, EnlacesPrograma enlaces, QWidget* padre)
    : QWidget(padre), estado_(estado), enlaces_(std::move(enlaces)) {
    setObjectName(QStringLiteral("forelipsoide0"));
    setWindowTitle(QStringLiteral("Nuevo Elipsoide"));
    auto* principal = new QVBoxLayout(this);
    auto* Frame2 = new QGroupBox(QStringLiteral("Datos del elipsóide "), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* rejilla = new QGridLayout(Frame2);
    // The caption of the third box is Label1(4), as it always was.
    const std::array<std::pair<const char*, QString>, 3> rotulos = {{{"Label1(1)", QStringLiteral("Nombre")},
                                                                     {"Label1(2)", QStringLiteral("Semieje  mayor")},
                                                                     {"Label1(4)", QStringLiteral("Aplast. inverso")}}};
    for (int i = 0; i < 3; ++i) {
        const std::string caja = "Text1(" + std::to_string(i + 1) + ")";
        Text1_[static_cast<std::size_t>(i)] = controles::caja(Frame2, caja.c_str());
        Text1_[static_cast<std::size_t>(i)]->setMinimumWidth(220);
        controles::rotulado(rejilla, i, controles::etiqueta(Frame2, rotulos[static_cast<std::size_t>(i)].first,
                                                            rotulos[static_cast<std::size_t>(i)].second),
                            Text1_[static_cast<std::size_t>(i)]);
    }
    principal->addWidget(Frame2);
    Label31_ = controles::etiqueta(this, "Label3(1)", QString());
    principal->addWidget(Label31_);
    QPushButton* aceptar = controles::boton(this, "BotAceEli", QStringLiteral("Aceptar"));
    QPushButton* salir = controles::boton(this, "BotSalEli", QStringLiteral("Salir"));
    controles::filabotones(principal, {aceptar, salir});
    QObject::connect(aceptar, &QPushButton::clicked, this, [this] { BotAceEli_Click(); });
    QObject::connect(salir, &QPushButton::clicked, this, [this] { BotSalEli_Click(); });
}

bool Forelipsoide0::Form_Load() {
    Label31_->setText(QStringLiteral("Ingrese los datos y clikee Aceptar"));
    Text1_[0]->setFocus();
    return true;
}

void Forelipsoide0::BotAceEli_Click() {
    for (std::size_t i = 0; i < 3; ++i) estado_.elipsoidenuevo[i] = acp1252(Text1_[i]->text());
    aleditor();
}

void Forelipsoide0::BotSalEli_Click() { aleditor(); }

void Forelipsoide0::aleditor() {
    close();
    if (enlaces_.abre) enlaces_.abre({Ventana::elipsoides, {}, {}});
}

}  // namespace rumbal
