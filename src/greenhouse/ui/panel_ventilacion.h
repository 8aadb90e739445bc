#pragma once

// Ventilation panel FrVentil: the total window area ("+" and "-"), the opening of every hour
// (one bar picks the hour, the vertical bar sets how far it is open) with its chart of open
// window area, and the roof window (Option5). It opens only once the dimensions have given a
// floor area; the schedule is shown by "Carga datos &horarios ..." before accepting.

#include "ui/panel.h"

#include <QList>

class QLabel;
class QLayout;
class QRadioButton;
class QScrollBar;

namespace hortelia {

class Grafico;

class PanelVentilacion : public Panel {
    Q_OBJECT
public:
    PanelVentilacion(Contexto& contexto, QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void Acepta() override;
    void MuestraCargado() override;

    /// "Carga datos &horarios de apertura de ventanas": the schedule from hour 1.
    void CargaHorario();
    void SumaVentana() { CambiaSuperficie(1); }
    void RestaVentana() { CambiaSuperficie(-1); }
    void CambiaHora();
    void CambiaApertura();
    void EligeCenital();

private:
    QLayout* CreaSuperficie();
    void CreaGrafico();
    QLayout* CreaApertura();
    void CambiaSuperficie(float delta);
    void GraficaHora(int h);
    void MuestraHora();
    void MuestraApertura();
    void VeHorario(bool visible);

    QLabel *superficie_, *hora_, *abiertas_, *porcentaje_, *relacion_;
    QPushButton *cargaHorario_, *suma_, *resta_;
    Grafico* grafico_;
    QScrollBar *barraHora_, *barraApertura_;
    QList<QRadioButton*> opcionesCenital_;
    QList<QWidget*> horario_;  ///< what CargaHorario shows: the chart, both bars and their readings
};

}  // namespace hortelia
