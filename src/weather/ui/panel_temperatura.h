#pragma once

#include "greenhouse/ui/panel.h"

namespace hortelia {

class PanelTemperatura : public Panel {
    Q_OBJECT
public:
    PanelTemperatura(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral, QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void MuestraCargado() override;
};

}  // namespace hortelia
