#pragma once

// Dimensions panel FrDimens: width, length, side height, maximum height and number of
// modules. Accepting derives covered floor, cover surface and volume through the core's
// geometry (the same routine loading uses) and refuses dimensions it cannot use.

#include "ui/panel.h"

#include <QList>

class QLineEdit;

namespace hortelia {

class Dibujo;

class PanelDimensiones : public Panel {
    Q_OBJECT
public:
    PanelDimensiones(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botDimens,
                     QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    /// Shows the loaded dimensions; refused ones leave BotDimens pink and the figures hidden.
    void MuestraCargado() override;

    void TDimens1_Change();
    void TDimens3_Change();
    void Command3_Click();

private:
    void MuestraDibujo();
    void MuestraResultados();

    QLineEdit *TDimens1, *TDimens2, *TDimens3, *TDimens4, *TDimens5;
    QList<Dibujo*> Pictecho2;
};

}  // namespace hortelia
