#include "ventanas/foracerca.hpp"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ventanas/textos_ayuda.hpp"

namespace rumbal {

Foracerca::Foracerca(QWidget* padre)
    : VentanaAyuda(QStringLiteral("foracerca"), QStringLiteral("Acerca de Rumbal "), QStringLiteral("RUMBAL 1.0.1"),
                   padre) {
    Text1_ = new QPlainTextEdit(Frame1_);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setReadOnly(true);
    Text1_->setAccessibleName(QStringLiteral("Acerca de Rumbal"));
    // Room for the whole text at the usual font sizes; a larger one scrolls.
    Text1_->setMinimumSize(480, 330);
    enmarco_->addWidget(Text1_);
}

bool Foracerca::Form_Load() {
    Text1_->setPlainText(QString::fromStdString(textocreditos()));
    botsalir_->setFocus();
    return true;
}

}  // namespace rumbal
