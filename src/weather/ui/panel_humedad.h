#pragma once

// Relative-humidity panel (frame FrHRel): the day's maximum and minimum on two bars rerun
// the humidity curve; an hour selector with +/- corrects single hours by half a percent;
// the chart MSCHRel shows HRHora.

#include "ui/panel.h"

class QLabel;
class QScrollBar;

namespace hortelia {

class Grafico;

class PanelHumedad : public Panel {
    Q_OBJECT
public:
    PanelHumedad(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral,
                 QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void MuestraCargado() override;

    void HScrHRMax_Change();
    void HScrHRMin_Change();
    void HScrHRelH_Change();
    void HRMas_Click();
    void HRMenos_Click();
    void Command16_Click();

private:
    void EscribeExtremos();
    void EscribeHora();
    void PonBarras();
    void LlenaGrafico();

    QScrollBar *HScrHRMax, *HScrHRMin, *HScrHRelH;
    QLabel *LHRMax, *LHRMin, *LHRHora, *LHRel;
    QPushButton *HRMenos, *HRMas;
    Grafico* MSCHRel;
};

}  // namespace hortelia
