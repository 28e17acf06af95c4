#include "ventanas/formanual.hpp"

#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ventanas/controles.hpp"
#include "ventanas/textos_ayuda.hpp"

namespace rumbal {

namespace {

QString utf8(const std::string& t) { return QString::fromStdString(t); }

}  // namespace

Formanual::Formanual(const EstadoPrograma& estado, Plataforma& plataforma, QWidget* padre)
    : VentanaAyuda(QStringLiteral("formanual"), QStringLiteral("Guia del Usuario"),
                   QStringLiteral("CARACTERÍSTICAS GENERALES"), padre),
      estado_(estado),
      plataforma_(plataforma) {
    Label1_ = controles::etiqueta(Frame1_, "Label1", QString());
    // Blanks and line ends exactly as written, wrapped at the label's width.
    Label1_->setTextFormat(Qt::PlainText);
    Label1_->setWordWrap(true);
    Label1_->setMinimumWidth(520);
    enmarco_->addWidget(Label1_);
    lblguia_ = controles::etiqueta(Frame1_, "lblguia",
                                   QStringLiteral("<a href=\"guia\">Abrir la guía del usuario (PDF)</a>"));
    lblguia_->setTextFormat(Qt::RichText);
    // Tab reaches the link and Enter follows it, as a click does (a label
    // alone would first want a second Tab to choose the link inside it).
    lblguia_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblguia_->installEventFilter(this);
    lblguia_->setAccessibleName(QStringLiteral("Abrir la guía del usuario (PDF)"));
    enmarco_->addWidget(lblguia_);
    QObject::connect(lblguia_, &QLabel::linkActivated, this, [this] { lblguia_Click(); });
    // The window is as large as its text needs: the whole guide text shows,
    // whatever the font size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

bool Formanual::Form_Load() {
    Label1_->setText(utf8(textoguia(estado_.carpeta.string())));
    botsalir_->setFocus();
    return true;
}

bool Formanual::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == lblguia_ && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Space) {
            lblguia_Click();
            return true;
        }
    }
    return VentanaAyuda::eventFilter(objeto, evento);
}

void Formanual::lblguia_Click() {
    const QString ruta = utf8(rutaguia(estado_.carpeta.string()));
    if (!QFileInfo(ruta).isFile()) {
        plataforma_.mensaje(this, QStringLiteral("No se encuentra el archivo %1 en la carpeta: %2")
                                      .arg(utf8(std::string(nombreguia)), QFileInfo(ruta).path()));
        plataforma_.pitido();
        return;
    }
    plataforma_.abredocumento(ruta);
}

}  // namespace rumbal
