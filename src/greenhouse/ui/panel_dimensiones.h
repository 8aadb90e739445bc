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
    PanelDimensiones(Contexto& contexto, QWidget* parent = nullptr);

    /// From the menu, processing is left as it was.
    void Abre(Origen origen) override;
    void Acepta() override;
    /// Shows the loaded dimensions; refused ones leave the panel pending and the figures hidden.
    void MuestraCargado() override;

    /// Width or side height typed: both go to the record; a tunnel's maximum height follows.
    void CambiaAnchoOAltura();

private:
    void MuestraDibujo();
    void MuestraFiguras();

    QLineEdit *ancho_, *largo_, *alturaLateral_, *alturaMaxima_, *modulos_;
    QList<Dibujo*> dibujos_;
};

}  // namespace hortelia
