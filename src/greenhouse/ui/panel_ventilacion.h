#pragma once

// Ventilation panel FrVentil: the total window area (Command9 "+", Command10 "-"), the
// opening of every hour (HScrVent picks the hour, VScrVent sets how far it is open) with its
// chart MSCVentil of open window area, and the roof window (Option5). It opens only once the
// dimensions have given a floor area; the schedule is shown by Command7 before accepting.

#include "ui/panel.h"

#include <QList>

class QLabel;
class QRadioButton;
class QScrollBar;

namespace hortelia {

class Grafico;

class PanelVentilacion : public Panel {
    Q_OBJECT
public:
    PanelVentilacion(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botVentil,
                     QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void MuestraCargado() override;

    void Command7_Click();
    void Command9_Click();
    void Command10_Click();
    void HScrVent_Change();
    void VScrVent_Change();
    void Option5_Click();
    void Command6_Click();

private:
    void CambiaSuperficie(float delta);
    void GraficaHora(int h);
    void MuestraHora();
    void MuestraApertura();
    void MuestraHorario(bool visible);

    QLabel *LVentaX, *Label12, *Label13, *LPrVent, *LRelVentSue, *LAbierta, *LCerrada;
    QPushButton *Command7, *Command9, *Command10;
    Grafico* MSCVentil;
    QScrollBar *HScrVent, *VScrVent;
    QList<QRadioButton*> Option5;
    QList<QWidget*> horario_;  ///< what Command7 shows: the chart, both bars and their readings
};

}  // namespace hortelia
