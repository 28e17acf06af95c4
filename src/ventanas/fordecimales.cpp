#include "ventanas/fordecimales.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogos/carga.hpp"
#include "catalogos/procedimientos.hpp"
#include "textos/lectura_numero.hpp"
#include "textos/numero_texto.hpp"
#include "ventanas/controles.hpp"
#include "ventanas/texto_qt.hpp"

namespace rumbal {

Fordecimales::Fordecimales(EstadoPrograma& estado, Plataforma& plataforma, EnlacesPrograma enlaces, QWidget* padre)
    : VentanaCatalogo(estado, plataforma, std::move(enlaces), QStringLiteral("fordecimales"),
                      QStringLiteral("Modificar Nro. de decimales"), padre) {
    auto* principal = new QVBoxLayout(this);
    auto* rejilla = new QGridLayout;
    // The double quote in the first two captions is the seconds sign.
    const QString rotulos[3] = {
        QStringLiteral("Nro.de decimales de Seg.(\") para ángulos horizontales y verticales"),
        QStringLiteral("Nro.de decimales de Seg.(\") para latitud y longitud"),
        QStringLiteral("Nro.de decimales de metros para distancias")};
    for (int i = 0; i < 3; ++i) {
        const std::string indice = "(" + std::to_string(i) + ")";
        Text1_[static_cast<std::size_t>(i)] = controles::caja(this, ("Text1" + indice).c_str());
        Text1_[static_cast<std::size_t>(i)]->setMaximumWidth(80);
        controles::rotulado(rejilla, i, controles::etiqueta(this, ("Label1" + indice).c_str(), rotulos[i]),
                            Text1_[static_cast<std::size_t>(i)]);
    }
    principal->addLayout(rejilla);
    Label2_ = controles::etiqueta(this, "Label2", QStringLiteral("Actualize los valores y clikee guardar"));
    principal->addWidget(Label2_);
    BotDecGuar_ = controles::boton(this, "BotDecGuar", QStringLiteral("Guardar"));
    BotDecTer_ = controles::boton(this, "BotDecTer", QStringLiteral("Terminar"));
    controles::filabotones(principal, {BotDecGuar_, BotDecTer_});

    QObject::connect(BotDecGuar_, &QPushButton::clicked, this, [this] { BotDecGuar_Click(); });
    QObject::connect(BotDecTer_, &QPushButton::clicked, this, [this] { BotDecTer_Click(); });
}

bool Fordecimales::Form_Load() {
    estado_.cierratodo();
    if (!toma(cargadecimales(estado_.carpeta), estado_.decimales, plataforma_, this)) return false;
    const Decimales& d = estado_.decimales;
    const double valores[3] = {d.angulos, d.geograficas, d.metros};
    for (std::size_t i = 0; i < 3; ++i) Text1_[i]->setText(aqt(textovista(valores[i])));
    Text1_[0]->setFocus();
    return true;
}

void Fordecimales::BotDecGuar_Click() {
    // Whatever the boxes hold, read as numbers (letters or nothing as 0); the
    // program's decimals in memory stay as they are until "Terminar".
    const Decimales nuevos{leenumero(acp1252(Text1_[0]->text())), leenumero(acp1252(Text1_[1]->text())),
                           leenumero(acp1252(Text1_[2]->text()))};
    const auto hecho = reemplazaarchivo(estado_.carpeta, catalogodecimales, {renglonde(nuevos)});
    if (!hecho.bien()) return plataforma_.avisa(this, aqt(hecho.error().mensaje()));
    Label2_->setText(QStringLiteral("Para salir clikee Terminar"));
}

void Fordecimales::BotDecTer_Click() { termina(); }

}  // namespace rumbal
