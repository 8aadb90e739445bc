#pragma once

// Wind panel (frame FrViento): an hour selector and the km/h of that hour on a bar; each
// change stores the km/h and the m/s cut down to one decimal. The chart MSCVto shows the km/h.

#include "ui/panel.h"

class QLabel;
class QScrollBar;

namespace hortelia {

class Grafico;

class PanelViento : public Panel {
    Q_OBJECT
public:
    PanelViento(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral,
                QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void MuestraCargado() override;

    void HScrVto_Change();
    void HScrVHora_Change();
    void Command18_Click();

private:
    void EscribeHora();
    void LlenaGrafico();

    QScrollBar *HScrVto, *HScrVHora;
    QLabel *LVHora, *LVtoms, *LVtoKh;
    Grafico* MSCVto;
};

}  // namespace hortelia
