#pragma once

// The results frame FrResultados: an hour selector with that hour's outdoor weather, inside
// climate, control and transpiration; the daily totals; the temperature chart and the
// control chart; and its four buttons. It only reads the record; the main window runs the
// day and decides what the buttons do.

#include "scenario/escenario.h"

#include <QGroupBox>

class QLabel;
class QPushButton;
class QScrollBar;

namespace hortelia {

class Grafico;

class PanelResultados : public QGroupBox {
    Q_OBJECT
public:
    explicit PanelResultados(Escenario& e, QWidget* parent = nullptr);

    /// After a run: fills both charts, shows hour 1 and the daily totals.
    void MuestraDia();
    /// Shows hour h (the scroll bar's change handler).
    void MuestraHora(int h);

    QScrollBar* HScrResHora;
    QPushButton *Command14, *Command15, *Command19, *Command20;
    Grafico *MSCResTemp, *MSCResCtrl;

private:
    void LlenaGraficos();

    Escenario& e;
    QLabel* ResHora;
    QLabel *ResTE, *ResHR, *ResVto, *ResRad;
    QLabel *ResTS, *ResTC, *ResHRI, *ResRen;
    QLabel *ResCal, *ResRef;
    QLabel *ResEtr, *ResEtp;
    QLabel *ResAComb, *ResAAgua, *ResAcEtr, *ResAcEtp;
};

}  // namespace hortelia
