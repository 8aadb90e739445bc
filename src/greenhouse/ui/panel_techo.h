#pragma once

// Roof panel FrTecho: the roof shape (Option1) with its picture, and the double roof (Option2).
// A new roof shape voids accepted dimensions: their three figures belong to the old shape.

#include "ui/panel.h"

#include <QList>

class QRadioButton;

namespace hortelia {

class Dibujo;

class PanelTecho : public Panel {
    Q_OBJECT
public:
    PanelTecho(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botTecho, QPushButton* botDimens,
               QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void MuestraCargado() override;

    void Option1_Click();
    void Option2_Click();
    void Command2_Click();

private:
    void MuestraDibujo(int tipo);
    void OcultaDimensiones();

    QPushButton* botDimens_;
    QList<QRadioButton*> Option1, Option2;
    QList<Dibujo*> Pictecho1;
};

}  // namespace hortelia
