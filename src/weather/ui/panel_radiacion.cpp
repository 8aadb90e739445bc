#include "weather/ui/panel_radiacion.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace hortelia {

// Placeholder until the panel is written.
PanelRadiacion::PanelRadiacion(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral, QWidget* parent)
    : Panel("FrRadiac", QStringLiteral("Radiación"), e, protocolo, resumen, botonLateral, parent) {
    auto* caja = new QVBoxLayout(this);
    caja->addWidget(CreaBotonAcepta("AceptaPanelRadiacion"));
    connect(BotonAcepta(), &QPushButton::clicked, this, [this] {
        hide();
        MarcaAceptado();
        protocolo_.RehabilitaNavegacion();
    });
}

void PanelRadiacion::Abre(Origen) { protocolo_.AbrePanel(this, true); }

void PanelRadiacion::MuestraCargado() { MarcaAceptado(); }

}  // namespace hortelia
