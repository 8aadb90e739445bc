#include "weather/ui/panel_humedad.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace hortelia {

// Placeholder until the panel is written.
PanelHumedad::PanelHumedad(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral, QWidget* parent)
    : Panel("FrHRel", QStringLiteral("Humedad relativa"), e, protocolo, resumen, botonLateral, parent) {
    auto* caja = new QVBoxLayout(this);
    caja->addWidget(CreaBotonAcepta("AceptaPanelHumedad"));
    connect(BotonAcepta(), &QPushButton::clicked, this, [this] {
        hide();
        MarcaAceptado();
        protocolo_.RehabilitaNavegacion();
    });
}

void PanelHumedad::Abre(Origen) { protocolo_.AbrePanel(this, true); }

void PanelHumedad::MuestraCargado() { MarcaAceptado(); }

}  // namespace hortelia
