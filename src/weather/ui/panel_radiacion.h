#pragma once

#include "greenhouse/ui/panel.h"

namespace hortelia {

class PanelRadiacion : public Panel {
    Q_OBJECT
public:
    PanelRadiacion(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral, QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void MuestraCargado() override;
};

}  // namespace hortelia
