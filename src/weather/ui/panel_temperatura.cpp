#include "weather/ui/panel_temperatura.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace hortelia {

// Placeholder until the panel is written.
PanelTemperatura::PanelTemperatura(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral, QWidget* parent)
    : Panel("FrTemp", QStringLiteral("Temperatura"), e, protocolo, resumen, botonLateral, parent) {
    auto* caja = new QVBoxLayout(this);
    caja->addWidget(CreaBotonAcepta("AceptaPanelTemperatura"));
    connect(BotonAcepta(), &QPushButton::clicked, this, [this] {
        hide();
        MarcaAceptado();
        protocolo_.RehabilitaNavegacion();
    });
}

void PanelTemperatura::Abre(Origen) { protocolo_.AbrePanel(this, true); }

void PanelTemperatura::MuestraCargado() { MarcaAceptado(); }

}  // namespace hortelia
