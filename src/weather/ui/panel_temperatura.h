#pragma once

// Temperature panel (frame FrTemp): the day's maximum and minimum on two bars rerun the
// temperature curve; an hour selector with +/- corrects single hours; the chart MSCTemp
// shows TempHora. Everything is written into the record as it changes.

#include "ui/panel.h"

class QLabel;
class QScrollBar;

namespace hortelia {

class Grafico;

class PanelTemperatura : public Panel {
    Q_OBJECT
public:
    PanelTemperatura(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral,
                     QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void MuestraCargado() override;

    void HScrTMax_Change();
    void HScrTMin_Change();
    void HScrTHora_Change();
    void TempMas_Click();
    void TempMenos_Click();
    void Command13_Click();

private:
    void EscribeExtremos();
    void EscribeHora();
    void PonBarras();
    void LlenaGrafico();

    QScrollBar *HScrTMax, *HScrTMin, *HScrTHora;
    QLabel *LTMax, *LTMin, *LTempH, *LTempT;
    QPushButton *TempMenos, *TempMas;
    Grafico* MSCTemp;
};

}  // namespace hortelia
