#include "ui/panel.h"

#include <QPushButton>

namespace hortelia {

Panel::Panel(const QString& nombreFrame, const QString& titulo, Escenario& escenario, Protocolo& protocolo,
             Resumen& resumen, QPushButton* botonLateral, QWidget* parent)
    : QGroupBox(titulo, parent), e(escenario), protocolo_(protocolo), resumen_(resumen), lateral_(botonLateral) {
    setObjectName(nombreFrame);
    hide();
}

QPushButton* Panel::CreaBotonAcepta(const QString& nombre) {
    acepta_ = new QPushButton(QStringLiteral("&Acepta datos"), this);
    acepta_->setObjectName(nombre);
    acepta_->setDefault(false);
    return acepta_;
}

}  // namespace hortelia
