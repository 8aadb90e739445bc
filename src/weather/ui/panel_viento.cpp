#include "weather/ui/panel_viento.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace hortelia {

// Placeholder until the panel is written.
PanelViento::PanelViento(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral, QWidget* parent)
    : Panel("FrViento", QStringLiteral("Viento"), e, protocolo, resumen, botonLateral, parent) {
    auto* caja = new QVBoxLayout(this);
    caja->addWidget(CreaBotonAcepta("AceptaPanelViento"));
    connect(BotonAcepta(), &QPushButton::clicked, this, [this] {
        hide();
        MarcaAceptado();
        protocolo_.RehabilitaNavegacion();
    });
}

void PanelViento::Abre(Origen) { protocolo_.AbrePanel(this, true); }

void PanelViento::MuestraCargado() { MarcaAceptado(); }

}  // namespace hortelia
