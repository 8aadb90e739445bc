#pragma once

// The results frame FrResultados: an hour selector with that hour's outdoor weather, inside
// climate, control and transpiration; the daily totals; the temperature chart and the
// control chart; the hours the crop spent outside its tolerable temperatures; and its buttons,
// whose presses it signals. It only reads the record;
// the main window runs the day and answers the buttons.

#include "scenario/escenario.h"

#include <QGroupBox>

class QLabel;
class QScrollBar;

namespace hortelia {

class Grafico;
class Protocolo;

class PanelResultados : public QGroupBox {
    Q_OBJECT
public:
    /// `protocolo` keeps the hour shown, which the hourly panels show too.
    PanelResultados(Escenario& e, Protocolo& protocolo, QWidget* parent = nullptr);

    /// After a run: fills both charts, shows hour 1 and the daily totals.
    void MuestraDia();
    /// Shows hour h (the hour bar's change handler).
    void MuestraHora(int h);
    /// The hour bar, which takes the focus after a run.
    QScrollBar* BarraHora() const { return barraHora_; }

signals:
    void planillaPedida();   ///< "&Planilla de datos"
    void guardadoPedido();   ///< "&Guarda"
    void impresionPedida();  ///< "&Imprime"
    void previaPedida();     ///< "&Vista previa"
    void cierrePedido();     ///< "&Cierra"

private:
    QLayout* CreaGrupos();
    QLayout* CreaGraficos();
    void LlenaGraficos();

    Escenario& e;
    Protocolo& protocolo_;
    QScrollBar* barraHora_;
    QLabel* hora_;
    QLabel *temperatura_, *humedad_, *viento_, *radiacion_;
    QLabel *sinControl_, *conControl_, *humedadInterior_, *renovacion_;
    QLabel *calefaccion_, *refrigeracion_;
    QLabel *unidadCalefaccion_, *unidadCombustible_;  ///< the fuel's unit beside its captions
    QLabel *etr_, *etp_;
    QLabel *combustible_, *agua_, *etrDia_, *etpDia_;
    QLabel* fueraDeRango_;  ///< the hours outside the crop's tolerable temperatures
    Grafico *graficoTemperaturas_, *graficoControl_;
};

}  // namespace hortelia
