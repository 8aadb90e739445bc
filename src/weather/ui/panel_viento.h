#pragma once

// Wind panel FrViento: the wind of each hour in whole km/h on a bar, stored in m/s as well;
// an hour selector picks the hour (the one last used by any hourly panel when it opens).

#include "ui/panel.h"

class QLabel;
class QScrollBar;

namespace hortelia {

class Grafico;

class PanelViento : public Panel {
    Q_OBJECT
public:
    PanelViento(Contexto& contexto, QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void Acepta() override;
    void MuestraCargado() override;

    void CambiaVelocidad();
    void CambiaHora();

private:
    void EscribeHora();
    void LlenaGrafico();

    QScrollBar *barraHora_, *barraVelocidad_;
    QLabel *hora_, *kmh_, *ms_;
    Grafico* grafico_;
};

}  // namespace hortelia
