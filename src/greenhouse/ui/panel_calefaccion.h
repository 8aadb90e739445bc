#pragma once

// Heating panel FrCalefacc: the fuel (Option6) with its calorific value, typed in TPoCal
// for "Otro ...", and the efficiency of the heating system (HScrEfic).

#include "ui/panel.h"

#include <QList>

class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace hortelia {

class PanelCalefaccion : public Panel {
    Q_OBJECT
public:
    PanelCalefaccion(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botCalef,
                     QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void MuestraCargado() override;

    void Option6_Click();
    /// Takes the typed calorific value, cut to one decimal; 0, below or unreadable brings the previous back.
    void TPoCal_LostFocus();
    void HScrEfic_Change();
    void Command8_Click();

private:
    void MuestraPoderCalorico();
    void MuestraEficiencia();

    QScrollBar* HScrEfic;
    QLabel* LEfiCal;
    QList<QRadioButton*> Option6;
    QLineEdit* TPoCal;
};

}  // namespace hortelia
